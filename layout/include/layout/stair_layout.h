#pragma once
// A straight stair from its total rise: the number of risers (the fewest
// whose height is within the building code's maximum, or a forced count),
// the riser height exact and as cut at the output rounding, the treads
// (risers - 1), the tread depth (typed, from the total run, or the code's
// minimum), the total run, the stringer's diagonal sqrt(rise^2 + run^2), the
// angle atan(riser / tread), what the cut risers add up to, and one line
// per code limit, passed or failed with the numbers.
//   rise 9', tread 10", IRC -> 14 risers, riser 7-11/16" (7.714"), 13 treads,
//       run 10'10", diagonal 14'1", angle 37.65,
//       "14 risers at 7-11/16" make 8'11-5/8", 3/8" short",
//       check riser pass 7.714 <= 7.75, check tread pass 10 >= 10
//   the same, risers 13     -> riser 8-5/16" (8.308"), check riser fail 8.308 > 7.75
//   rise 9', IBC            -> 16 risers @ 6-3/4", tread 11", 15 treads, run 13'9"
//   code None, no risers    -> "Risers: give a count when no code is chosen."
#include <string>

#include "engine/options.h"
#include "layout/layout_outcome.h"

namespace spanwright::layout {

enum class BuildingCode { Irc, Ibc, None };

// The fields as typed; an empty or blank one is not given. Tread depth and
// total run are one or the other.
struct StairFields {
    std::string totalRise, treadDepth, totalRun, risers;
    BuildingCode code = BuildingCode::Irc;
};

// The most risers a stair may have (a forced count beyond it is refused).
inline constexpr int kMostRisers = 32767;

LayoutOutcome LayOutStair(const StairFields& fields, const OutputOptions& options);

// The code choice's captions, in the window's order: "IRC (residential)",
// "IBC (commercial)", "None".
const char* CodeCaption(BuildingCode code);

}  // namespace spanwright::layout
