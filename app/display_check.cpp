#include "display_check.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace spanwright::app {
namespace {

struct Held {
    QtMsgType type;
    QString text;
    QByteArray file, function, category;  // the context's texts, kept alive
};

// The messages held while the platform opens; only the main thread runs then.
std::vector<Held>& HeldMessages() {
    static std::vector<Held> held;
    return held;
}
QtMessageHandler previous = nullptr;
bool holding = false;

void Hold(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) std::_Exit(NoDisplay());
    HeldMessages().push_back({type, text, context.file, context.function, context.category});
}

}  // namespace

bool DisplayNamed() {
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        if (!qEnvironmentVariableIsEmpty(name)) return true;
    return false;
}

int NoDisplay() {
    std::fputs("spanwright: no display to show the window on; spanwright --help shows the command line\n", stderr);
    std::fflush(stderr);
    return 1;
}

PlatformGuard::PlatformGuard() {
    previous = qInstallMessageHandler(Hold);
    holding = true;
}

PlatformGuard::~PlatformGuard() { Opened(); }

void PlatformGuard::Opened() {
    if (!holding) return;
    holding = false;
    qInstallMessageHandler(previous);
    std::vector<Held> held;
    held.swap(HeldMessages());
    for (Held& m : held) {
        const QMessageLogContext context(m.file.isEmpty() ? nullptr : m.file.constData(), 0,
                                         m.function.isEmpty() ? nullptr : m.function.constData(),
                                         m.category.isEmpty() ? nullptr : m.category.constData());
        qt_message_output(m.type, context, m.text);
    }
}

}  // namespace spanwright::app
