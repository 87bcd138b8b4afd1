#pragma once
// A saved window edge, in twips, read back as pixels; and whether a window
// at a given place could still be seen.
//   SavedEdgePixels("3000")    -> 200       SavedEdgePixels(" 1522.5 ") -> 101 (1522 twips, half to even)
//   SavedEdgePixels("-450")    -> -30       SavedEdgePixels("")         -> nullopt
//   SavedEdgePixels("abc")     -> nullopt   SavedEdgePixels("40000")    -> nullopt (beyond 16 bits)
//   ShowsOnAScreen({100, 200, 240, 360}, {{0, 0, 800, 600}})   -> true
//   ShowsOnAScreen({2000, 200, 240, 360}, {{0, 0, 800, 600}})  -> false
//   ShowsOnAScreen({790, 200, 240, 360}, {{0, 0, 800, 600}})   -> false (10 px show: too little to grab)
#include <QList>
#include <QRect>
#include <QString>
#include <optional>

namespace spanwright::history {

// The text as a 16-bit whole number of twips (half to even), in pixels;
// nullopt when the text is not a number or does not fit 16 bits.
std::optional<int> SavedEdgePixels(const QString& text);

// True when at least kGrabPixels by kGrabPixels of window lie on one of the
// screens (or all of it, when the window is smaller than that).
inline constexpr int kGrabPixels = 32;
bool ShowsOnAScreen(const QRect& window, const QList<QRect>& screens);

}  // namespace spanwright::history
