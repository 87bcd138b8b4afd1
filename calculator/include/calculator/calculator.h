#pragma once
// The calculator: the display, the running total and the pending operator,
// the keyboard map, the history tape, the memory and the output options.
// Every act returns what it raised (outcome.h); the rest is state, read
// after the act. No window, no globals, no exceptions.
//   Calculator c; c.Start({});
//   type 3 ' 4 F 1 / 2 " + 1 0 * 2 Enter -> Display() "8'5\"", Picture() 5,
//        Tape() "3'4-1/2\"\r\n+ 10\r\n= 4'2-1/2\"\r\n* 2\r\n= 8'5\""
//   8 / 0 Enter       -> message "Error 11: Division by zero.", Display() "0"
//   SetSquareUnits(true), 2 * 3 Enter -> Display() "6", SquareTag() "sqIn"
//   then * 4 Enter                    -> Display() "24", SquareTag() "cuIn", tape "= 24 cuIn"
//   1 0 0 0 m m Enter                 -> Display() "3'3-3/8\""
//   Store() on 5'     -> Memory() {"5'"};  Recall(1) puts 5' back as an operand
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "calculator/display_text.h"
#include "calculator/keys.h"
#include "calculator/outcome.h"
#include "engine/mdlDoMath.h"
#include "engine/options.h"

namespace spanwright::calculator {

// The saved rounding box as start-up applies it: set to Off or On, left
// Unchanged, or left as the output mode leaves it with the rounding handler
// run once, so that the rounding list follows the box.
enum class SavedRounding { AsTheOutputLeavesIt, Off, On, Unchanged };

// The saved values the calculation starts from, as the settings read them
// (settings/saved_settings.h converts the text).
//   {}                         -> fractional, "Feet and Inches", "1/16 Inch", memory 10
//   {.output = 1, .format = 3} -> decimal "Inches"
//   {.format = -1} or {.format = 9} -> outside the list: the fill's choice stays
struct SavedOptions {
    int output = 0;                 // 0 fractional, 1 decimal
    bool square = false;            // square units
    std::optional<int> format;      // format list position
    std::optional<int> round;       // rounding list position
    SavedRounding roundOn = SavedRounding::AsTheOutputLeavesIt;
    std::size_t listCount = 10;     // the memory's capacity, from 1 up
    bool decimalComma = false;      // the locale writes ",": metric entry reads "2,5m" too
};

// What the options panel shows beside the values in OutputOptions.
struct OptionsPanel {
    std::vector<std::string> formatItems;  // "None", "Feet and Inches", ...
    std::vector<std::string> roundItems;   // "1 Inch" ... "1/256 Inch", or "1" ... "1E-08"
    bool roundCheckEnabled = true;         // "Round to Nearest" (disabled when fractional)
    bool roundListEnabled = true;          // the rounding list (enabled when rounding is on)
    friend bool operator==(const OptionsPanel&, const OptionsPanel&) = default;
};

// The lists' items for an output mode (0 fractional, 1 decimal), as the
// panel fills them:
//   FormatItems(0, false) -> "None", "Feet and Inches", "Inches"
//   FormatItems(1, false) -> "None", "Feet and Inches", "Feet", "Inches",
//                            "Millimeters", "Centimeters", "Meters"
//   FormatItems(1, true)  -> "Square Feet", "Square Inches", "Square Yards", "Square Meters"
//   RoundItems(0) -> "1 Inch" ... "1/256 Inch";  RoundItems(1) -> "1", "0.1" ... "1E-08"
std::vector<std::string> FormatItems(int mode, bool square);
const std::vector<std::string>& RoundItems(int mode);

// The keys that act without the keyboard map when clicked.
enum class DirectKey { Feet, Inches, Fraction, Sign };

// The pending-operator picture: 0 at start, 1-4 the operator, 5 after
// equals or clear all.
inline constexpr int kNothingPendingPicture = 5;

class Calculator {
public:
    // Reads the clipboard's text, or nothing when it holds none; asked only
    // by Ctrl+V.
    using ClipboardReader = std::function<std::optional<std::string>()>;

    Calculator();

    // Start-up: display "0", the output options and the memory's capacity
    // from the saved values.
    Outcome Start(const SavedOptions& saved);

    // A key press with the keyboard table's code and Shift state (keys.h).
    // Every key first turns a square tag into its mark; the table's keys are
    // consumed, the others only get that first step.
    Outcome KeyDown(int code, int shift, const ClipboardReader& clipboard = {});
    // A click on the feet, inch, F or N button: the square carry-over, then
    // the button's own act (no history, no last line).
    Outcome Click(DirectKey key);
    // The AC button: the display and the tag empty, then Delete clears all.
    Outcome ClickClearAll();

