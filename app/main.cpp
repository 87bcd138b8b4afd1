// The program's entry: the command line when asked for (no window, nothing
// written), else one running copy per user and the main window.
//   spanwright --keys "5+3="  -> prints 0'8" (command_line.h)
//   first start  -> the calculator window; later starts while it runs end
//                   at once (status 0, no setting written) and bring it to
//                   the front.
#include <QApplication>
#include <optional>

#include "command_line.h"
#include "main_window/frmMain.h"
#include "platform/pictures.h"
#include "platform/single_instance.h"

int main(int argc, char* argv[]) {
    if (const std::optional<int> status = spanwright::app::RunCommandLine(argc, argv)) return *status;

    QCoreApplication::setOrganizationName(QStringLiteral("Ostrel"));
    QCoreApplication::setApplicationName(QStringLiteral("Spanwright"));

    spanwright::platform::SingleInstance instance;
    if (!instance.Claim()) return 0;  // the running copy answered: its window comes to the front

    QApplication app(argc, argv);
    QApplication::setWindowIcon(spanwright::platform::AppIcon());
    spanwright::frmMain form;
    QObject::connect(&instance, &spanwright::platform::SingleInstance::RaiseRequested, &form,
                     [&form] { form.BringToFront(); });
    instance.Listen();
    form.Form_Load();
    return QApplication::exec();
}
