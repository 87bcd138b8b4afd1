#include "main_window/saved_options.h"

#include "settings/settings.h"

namespace spanwright {
calculator::SavedOptions ReadSavedOptions(platform::RegistryStore& store) {
    namespace key = settings::key;
    using settings::ReadText;
    return {ReadText(store, key::Output), ReadText(store, key::Square),  ReadText(store, key::Format),
            ReadText(store, key::Round),  ReadText(store, key::RoundOn), ReadText(store, key::ListCount)};
}

}  // namespace spanwright
