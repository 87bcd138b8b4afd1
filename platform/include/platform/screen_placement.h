#pragma once
// Whether a window put at a saved place could be seen and moved there: on
// one screen its top edge (where the title bar is) lies within the screen's
// available area, at least 10 pixels above its bottom, and at least 100 by
// 40 pixels of it show there (all of it, when it is smaller). Both windows
// restore a saved position only where this holds.
//   screens {0, 0, 800, 600}:
//   ShowsOnAScreen({100, 200, 240, 360})   -> true
//   ShowsOnAScreen({100, -100, 240, 360})  -> false (the title bar above the screen)
//   ShowsOnAScreen({750, 200, 240, 360})   -> false (50 pixels across show: too little)
//   ShowsOnAScreen({-140, 200, 240, 360})  -> true  (100 pixels show at the left)
//   ShowsOnAScreen({100, 570, 240, 360})   -> false (30 pixels high show)
// Rectangles are frames in pixels, screens their available areas (no task bar).
#include <QList>
#include <QRect>

namespace spanwright::platform {

inline constexpr int kTopEdgeRoomPixels = 10;
inline constexpr int kShownWidthPixels = 100;
inline constexpr int kShownHeightPixels = 40;

bool ShowsOnAScreen(const QRect& window, const QList<QRect>& availableScreens);

// The available area of every screen the application sees.
QList<QRect> AvailableScreens();

// Whether the window system lets a window report and choose its place on
// the screen. A Wayland compositor places windows itself and reports 0, 0
// for every one, so saved positions are then neither applied nor replaced.
//   QT_QPA_PLATFORM=xcb or offscreen  -> true
//   QT_QPA_PLATFORM=wayland           -> false
bool CanPlaceWindows();

}  // namespace spanwright::platform
