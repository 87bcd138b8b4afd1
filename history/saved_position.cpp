#include "history/saved_position.h"

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

}  // namespace spanwright::history
