#pragma once
// A saved window edge, in twips, read back as pixels (whether the window
// may go there is platform/screen_placement.h's rule).
//   SavedEdgePixels("3000")    -> 200       SavedEdgePixels(" 1522.5 ") -> 101 (1522 twips, half to even)
//   SavedEdgePixels("-450")    -> -30       SavedEdgePixels("")         -> nullopt
//   SavedEdgePixels("abc")     -> nullopt   SavedEdgePixels("40000")    -> nullopt (beyond 16 bits)
#include <QString>
#include <optional>

namespace spanwright::history {

// The text as a 16-bit whole number of twips (half to even), in pixels;
// nullopt when the text is not a number or does not fit 16 bits.
std::optional<int> SavedEdgePixels(const QString& text);

}  // namespace spanwright::history