    // The memory: Store keeps the display, dropping the oldest when full;
    // Recall(n) (1 = oldest) puts a stored text on the display as the next
    // operand; ClearMemory forgets them all.
    Outcome Store();
    Outcome Recall(std::size_t n);
    Outcome ClearMemory();
    // The Paste button: a text is the next operand; nothing changes nothing.
    Outcome Paste(const std::optional<std::string>& text);
    // The copy button: the display as it shows, without a square mark.
    Outcome Copy();
    // The history window's Clear.
    Outcome ClearHistory();

    // The options panel, one act per change; each runs the handlers the
    // change runs (re-evaluating the display like an Enter press).
    Outcome SelectOutput(int index);     // 0 fractional, 1 decimal
    Outcome SetSquareUnits(bool on);
    Outcome SetRounding(bool on);
    Outcome SelectFormat(int position);
    Outcome SelectRounding(int position);

    const std::string& Display() const { return display_.str(); }
    const std::string& SquareTag() const { return squareTag_; }
    int Picture() const { return picture_; }
    const std::string& Tape() const { return tape_; }
    const std::deque<std::string>& Memory() const { return memory_; }
    std::uint64_t MemoryRevision() const { return memoryRevision_; }
    std::size_t MemoryCapacity() const { return memoryCapacity_; }
    // Lives as long as the calculator: the stair calculator formats with it.
    const OutputOptions& Options() const { return options_; }
    const OptionsPanel& Panel() const { return panel_; }

private:
    template <class F>
    Outcome Act(F&& act);

    // key_map.cpp: one pass of the keyboard map.
    bool KeyPass(int code, int shift);
    void CarryOverSquareUnits();
    bool KeyLayoutTools(int);

    // entry_keys.cpp
    bool KeyDigit(int digit);
    bool KeyDot(int);
    bool KeyDirect(int which);
    bool KeyUnit(int letter);
    bool KeyBack(int);
    bool KeyDelete(int);
    void DotAct();
    void BackAct();
    void DeleteAct();
    void ClearAllAct();
    void DirectAct(DirectKey key);
    void AppendMark(char mark);
    void FractionAct();
    void SignAct();
    void StartNewOperand();

    // operator_keys.cpp
    bool KeyEnter(int);
    bool KeyOperator(int op);
    void OperatorAct(int op);
    void EqualsKey();
    void EqualsAct();
    bool ReShowArea();
    std::string Evaluate(int op);
    std::string ShowStep(const mdlDoMath::StepResult& step);
    std::string ResultLine() const;
    std::string ErrorLine() const;
    void AddToHistory(const std::string& text);
    void TapeAppend(const std::string& text);

    // memory.cpp
    bool KeyClipboard(int which);
    void PutOperand(const std::string& text);

    // options.cpp
    void StartUp(const SavedOptions& saved);
    void OutputChanged(int index);
    void FillFormatList(int mode);
    void SquareChanged();
    void RoundingChanged();
    void FormatChanged();
    void SetFormatPosition(int position);
    void SetRoundPosition(int position);
    void SetRoundCheck(bool on);
    void SetSquareCheck(bool on);
    void SetOutput(int index);

    DisplayText display_;  // counts its characters and marks as it changes
    std::string squareTag_;
    int picture_ = 0;
    units::Quantity runningTotal_;
    int pendingOperator_ = 0;

    bool newExpression_ = false;  // the next entry key starts a new operand
    bool inKeyDown_ = false;      // inside a pass of the keyboard map
    bool fractionBegun_ = false;  // the divide key types the fraction bar
    bool operatorLast_ = false;   // the last key was an operator
    int historyState_ = 0;        // 0 in an expression, 1 after a result, 2 after clr
    bool newOperand_ = false;     // the display was keyed since the last result
    std::string carriedTag_;      // the square tag this key pass turned into a mark
    std::string shiftCarriedTag_; // the one a Shift key-down turned, for the key it is held for
    int lastError_ = 0;           // the error number of the last failed evaluation

    std::string tape_;
    std::deque<std::string> memory_;
    std::uint64_t memoryRevision_ = 0;
    std::size_t memoryCapacity_ = 10;

    OutputOptions options_;
    OptionsPanel panel_;

    Outcome outcome_;  // what the act in progress has raised
    const ClipboardReader* clipboard_ = nullptr;  // the key press's, for Ctrl+V
};

}  // namespace spanwright::calculator
