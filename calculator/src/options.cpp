// The output options: the links between output mode, format list, rounding
// list and the two check boxes, and start-up from the saved values. A
// change runs the handlers it runs in the window, nested, each once.
//   fractional "Inches" (2) -> decimal: "Inches" (3); decimal "Feet" (2) ->
//   fractional: "Feet and Inches" (1); rounding position 6 keeps 6 (1/64
//   Inch <-> 1E-06); fractional always has rounding on, its box disabled.
#include "calculator/calculator.h"
#include "engine/numeric.h"

namespace spanwright::calculator {
namespace {

// "1 Inch", "1/2 Inch", ... "1/256 Inch".
std::vector<std::string> FractionalSteps() {
    std::vector<std::string> items{"1 Inch"};
    for (int k = 1; k <= 8; ++k) items.push_back("1/" + std::to_string(1 << k) + " Inch");
    return items;
}

// "1", "0.1", "0.01", "0.001", "0.0001", "1E-05" ... "1E-08": each text
// re-read before the next tenth, so the values stay exact powers of ten.
std::vector<std::string> DecimalSteps() {
    std::vector<std::string> items{"1"};
    std::string step = numeric::Text(0.1);
    while (numeric::Real(step) != 1e-9 && items.size() < 9) {
        items.push_back(step);
        step = numeric::Text(numeric::Real(step) * 0.1);
    }
    return items;
}

// Where the format list lands after a refill, from its previous position p.
int FormatPositionAfterFill(int mode, bool square, int p) {
    if (!square) {
        if (p == -1) return 1;
        if (mode == 1 && p == 2) return 3;
        if (mode == 0 && p == 3) return 2;
        if (mode == 0 && p == 2) return 1;
        if (mode == 0 && p >= 4) return 1;  // a metric item: "Feet and Inches"
        return p;
    }
    if (p == -1) return 1;
    if (mode == 1 && p == 0) return 1;
    return 0;
}

// A list position as a list takes it: outside the items, nothing is selected.
int InList(int position, const std::vector<std::string>& items) {
    return position >= 0 && position < static_cast<int>(items.size()) ? position : -1;
}

}  // namespace

const std::vector<std::string>& RoundItems(int mode) {
    static const std::vector<std::string> fractional = FractionalSteps();
    static const std::vector<std::string> decimal = DecimalSteps();
    return mode == 0 ? fractional : decimal;
}

std::vector<std::string> FormatItems(int mode, bool square) {
    if (square) return mode == 0 ? std::vector<std::string>{"Square Inches"}
                                 : std::vector<std::string>{"Square Feet", "Square Inches", "Square Yards", "Square Meters"};
    if (mode == 0) return {"None", "Feet and Inches", "Inches"};
    return {"None", "Feet and Inches", "Feet", "Inches", "Millimeters", "Centimeters", "Meters"};
}

void Calculator::StartUp(const SavedOptions& saved) {
    display_ = "0";
    newExpression_ = true;
    options_.decimalComma = saved.decimalComma;

    // An output naming neither button would leave every result blank for
    // the whole run: fractional, as at a first run.
    SetOutput(saved.output == 1 ? 1 : 0);
    SetSquareCheck(saved.square);
    // A position outside the list, -1 ("nothing selected") too, is not
    // applied: the fill's choice stands, and that is what shut-down saves.
    const auto inList = [](const std::optional<int>& p, const std::vector<std::string>& items) {
        return p && *p >= 0 && *p < static_cast<int>(items.size());
    };
    if (inList(saved.format, panel_.formatItems)) SetFormatPosition(*saved.format);
    if (inList(saved.round, panel_.roundItems)) SetRoundPosition(*saved.round);

    switch (saved.roundOn) {
        case SavedRounding::AsTheOutputLeavesIt: RoundingChanged(); break;
        case SavedRounding::Off: SetRoundCheck(false); break;
        case SavedRounding::On: SetRoundCheck(true); break;
        case SavedRounding::Unchanged: break;
    }

    memoryCapacity_ = saved.listCount >= 1 ? saved.listCount : 10;
}

// Setting a control from code runs its handler once when its value changes.
void Calculator::SetOutput(int index) {
    if (options_.output == index) return;
    options_.output = index;
    OutputChanged(index);
}

void Calculator::SetSquareCheck(bool on) {
    if ((options_.square == 1) == on) return;
    options_.square = on ? 1 : 0;
    SquareChanged();
}

void Calculator::SetRoundCheck(bool on) {
    if ((options_.round_on == 1) == on) return;
    options_.round_on = on ? 1 : 0;
    RoundingChanged();
}

void Calculator::SetFormatPosition(int position) {
    position = InList(position, panel_.formatItems);
    if (options_.format == position) return;
    options_.format = position;
    FormatChanged();
}

// The rounding list has no handler: a new step counts from the next evaluation.
void Calculator::SetRoundPosition(int position) { options_.round = InList(position, panel_.roundItems); }

// The rounding list keeps its position across a mode change (1/16 Inch
// becomes 0.0001 and back); the format list is refilled; a shown result is
// shown again in the new form.
void Calculator::OutputChanged(int index) {
    const int remembered = options_.round;
    panel_.roundItems = RoundItems(index == 0 ? 0 : 1);
    options_.round = -1;
    SetRoundPosition(remembered == -1 ? 4 : remembered);
    FillFormatList(index);
    if (display_ != "0") EqualsKey();
    if (index != 0) {
        panel_.roundCheckEnabled = true;
    } else {
        SetRoundCheck(true);
        panel_.roundCheckEnabled = false;
    }
}

// Straight to the final position: one handler run, one re-evaluation.
void Calculator::FillFormatList(int mode) {
    const int p = options_.format;
    const bool square = options_.square == 1;
    panel_.formatItems = FormatItems(mode, square);
    options_.format = -1;
    int position = FormatPositionAfterFill(mode, square, p);
    if (position < 0 || position >= static_cast<int>(panel_.formatItems.size())) position = square ? 0 : 1;
    SetFormatPosition(position);
}

void Calculator::SquareChanged() {
    OutputChanged(options_.output == 0 ? 0 : 1);
    display_ = "0";
}

void Calculator::RoundingChanged() {
    panel_.roundListEnabled = options_.round_on == 1;
    if (panel_.roundListEnabled && display_ != "0") EqualsKey();
}

void Calculator::FormatChanged() {
    if (display_ != "0") EqualsKey();
}

}  // namespace spanwright::calculator
