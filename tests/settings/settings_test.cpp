// Each saved name read from text (defaults, values that cannot be read) and
// written back, through a store in memory.
#include <cctype>
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

#include "settings/saved_settings.h"

namespace spanwright::settings {
namespace {

using calculator::SavedRounding;

std::string Shown(const std::optional<int>& v) { return v ? std::to_string(*v) : "nothing"; }

// The loaded field a row looks at, as text.
std::string Field(const SavedSettings& s, const std::string& name) {
    if (name == "Top") return Shown(s.top);
    if (name == "Left") return Shown(s.left);
    if (name == "ShowOptions") return s.showOptions ? "true" : "false";
    if (name == "Output") return std::to_string(s.output);
    if (name == "Square") return s.square ? "true" : "false";
    if (name == "Format") return Shown(s.format);
    if (name == "Round") return Shown(s.round);
    if (name == "RoundOn") {
        const char* kinds[] = {"as the output leaves it", "off", "on", "unchanged"};
        return kinds[static_cast<int>(s.roundOn)];
    }
    if (name == "ListCount") return std::to_string(s.listCount);
    if (name == "HistTop") return Shown(s.histTop);
    if (name == "HistLeft") return Shown(s.histLeft);
    if (name == "LayoutTop") return Shown(s.layoutTop);
    if (name == "LayoutLeft") return Shown(s.layoutLeft);
    ADD_FAILURE() << "no setting " << name;
    return {};
}

struct LoadRow {
    const char* name;
    std::optional<std::string> text;  // nothing: not in the store
    const char* loaded;
};

// What a test listing prints for a row (not its bytes).
void PrintTo(const LoadRow& row, std::ostream* os) { *os << row.name << " = " << row.text.value_or("(missing)"); }

class LoadTest : public testing::TestWithParam<LoadRow> {};

// A row's words as a test name: "the history window's edges" -> the_history_window_s_edges.
std::string Identifier(std::string words) {
    for (char& c : words)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return words;
}

TEST_P(LoadTest, ReadsTheTextAsTheProgramDoes) {
    const LoadRow& row = GetParam();
    MapStore store;
    if (row.text) store.Write(row.name, *row.text);
    EXPECT_EQ(Field(Load(store), row.name), row.loaded) << row.name << " = '" << row.text.value_or("(missing)") << "'";
}

const LoadRow kLoadRows[] = {
    {"Top", std::nullopt, "nothing"},
    {"Top", "1500", "100"},
    {"Top", "1522.5", "102"},
    {"Top", "-450", "-30"},
    {"Top", "abc", "nothing"},
    {"Top", "", "nothing"},
    {"Top", "1E+30", "nothing"},  // beyond any screen
    {"Top", "1E+40", "nothing"},  // beyond a single-precision number
    {"Left", "3000", "200"},
    {"ShowOptions", std::nullopt, "false"},
    {"ShowOptions", "tRUE", "true"},
    {"ShowOptions", "False", "false"},
    {"ShowOptions", "2.5", "true"},
    {"ShowOptions", "yes", "false"},
    {"Output", std::nullopt, "0"},
    {"Output", "1", "1"},
    {"Output", "0", "0"},
    {"Output", "7", "0"},
    {"Output", "1.4", "1"},
    {"Output", "x", "0"},
    {"Square", "1", "true"},
    {"Square", "2", "false"},
    {"Square", "x", "false"},
    {"Format", std::nullopt, "nothing"},
    {"Format", "3", "3"},
    {"Format", "-1", "-1"},  // the list's rule, not the store's: outside the list
    {"Format", "40000", "nothing"},
    {"Round", "2.5", "2"},
    {"Round", "abc", "nothing"},
    {"RoundOn", std::nullopt, "as the output leaves it"},
    {"RoundOn", "0", "as the output leaves it"},
    {"RoundOn", "abc", "as the output leaves it"},
    {"RoundOn", "1", "on"},
    {"RoundOn", "0.4", "off"},
    {"RoundOn", "5", "unchanged"},
    {"RoundOn", "1E+9", "unchanged"},
    {"ListCount", std::nullopt, "10"},
    {"ListCount", "25", "25"},
    {"ListCount", "25.0", "25"},
    {"ListCount", "0", "10"},
    {"ListCount", "-3", "10"},
    {"ListCount", "2.5", "10"},
    {"ListCount", "abc", "10"},
    {"ListCount", "2147483647", "2147483647"},
    {"ListCount", "2147483648", "10"},
    {"HistTop", " 1522.5 ", "101"},
    {"HistTop", "-450", "-30"},
    {"HistTop", "40000", "nothing"},
    {"HistLeft", "abc", "nothing"},
    {"HistLeft", "3000", "200"},
    {"LayoutTop", "-450", "-30"},
    {"LayoutLeft", "40000", "nothing"},
};
INSTANTIATE_TEST_SUITE_P(Names, LoadTest, testing::ValuesIn(kLoadRows), [](const auto& info) {
    return Identifier(std::string(info.param.name) + "_" + info.param.text.value_or("missing")) + "_" +
           std::to_string(info.index);
});

struct SaveRow {
    const char* what;
    std::function<void(SavedSettings&)> set;
    Writer writer;
    std::map<std::string, std::string> written;
};

void PrintTo(const SaveRow& row, std::ostream* os) { *os << row.what; }

class SaveTest : public testing::TestWithParam<SaveRow> {};

TEST_P(SaveTest, WritesTheWindowsValues) {
    const SaveRow& row = GetParam();
    SavedSettings s;
    row.set(s);
    MapStore store;
    Save(store, s, row.writer);
    EXPECT_EQ(store.values, row.written) << row.what;
}

const SaveRow kSaveRows[] = {
    {"the main window's shut-down",
     [](SavedSettings& s) {
         s.top = 100, s.left = -30, s.showOptions = true, s.histTop = 5, s.listCount = 25;
         s.TakeOptions(OutputOptions{.output = 1, .format = 3, .square = 1, .round_on = 0, .round = 2});
     },
     Writer::MainWindow,
     {{"Top", "1500"}, {"Left", "-450"}, {"ShowOptions", "True"}, {"Output", "1"}, {"Format", "3"},
      {"Round", "2"}, {"RoundOn", "0"}, {"Square", "1"}}},
    {"nothing selected is written as -1",
     [](SavedSettings& s) { s.TakeOptions(OutputOptions{.output = 0, .format = -1, .square = 0, .round_on = 1, .round = -1}); },
     Writer::MainWindow,
     {{"ShowOptions", "False"}, {"Output", "0"}, {"Format", "-1"}, {"Round", "-1"}, {"RoundOn", "1"}, {"Square", "0"}}},
    {"the history window's edges", [](SavedSettings& s) { s.histTop = 200, s.histLeft = -30, s.top = 1; },
     Writer::HistoryWindow, {{"HistTop", "3000"}, {"HistLeft", "-450"}}},
    {"the layout tools window's edges", [](SavedSettings& s) { s.layoutTop = 200, s.layoutLeft = -30, s.histTop = 1; },
     Writer::LayoutWindow, {{"LayoutTop", "3000"}, {"LayoutLeft", "-450"}}},
    {"a window with no position writes none", [](SavedSettings&) {}, Writer::HistoryWindow, {}},
    {"ListCount is never written", [](SavedSettings& s) { s.listCount = 3; }, Writer::Never, {}},
};
INSTANTIATE_TEST_SUITE_P(Writers, SaveTest, testing::ValuesIn(kSaveRows),
                         [](const auto& info) { return Identifier(info.param.what); });

// What shut-down writes reads back as the same values.
TEST(SavedSettingsTest, WhatIsSavedLoadsAgain) {
    SavedSettings s;
    s.top = 123, s.left = -7, s.showOptions = true, s.histTop = 40, s.histLeft = 0;
    s.layoutTop = 7, s.layoutLeft = 9;
    s.TakeOptions(OutputOptions{.output = 1, .format = 2, .square = 1, .round_on = 1, .round = 8});
    MapStore store;
    Save(store, s, Writer::MainWindow);
    Save(store, s, Writer::HistoryWindow);
    Save(store, s, Writer::LayoutWindow);
    const SavedSettings back = Load(store);
    for (const char* name : {"Top", "Left", "ShowOptions", "Output", "Square", "Format", "Round", "RoundOn",
                             "ListCount", "HistTop", "HistLeft", "LayoutTop", "LayoutLeft"})
        EXPECT_EQ(Field(back, name), Field(s, name)) << name;
}

}  // namespace
}  // namespace spanwright::settings
