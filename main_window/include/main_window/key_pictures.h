#pragma once
// The pictures on the keys that show one instead of a caption, 17 by 17 on
// a transparent ground, drawn at any pixel ratio.
//   KeyIcon(KeyPicture::Add) -> the blue plus of the add key
#include <QIcon>
#include <QSize>

namespace spanwright {

enum class KeyPicture {
    Neg,        // black minus, slash, plus
    Divide,     // blue slash
    Multiply,   // blue x
    Subtract,   // blue minus
    Add,        // blue plus
    Feet,       // black x with a red single prime
    Inches,     // black x with a red double prime
    Fraction,   // black x, red slash, black y
    Equals,     // blue equals sign
    Back,       // black dotted arrow pointing right
    Paste,      // a clipboard with a sheet
    Clipboard,  // two overlapping sheets
    Layout,     // a right triangle with its square corner marked
};

inline constexpr QSize kKeyPictureSize{17, 17};

QIcon KeyIcon(KeyPicture picture);

}  // namespace spanwright
