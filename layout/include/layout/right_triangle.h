#pragma once
// The right triangle: any two of rise, run, diagonal, pitch (inches of rise
// per 12 of run) and angle (degrees), at most one of pitch and angle, give
// all five. Lengths are read as the display reads them; results are written
// with the main window's output options, the pitch as "N/12" and the angle
// to 2 places.
//   run 12', pitch 4      -> rise 4'0", run 12'0", diagonal 12'7-13/16",
//                            pitch 4/12, angle 18.43
//   rise 30', run 40'     -> diagonal 50'0", pitch 9/12, angle 36.87
//   rise 6", run 12"      -> diagonal 1'1-7/16", pitch 6/12, angle 26.57
//   pitch "4/12" or "4"   -> the same pitch;  angle 45, run 10" -> rise 0'10"
//   rise 5, diagonal 5    -> "The diagonal must be longer than the rise."
//   angle 90              -> "Angle: must be more than 0 and less than 90 degrees."
//   three fields or none  -> "Enter two of Rise, Run, Diagonal, Pitch and Angle."
#include <string>

#include "engine/options.h"
#include "layout/layout_outcome.h"

namespace spanwright::layout {

// The five fields as typed; an empty or blank one is not given.
struct TriangleFields {
    std::string rise, run, diagonal, pitch, angle;
};

LayoutOutcome SolveTriangle(const TriangleFields& fields, const OutputOptions& options);

}  // namespace spanwright::layout
