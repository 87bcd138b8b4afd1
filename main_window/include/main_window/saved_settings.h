#pragma once
// The saved settings: what start-up reads (the calculation's options, which
// the window and the command line read alike, and the window's place and
// panel) and what shut-down writes.
//   "Output"=1, "ListCount"=25, no "Format" -> {output "1", listCount "25", format nothing}
//   "Top"=1500, "Left"=abc                  -> place {top 100, left nothing}
//   shut-down at (200, 100), panel shown     -> "Top" 1500, "Left" 3000, "ShowOptions" True, ...
#include <QPoint>
#include <optional>

#include "calculator/calculator.h"

namespace spanwright::platform {
class RegistryStore;
}

namespace spanwright {

calculator::SavedOptions ReadSavedOptions(platform::RegistryStore& store);

// "Top" and "Left" in twips, as pixels; nothing for a value that is missing,
// not a number, or beyond any screen.
struct SavedPlace {
    std::optional<int> top;
    std::optional<int> left;
};
SavedPlace ReadSavedPlace(platform::RegistryStore& store);
// "ShowOptions", False when missing or unreadable.
bool ReadShowOptions(platform::RegistryStore& store);

// Writes "Top", "Left", "ShowOptions", "Output", "Format", "Round",
// "RoundOn" and "Square", in that order; "Top" and "Left" only where the
// platform can place windows (on Wayland the saved ones stay as they were).
// A store that cannot be written loses these values and nothing else.
void WriteSettings(platform::RegistryStore& store, QPoint position, bool showOptions, const OutputOptions& options);

}  // namespace spanwright
