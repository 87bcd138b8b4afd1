#pragma once
// The saved settings the calculation starts from, read from the settings
// store; the window and the command line read them alike.
//   "Output"=1, "ListCount"=25, no "Format" -> {output "1", listCount "25", format nothing}
#include "calculator/calculator.h"

namespace spanwright::platform {
class RegistryStore;
}

namespace spanwright {

calculator::SavedOptions ReadSavedOptions(platform::RegistryStore& store);

}  // namespace spanwright
