// The calculator's acts: each starts a fresh outcome, runs the handlers the
// act runs, and returns what they raised.
#include "calculator/calculator.h"

#include <utility>

namespace spanwright::calculator {

Calculator::Calculator() {
    // The options panel before start-up: no output chosen, empty lists.
    options_ = OutputOptions{.output = -1, .format = -1, .square = 0, .round_on = 0, .round = -1};
    display_ = "0";
}

template <class F>
Outcome Calculator::Act(F&& act) {
    outcome_ = Outcome{};
    act();
    return std::exchange(outcome_, Outcome{});
}

Outcome Calculator::KeyDown(int code, int shift, const ClipboardReader& clipboard) {
    return Act([&] {
        clipboard_ = &clipboard;
        outcome_.consumed = KeyPass(code, shift);
        clipboard_ = nullptr;
    });
}

Outcome Calculator::Click(DirectKey key) {
    return Act([&] { DirectAct(key); });
}

// The display and the tag empty together, so the Delete handed to the map
// always finds an empty display and clears all, even under a square tag.
Outcome Calculator::ClickClearAll() {
    return Act([&] {
        display_.clear();
        squareTag_.clear();
        shiftCarriedTag_.clear();
        KeyPass(keys::kDelete, 0);
    });
}

Outcome Calculator::Store() {
    return Act([&] {
        if (memory_.size() >= memoryCapacity_) memory_.pop_front();
        // A cubic, square-yard or square-meter result keeps its tag, so a
        // recall reads it back as the same quantity: "40 cuFt".
        memory_.push_back(units::WrittenWithNumber(squareTag_) ? display_.str() + " " + squareTag_ : display_.str());
        ++memoryRevision_;
    });
}

Outcome Calculator::Recall(std::size_t n) {
    return Act([&] {
        if (n >= 1 && n <= memory_.size()) PutOperand(memory_[n - 1]);
    });
}

Outcome Calculator::ClearMemory() {
    return Act([&] {
        memory_.clear();
        ++memoryRevision_;
    });
}

Outcome Calculator::Paste(const std::optional<std::string>& text) {
    return Act([&] {
        if (text) PutOperand(*text);
    });
}

Outcome Calculator::Copy() {
    return Act([&] { outcome_.clipboard = display_.str(); });
}

Outcome Calculator::ClearHistory() {
    return Act([&] {
        tape_.clear();
        outcome_.tapeEdits.push_back({TapeEdit::Kind::Clear, {}});
    });
}

Outcome Calculator::Start(const SavedOptions& saved) {
    return Act([&] { StartUp(saved); });
}

Outcome Calculator::SelectOutput(int index) {
    return Act([&] { SetOutput(index); });
}

Outcome Calculator::SetSquareUnits(bool on) {
    return Act([&] { SetSquareCheck(on); });
}

// A disabled check box cannot be changed: fractional output always rounds.
Outcome Calculator::SetRounding(bool on) {
    return Act([&] {
        if (panel_.roundCheckEnabled) SetRoundCheck(on);
    });
}

Outcome Calculator::SelectFormat(int position) {
    return Act([&] { SetFormatPosition(position); });
}

Outcome Calculator::SelectRounding(int position) {
    return Act([&] { SetRoundPosition(position); });
}

}  // namespace spanwright::calculator
