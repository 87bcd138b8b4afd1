#pragma once
// Which parser reads a dimension text.
//   DetType("3'4-1/2\"") -> 0 (has a fraction bar: ParseFraction)
//   DetType("12.75\"")   -> 1 (ParsePlain)
#include <cstdint>
#include <string_view>

namespace spanwright::mdlDetType {

std::int32_t DetType(std::string_view text);

}  // namespace spanwright::mdlDetType
