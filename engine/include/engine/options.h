#pragma once
// The two small interfaces through which the engine reaches the main window.
// The formatter and DoMath read the output options afresh at every call; the
// main window implements both, tests use plain structs.
#include <string>

namespace spanwright {

class OutputOptions {
public:
    virtual ~OutputOptions() = default;
    virtual bool FractionalSelected() const = 0;  // optOutput element 0
    virtual bool DecimalSelected() const = 0;     // optOutput element 1
    virtual int FormatPosition() const = 0;       // cmbFormat position, -1 none
    virtual int SquareValue() const = 0;          // chkSquare value (1 checked)
    virtual int RoundValue() const = 0;           // chkRound value (1 checked)
    virtual int RoundPosition() const = 0;        // cmbRound position, -1 none
};

class CalculatorHost {
public:
    virtual ~CalculatorHost() = default;
    // Caption of lblSquare: "sqFt" or "sqIn" after a product in square units.
    virtual void SetSquareTag(const std::string& tag) = 0;
    // Shows "Error N: description" (critical icon, OK, "Spanwright").
    virtual void ReportError(int number, const std::string& description) = 0;
    // cmdAC_Click: display "0", nothing pending, total 0.
    virtual void ClearAll() = 0;
};

// Output options held as plain values, for tests and tools.
struct PlainOptions final : OutputOptions {
    int output = 0;        // 0 fractional, 1 decimal, anything else: neither
    int format = 1;
    int square = 0;
    int round_on = 1;
    int round = 4;
    bool FractionalSelected() const override { return output == 0; }
    bool DecimalSelected() const override { return output == 1; }
    int FormatPosition() const override { return format; }
    int SquareValue() const override { return square; }
    int RoundValue() const override { return round_on; }
    int RoundPosition() const override { return round; }
};

}  // namespace spanwright
