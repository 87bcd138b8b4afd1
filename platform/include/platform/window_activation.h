#pragma once
// Brings a window to the front and gives it the focus, with the activation
// token a later start handed over. On Wayland a window may take the focus
// only with a token (xdg-activation): Qt's Wayland plugin reads it from
// XDG_ACTIVATION_TOKEN while the window asks, so the token is set for that
// moment and removed after, never left for another window. Where no token
// came, or the window system does not activate the window at once, the
// window asks for attention (its task-bar entry), which ends when it is
// activated.
//   Activate(window, "kwin-7")  -> raised and activated with that token
//   Activate(window, "")        -> raised, activated where the window system
//                                  allows it, else asking for attention
#include <QByteArray>

class QWidget;

namespace spanwright::platform {

void Activate(QWidget& window, const QByteArray& token);

}  // namespace spanwright::platform
