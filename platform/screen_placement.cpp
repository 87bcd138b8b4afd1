#include "platform/screen_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace spanwright::platform {

bool ShowsOnAScreen(const QRect& window, const QList<QRect>& availableScreens) {
    return std::any_of(availableScreens.begin(), availableScreens.end(), [&](const QRect& screen) {
        const QRect seen = window.intersected(screen);
        const bool topOnScreen =
            window.top() >= screen.top() && window.top() <= screen.bottom() - kTopEdgeRoomPixels;
        return !seen.isEmpty() && topOnScreen && seen.width() >= std::min(window.width(), kShownWidthPixels) &&
               seen.height() >= std::min(window.height(), kShownHeightPixels);
    });
}

QList<QRect> AvailableScreens() {
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens()) areas.push_back(screen->availableGeometry());
    return areas;
}

bool CanPlaceWindows() {
    // "wayland", or "wayland-egl" when that plugin is named outright.
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

}  // namespace spanwright::platform
