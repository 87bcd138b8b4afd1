#pragma once
// The output options every formatting call reads, as plain values: the
// calculator core keeps them, the stair calculator reads the same ones.
//   OutputOptions{}                       fractional, "Feet and Inches", 1/16 Inch
//   OutputOptions{.output = 1, .round = 2} decimal, 2 places
//   OutputOptions{.output = 1, .format = 4} decimal "Millimeters" (5 "Centimeters", 6 "Meters");
//   with square units, decimal 2 "Square Yards", 3 "Square Meters"
namespace spanwright {

struct OutputOptions {
    int output = 0;    // 0 fractional, 1 decimal, anything else: neither (results format as "")
    int format = 1;    // format list position, -1 none
    int square = 0;    // square units (1 on)
    int round_on = 1;  // rounding (1 on)
    int round = 4;     // rounding list position, -1 none
    bool decimalComma = false;  // the locale writes "," for the point: metric entry reads it too

    bool FractionalSelected() const { return output == 0; }
    bool DecimalSelected() const { return output == 1; }
    int FormatPosition() const { return format; }
    int SquareValue() const { return square; }
    int RoundValue() const { return round_on; }
    int RoundPosition() const { return round; }

    friend bool operator==(const OutputOptions&, const OutputOptions&) = default;
};

}  // namespace spanwright
