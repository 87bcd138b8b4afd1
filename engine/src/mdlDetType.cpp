// Which parser reads a dimension text.
#include "engine/mdlDetType.h"

namespace spanwright::mdlDetType {

std::int32_t DetType(std::string_view text) {
    return text.find('/') == std::string_view::npos ? 1 : 0;
}

}  // namespace spanwright::mdlDetType
