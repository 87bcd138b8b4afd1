#pragma once
// Whether the window can be shown at all, checked before anything is
// written, with one line instead of Qt's abort and core file:
//   env -u DISPLAY -u WAYLAND_DISPLAY spanwright  (no QT_QPA_PLATFORM)
//     -> DisplayNamed() false
//   DISPLAY=:99 with no server there, or QT_QPA_PLATFORM=none-such
//     -> the platform cannot be opened: the PlatformGuard around the
//        QApplication's construction ends the program
//   either way: "spanwright: no display to show the window on; spanwright
//   --help shows the command line" on standard error, status 1
namespace spanwright::app {

// A display (X11 or Wayland) or a platform (QT_QPA_PLATFORM) is named.
bool DisplayNamed();

// Writes the line and gives the status to end with.
int NoDisplay();

// While it lives (from before the QApplication until Opened), Qt's messages
// are held back; a fatal one (no platform plugin could be opened) ends the
// program with NoDisplay's line and status instead of an abort. Opened
// passes the held messages on and restores Qt's handling.
class PlatformGuard {
public:
    PlatformGuard();
    ~PlatformGuard();
    PlatformGuard(const PlatformGuard&) = delete;
    PlatformGuard& operator=(const PlatformGuard&) = delete;
    void Opened();
};

}  // namespace spanwright::app
