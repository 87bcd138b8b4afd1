#include "settings/saved_settings.h"

#include <cmath>
#include <limits>

#include "engine/errors.h"
#include "engine/numeric.h"
#include "platform/twips.h"

namespace spanwright::settings {
namespace {

// Each kind of value: Read gives the value of a text, or nothing when the
// text cannot be read (the field then keeps its default); Write its text.

// Main window edges: twips as a single-precision number, in whole pixels;
// nothing beyond any screen.
struct ScreenTwips {
    static std::optional<int> Read(const std::string& text) {
        const double pixels = std::round(double(numeric::Single(text)) / platform::kTwipsPerPixel);
        if (!std::isfinite(pixels) || std::abs(pixels) > 1.0e7) return std::nullopt;
        return static_cast<int>(pixels);
    }
    static std::string Write(int pixels) { return numeric::Text(double(platform::ToTwips(pixels))); }
};

// History and layout tools window edges: twips as a 16-bit whole number
// (half to even).
struct WholeTwips {
    static std::optional<int> Read(const std::string& text) { return platform::Twips(numeric::Whole16(text)); }
    static std::string Write(int pixels) { return std::to_string(platform::ToTwips(pixels)); }
};

// "True"/"False" in any letter case, or a number (non-zero is true).
struct Boolean {
    static std::optional<bool> Read(const std::string& text) { return numeric::ToBoolean(text); }
    static std::string Write(bool on) { return on ? "True" : "False"; }
};

// An option button's index: 1 is decimal, any other number fractional.
struct OutputButton {
    static std::optional<int> Read(const std::string& text) { return numeric::Whole16(text) == 1 ? 1 : 0; }
    static std::string Write(int output) { return output == 1 ? "1" : "0"; }
};

// A check box: 0 or 1; another number is not a value of the box.
struct CheckBox {
    static std::optional<bool> Read(const std::string& text) {
        const int value = numeric::Whole16(text);
        if (value != 0 && value != 1) return std::nullopt;
        return value == 1;
    }
    static std::string Write(bool on) { return on ? "1" : "0"; }
};

// A list position, 16-bit; whether it is in the list is the list's rule.
struct Position {
    static std::optional<int> Read(const std::string& text) { return numeric::Whole16(text); }
    static std::string Write(int position) { return std::to_string(position); }
};

// "RoundOn": zero, or a text that is no number, leaves the box as the
// output mode left it; otherwise the text as a 16-bit whole number is the
// box's value, and one that is neither 0 nor 1 (or beyond 16 bits) changes nothing.
using calculator::SavedRounding;
struct Rounding {
    static std::optional<SavedRounding> Read(const std::string& text) {
        try {
            if (numeric::Real(text) == 0) return SavedRounding::AsTheOutputLeavesIt;
        } catch (const NumberedError&) {
            return SavedRounding::AsTheOutputLeavesIt;
        }
        try {
            const int value = numeric::Whole16(text);
            return value == 0 ? SavedRounding::Off : value == 1 ? SavedRounding::On : SavedRounding::Unchanged;
        } catch (const NumberedError&) {
            return SavedRounding::Unchanged;
        }
    }
    static std::string Write(SavedRounding on) { return on == SavedRounding::On ? "1" : "0"; }
};

// The memory's capacity: a whole number from 1 up (25 and 25.0 alike);
// 0, negative numbers and fractions keep the default.
struct Capacity {
    static std::optional<std::size_t> Read(const std::string& text) {
        const double value = numeric::Real(text);
        if (value >= 1 && value == std::floor(value) && value <= std::numeric_limits<std::int32_t>::max())
            return static_cast<std::size_t>(value);
        return std::nullopt;
    }
    static std::string Write(std::size_t count) { return std::to_string(count); }
};

// Every setting, in the order shut-down writes them: name, field, kind,
// the window that writes it. A new setting is one field and one line here.
template <class S, class Visit>
void EachSetting(S& s, Visit&& visit) {
    visit("Top", s.top, ScreenTwips{}, Writer::MainWindow);
    visit("Left", s.left, ScreenTwips{}, Writer::MainWindow);
    visit("ShowOptions", s.showOptions, Boolean{}, Writer::MainWindow);
    visit("Output", s.output, OutputButton{}, Writer::MainWindow);
    visit("Format", s.format, Position{}, Writer::MainWindow);
    visit("Round", s.round, Position{}, Writer::MainWindow);
    visit("RoundOn", s.roundOn, Rounding{}, Writer::MainWindow);
    visit("Square", s.square, CheckBox{}, Writer::MainWindow);
    visit("ListCount", s.listCount, Capacity{}, Writer::Never);
    visit("HistTop", s.histTop, WholeTwips{}, Writer::HistoryWindow);
    visit("HistLeft", s.histLeft, WholeTwips{}, Writer::HistoryWindow);
    visit("LayoutTop", s.layoutTop, WholeTwips{}, Writer::LayoutWindow);
    visit("LayoutLeft", s.layoutLeft, WholeTwips{}, Writer::LayoutWindow);
}

template <class T>
const T* Present(const T& value) { return &value; }
template <class T>
const T* Present(const std::optional<T>& value) { return value ? &*value : nullptr; }

}  // namespace

std::optional<std::string> MapStore::Read(const std::string& name) {
    const auto found = values.find(name);
    if (found == values.end()) return std::nullopt;
    return found->second;
}

bool MapStore::Write(const std::string& name, const std::string& text) {
    values[name] = text;
    return true;
}

void SavedSettings::TakeOptions(const OutputOptions& options) {
    output = options.output;
    format = options.format;
    round = options.round;
    roundOn = options.round_on == 1 ? calculator::SavedRounding::On : calculator::SavedRounding::Off;
    square = options.square == 1;
}

SavedSettings Load(Store& store) {
    SavedSettings s;
    EachSetting(s, [&store](const char* name, auto& field, auto kind, Writer) {
        const std::optional<std::string> text = store.Read(name);
        if (!text || text->empty()) return;
        try {
            if (auto value = kind.Read(*text)) field = *value;
        } catch (const NumberedError&) {
        }
    });
    return s;
}

void Save(Store& store, const SavedSettings& settings, Writer writer) {
    EachSetting(settings, [&](const char* name, const auto& field, auto kind, Writer owner) {
        if (owner != writer || writer == Writer::Never) return;
        if (const auto* value = Present(field)) store.Write(name, kind.Write(*value));
    });
}

}  // namespace spanwright::settings
