#pragma once
// Screen readers list a top-level window by its role and title. Qt reports a
// window built on a plain QWidget as a "filler" (a client area); a window
// marked here is a frame named by its title, as dialogs and main windows
// already are, and a reader hears its title when it is activated.
//   Window::Window() { platform::ReportAsFrame(this); setWindowTitle("Spanwright"); ... }
//   QAccessible::queryAccessibleInterface(&window) -> role Window ("frame"), name "Spanwright"
// Mark the window first thing in its constructor, before anything can ask
// for its interface. The window's class and everything else stay as they are.
class QWidget;

namespace spanwright::platform {

void ReportAsFrame(QWidget* window);

}  // namespace spanwright::platform
