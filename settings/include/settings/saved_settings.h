#pragma once
// Every saved setting as one typed value: its name, its default, and the rule
// for a value that cannot be read (it keeps the default, as a missing or
// empty one does). The text is converted here and nowhere else.
//   nothing saved                        -> no place, panel hidden, fractional,
//                                           no format or rounding position,
//                                           rounding as the output leaves it, memory 10
//   "Top"=1500 "Left"=abc                -> top 100 (pixels), left nothing
//   "Output"=7                           -> output 0 (a value naming no button is fractional)
//   "ListCount"=0, 2.5 or abc            -> 10;  "ListCount"=25.0 -> 25
//   "RoundOn"=0 or abc -> AsTheOutputLeavesIt;  1 -> On;  0.4 -> Off;  5 -> Unchanged
//   "HistTop"=" 1522.5 "                 -> 101 (1522 twips, half to even)
// Save writes the values one window owns, each as the text it is read from:
//   top 100, left 200, panel shown       -> "Top" 1500, "Left" 3000, "ShowOptions" True
//   histTop nothing                      -> "HistTop" not written
//   layoutTop 100 (the layout tools)     -> "LayoutTop" 1500, as "HistTop" is
// "ListCount" is never written.
#include <map>
#include <optional>
#include <string>

#include "calculator/calculator.h"

namespace spanwright::settings {

// The text store the settings live in: a missing value is nothing.
class Store {
public:
    virtual ~Store() = default;
    virtual std::optional<std::string> Read(const std::string& name) = 0;
    // False when the value could not be stored; shut-down goes on regardless.
    virtual bool Write(const std::string& name, const std::string& text) = 0;
};

// A store in memory (tests).
class MapStore final : public Store {
public:
    MapStore() = default;
    explicit MapStore(std::map<std::string, std::string> initial) : values(std::move(initial)) {}
    std::optional<std::string> Read(const std::string& name) override;
    bool Write(const std::string& name, const std::string& text) override;

    std::map<std::string, std::string> values;
};

// The calculation's values (calculator::SavedOptions) and the windows'.
struct SavedSettings : calculator::SavedOptions {
    std::optional<int> top, left;          // the main window, in pixels
    bool showOptions = false;              // the options panel shown
    std::optional<int> histTop, histLeft;  // the history window, in pixels
    std::optional<int> layoutTop, layoutLeft;  // the layout tools window, in pixels

    // What shut-down saves of the options the calculator ends with.
    void TakeOptions(const OutputOptions& options);
};

// Which window's shut-down writes a value.
enum class Writer { Never, MainWindow, HistoryWindow, LayoutWindow };

SavedSettings Load(Store& store);
// Writes the values of writer, in the order shut-down writes them; a value
// that is nothing (a window with no position yet) is not written.
void Save(Store& store, const SavedSettings& settings, Writer writer);

}  // namespace spanwright::settings
