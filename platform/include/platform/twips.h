#pragma once
// Twips (1/1440 inch) to logical pixels: 15 twips are one pixel at 96 dpi,
// and Qt scales logical pixels for high-dpi screens.
//   Twips(4470) -> 298    Twips(345) -> 23    TwipsRect(60, 60, 345, 330) -> (4, 4, 23, 22)
//   ToTwips(298) -> 4470
#include <QRect>
#include <cmath>

namespace spanwright::platform {

inline constexpr int kTwipsPerPixel = 15;

constexpr int Twips(int twips) { return static_cast<int>(twips >= 0 ? (twips + 7) / kTwipsPerPixel : -((-twips + 7) / kTwipsPerPixel)); }
constexpr int ToTwips(int pixels) { return pixels * kTwipsPerPixel; }
inline QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(Twips(left), Twips(top), Twips(width), Twips(height));
}

}  // namespace spanwright::platform
