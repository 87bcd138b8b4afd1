#pragma once
// The calculator's main window, a view over the calculator core: it builds
// the controls, hands every key and click to the core, shows the messages
// an act raised, then mirrors the core's state. It keeps only what is its
// own: the panel's and the history window's visibility, the settings
// store, the menu, the stair calculator's values.
//   frmMain w; w.Form_Load();   first run: lblDisplay "0", fractional,
//     "Feet and Inches", "1/16 Inch", chkRound checked and disabled, short
//   w.cmdOptions_Click()        -> tall window, "Hide Options"
//   w.close()                   -> the settings written
#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "calculator/calculator.h"
#include "main_window/frmMain_controls.h"
#include "stair/stair_calc.h"

namespace spanwright::settings {
class Store;
struct SavedSettings;
}  // namespace spanwright::settings

namespace spanwright::stair {
class StairOpener;
}  // namespace spanwright::stair

namespace spanwright::layout {
class LayoutOpener;
}  // namespace spanwright::layout

namespace spanwright {

class frmHistory;

class frmMain : public QWidget, private frmMainControls {
public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // What a test reads: the controls (frmMain_controls.h) and the window's
    // own state. Nothing is written through it; tests act by keys, clicks
    // and handlers.
    struct TestView {
        const frmMainControls& controls;
        bool blnShowOptions;
        bool blnHistVisible;
        const stair::StairVariables& stairVars;
    };
    TestView ForTest() const { return {*this, blnShowOptions, blnHistVisible, stairVars}; }

    // The calculation, read by tests and by the stair calculator's options.
    const calculator::Calculator& Core() const { return core_; }

    // Life cycle (frmMain_lifecycle.cpp).
    void Form_Load();
    void Form_Resize();
    void Form_Unload();

    // Keys and clicks that pass the keyboard map (frmMain_keys.cpp); a click
    // hands the key it stands for. Form_KeyDown tells whether the key is one
    // of the map's: the event filter consumes those and lets the others go on.
    bool Form_KeyDown(int KeyCode, int Shift);
    void cmdNum_Click(std::int16_t Index);
    void cmdDot_Click();
    void cmdBack_Click();
    void cmdDelete_Click();
    void cmdAC_Click();
    void cmdAdd_Click();
    void cmdSubtract_Click();
    void cmdMultiply_Click();
    void cmdDivide_Click();
    void cmdEquals_Click();
    void cmdFeet_Click();
    void cmdInches_Click();
    void cmdFraction_Click();
    void cmdNeg_Click();

    // Options panel (frmMain_options.cpp).
    void cmdOptions_Click();
    void optOutput_Click(std::int16_t Index);
    void chkSquare_Click(bool Value);
    void chkRound_Click(bool Value);
    void cmbFormat_Click(int ListIndex);
    void cmbRound_Click(int ListIndex);

    // Memory and clipboard (frmMain_memory.cpp).
    void cmdStore_Click();
    void cmdRecall_Click();
    void cp_Click(std::int32_t& ItemNumber);
    void cmdClipboard_Click();
    void cmdPaste_Click();

    // Other windows (frmMain_windows.cpp): the history window, the stair
    // calculator and the layout tools (modeless, one of each) and the About
    // box (modal). LayoutTools() is the opener, made at first use.
    void cmdHistory_Click();
    void cmdStair_Click();
    void cmdLayout_Click();
    layout::LayoutOpener& LayoutTools();
    void cmdAbout_Click();
    frmHistory* HistoryWindow();

    void FocusBack();     // the keyboard focus back to the window, as every handler ends
    // Raised and activated (a second start asked, handing over its activation token, or empty).
    void BringToFront(const QByteArray& activationToken = {});

    // The client heights in pixels after any growth for wider fonts.
    int ShortHeight() const { return shortHeight_; }
    int TallHeight() const { return tallHeight_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Client heights in twips: the short window ends below the keypad, the
    // tall one shows Frame1 (outer heights 2215 and 3645 with the old frame).
    static constexpr int kShortHeightTwips = 1785;
    static constexpr int kTallHeightTwips = 3215;
    static constexpr int kClientWidthTwips = 4470;

    // frmMain_layout.cpp
    void BuildDisplayRow();
    void BuildKeypad();
    void BuildFunctionButtons();
    void BuildOptionsPanel();
    void FitCaptions();
    void ShowPanelIfItFits();  // Frame1 hidden while the short window cuts it off

    // Wiring of the controls to their handlers, one file each concern.
    void ConnectKeys();
    void ConnectOptions();
    void ConnectMemoryAndClipboard();
    void SetUpMemory();
    static std::optional<std::string> ClipboardText();  // read only when asked
    void ConnectWindows();

    // frmMain_view.cpp: an act's outcome shown, then the core's state.
    void Show(const calculator::Outcome& outcome, bool focusBack = true);
    void MirrorOptions();
    void MirrorMemory();

    // frmMain_lifecycle.cpp
    settings::Store& Registry();
    void RestoreWindow(const settings::SavedSettings& saved);
    void FinishLoad();
    void SetPanelShown(bool shown);

    // frmMain_windows.cpp
    frmHistory& History();
    void HistoryFollowsWindowState();
    void UnloadOtherWindows();

    // The window's own state.
    bool blnShowOptions = false;
    bool blnHistVisible = false;
    std::unique_ptr<settings::Store> objRegistry;  // the settings file, for every window
    stair::StairVariables stairVars;  // outlive the stair window

    calculator::Calculator core_;
    std::string shownDisplay_;                 // the display text last put on lblDisplay
    std::string shownTag_;                     // and the tag last put on lblSquare
    std::uint64_t shownMemory_ = ~std::uint64_t{0};  // the memory revision the menu shows
    std::optional<std::pair<OutputOptions, calculator::OptionsPanel>> shownOptions_;  // what the panel shows
    frmHistory* history_ = nullptr;  // a child window: deleted with this one
    bool historyPending_ = false;    // start-up's history window, after the first paint
    std::unique_ptr<stair::StairOpener> stairOpener_;  // made with the window, over stairVars
    std::unique_ptr<layout::LayoutOpener> layoutOpener_;  // made at first use, over the settings file

    int clientWidth_ = 0;
    int shortHeight_ = 0;
    int tallHeight_ = 0;
    bool loaded_ = false;
};

}  // namespace spanwright
