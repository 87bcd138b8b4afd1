#include "main_window/saved_settings.h"

#include <cmath>

#include "engine/errors.h"
#include "engine/numeric.h"
#include "platform/screen_placement.h"
#include "platform/twips.h"
#include "settings/settings.h"

namespace spanwright {
namespace {

namespace key = settings::key;
using settings::ReadText;

// A setting whose conversion fails counts as missing; nothing is reported.
template <class T, class Convert>
std::optional<T> Converted(platform::RegistryStore& store, const QString& name, Convert convert) {
    try {
        if (const auto text = ReadText(store, name)) return convert(*text);
    } catch (const NumberedError&) {
    }
    return std::nullopt;
}

// Twips as a single-precision setting to whole pixels; nothing when the
// value is beyond any screen.
std::optional<int> PixelsOf(const std::string& text) {
    const double pixels = std::round(double(numeric::Single(text)) / platform::kTwipsPerPixel);
    if (!std::isfinite(pixels) || std::abs(pixels) > 1.0e7) return std::nullopt;
    return static_cast<int>(pixels);
}

QString TwipsText(int pixels) { return QString::fromStdString(numeric::Text(double(pixels) * platform::kTwipsPerPixel)); }

}  // namespace

calculator::SavedOptions ReadSavedOptions(platform::RegistryStore& store) {
    return {ReadText(store, key::Output), ReadText(store, key::Square),  ReadText(store, key::Format),
            ReadText(store, key::Round),  ReadText(store, key::RoundOn), ReadText(store, key::ListCount)};
}

SavedPlace ReadSavedPlace(platform::RegistryStore& store) {
    return {Converted<int>(store, key::Top, PixelsOf), Converted<int>(store, key::Left, PixelsOf)};
}

bool ReadShowOptions(platform::RegistryStore& store) {
    return Converted<bool>(store, key::ShowOptions, [](const std::string& text) { return numeric::ToBoolean(text); })
        .value_or(false);
}

void WriteSettings(platform::RegistryStore& store, QPoint position, bool showOptions, const OutputOptions& options) {
    if (platform::CanPlaceWindows()) {  // else the saved place stays for a desktop that can apply it
        settings::Write(store, key::Top, TwipsText(position.y()));
        settings::Write(store, key::Left, TwipsText(position.x()));
    }
    settings::Write(store, key::ShowOptions, showOptions ? QStringLiteral("True") : QStringLiteral("False"));
    settings::Write(store, key::Output, options.output == 1 ? QStringLiteral("1") : QStringLiteral("0"));
    settings::Write(store, key::Format, QString::number(options.format));
    settings::Write(store, key::Round, QString::number(options.round));
    settings::Write(store, key::RoundOn, QString::number(options.round_on));
    settings::Write(store, key::Square, QString::number(options.square));
}

}  // namespace spanwright
