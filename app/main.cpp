// The program's entry: the command line when given any argument (no window,
// nothing written), else one running copy per user and the main window.
//   spanwright --keys "5+3="  -> prints 0'8" (command_line.h)
//   no display                -> spanwright: no display to show the window on;
//                                spanwright --help shows the command line
//                                (status 1, no abort, display_check.h)
//   first start  -> the calculator window; later starts while it runs end
//                   at once (status 0, no setting written) and bring it to
//                   the front (with their activation token on Wayland).
#include <QApplication>
#include <fcntl.h>
#include <unistd.h>

#include <csignal>
#include <optional>

#include "command_line.h"
#include "display_check.h"
#include "main_window/frmMain.h"
#include "platform/pictures.h"
#include "platform/single_instance.h"

namespace {

// A standard stream that is closed gets /dev/null in its place, so that no
// file the program opens takes its number: standard error writes into
// nothing, standard output stays unwritable (a write fails: status 3).
void FillClosedStreams() {
    for (int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (::fcntl(fd, F_GETFD) != -1) continue;
        const int opened = ::open("/dev/null", fd == STDERR_FILENO ? O_WRONLY : O_RDONLY);
        if (opened >= 0 && opened != fd) {
            ::dup2(opened, fd);
            ::close(opened);
        }
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    // A reader that went away is a failed write (status 3), never the end of
    // the program, in every mode (the guard's socket too).
    std::signal(SIGPIPE, SIG_IGN);
    FillClosedStreams();
    if (const std::optional<int> status = spanwright::app::RunCommandLine(argc, argv)) return *status;

    QCoreApplication::setOrganizationName(QStringLiteral("Ostrel"));
    QCoreApplication::setApplicationName(QStringLiteral("Spanwright"));

    // The display first, before the guard: a start that cannot show a
    // window ends with one line and leaves nothing behind.
    if (!spanwright::app::DisplayNamed()) return spanwright::app::NoDisplay();
    // The token this start was given, read before the platform opens: it
    // goes to the running copy, whose window it lets take the focus.
    const QByteArray activationToken = qgetenv("XDG_ACTIVATION_TOKEN");
    spanwright::app::PlatformGuard platform;
    QApplication app(argc, argv);
    platform.Opened();

    spanwright::platform::SingleInstance instance;
    if (!instance.Claim(activationToken)) return 0;  // the running copy answered: its window comes to the front

    QApplication::setWindowIcon(spanwright::platform::AppIcon());
    spanwright::frmMain form;
    QObject::connect(&instance, &spanwright::platform::SingleInstance::RaiseRequested, &form,
                     [&form](const QByteArray& token) { form.BringToFront(token); });
    instance.Listen();
    form.Form_Load();
    return QApplication::exec();
}
