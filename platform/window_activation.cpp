#include "platform/window_activation.h"

#include <QApplication>
#include <QWidget>

namespace spanwright::platform {

void Activate(QWidget& window, const QByteArray& token) {
    constexpr char kTokenVariable[] = "XDG_ACTIVATION_TOKEN";
    if (!token.isEmpty()) qputenv(kTokenVariable, token);
    window.raise();
    window.activateWindow();
    if (!token.isEmpty()) qunsetenv(kTokenVariable);
    // Cleared by the window system once the window is active.
    if (!window.isActiveWindow()) QApplication::alert(&window);
}

}  // namespace spanwright::platform
