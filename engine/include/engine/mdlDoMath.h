#pragma once
// One step of the running calculation: apply the pending operator to the
// running total with the operand text, keep the new total, return it written
// in the current output form. Every failure is reported here, once, through
// the host: a message, a clear-all, and "0" returned.
//   total 0, op 0, "3'4-1/2\"" -> "3'4-1/2\"" (total 40.5)
//   then op 1, "10"            -> "4'2-1/2\"" (total 50.5)
//   then op 3, "2"             -> "8'5\""     (total 101)
//   op 4, "0"                  -> "0", host told Error 11, host cleared all
#include <cstdint>
#include <string>

#include "engine/options.h"

namespace spanwright::mdlDoMath {

// The running total in inches (square inches after a product).
extern double dblTotal;

std::string DoMath(const std::string& text, const std::int32_t& op,
                   const OutputOptions& options, CalculatorHost& host);

}  // namespace spanwright::mdlDoMath
