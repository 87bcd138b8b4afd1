#include "history/saved_position.h"

#include <algorithm>

#include "engine/errors.h"
#include "engine/numeric.h"
#include "platform/twips.h"

namespace spanwright::history {

std::optional<int> SavedEdgePixels(const QString& text) {
    try {
        return platform::Twips(numeric::Whole16(text.toStdString()));
    } catch (const NumberedError&) {
        return std::nullopt;
    }
}

bool ShowsOnAScreen(const QRect& window, const QList<QRect>& screens) {
    const int needWidth = std::min(kGrabPixels, window.width());
    const int needHeight = std::min(kGrabPixels, window.height());
    return std::any_of(screens.begin(), screens.end(), [&](const QRect& screen) {
        const QRect seen = window.intersected(screen);
        return !seen.isEmpty() && seen.width() >= needWidth && seen.height() >= needHeight;
    });
}

}  // namespace spanwright::history
