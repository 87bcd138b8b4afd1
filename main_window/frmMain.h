#pragma once
// The calculator's main window: display row, keypad, function buttons and
// the options panel, with the calculator's state and its start-up and
// shut-down. Controls are public members under their designed names.
//   frmMain w; w.Form_Load();   first run, no settings:
//     lblDisplay "0", fractional, cmbFormat 1 "Feet and Inches",
//     cmbRound 4 "1/16 Inch", chkRound checked and disabled, short window,
//     cmdOptions "Show Options", lngListCount 10
//   w.cmdOptions_Click()        -> tall window, "Hide Options"
//   w.optOutput[1]->setChecked(true) -> decimal lists, chkRound enabled
//   w.close()                   -> "Top", "Left", "ShowOptions", "Output",
//                                  "Format", "Round", "RoundOn", "Square" written
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>

#include "engine/options.h"
#include "platform/display_label.h"
#include "platform/popup_menu.h"
#include "platform/registry_store.h"
#include "stair/stair_calc.h"
#include "stair/stair_opener.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace spanwright::platform {
class PictureBox;
}

namespace spanwright {

class frmHistory;

class frmMain : public QWidget, public OutputOptions, public CalculatorHost {
public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // Client heights in twips: the short window ends below the keypad, the
    // tall one shows Frame1 (outer heights 2215 and 3645 with the old frame).
    static constexpr int kShortHeightTwips = 1785;
    static constexpr int kTallHeightTwips = 3215;
    static constexpr int kClientWidthTwips = 4470;

    // Display row.
    platform::PictureBox* Picture1 = nullptr;
    DisplayLabel* lblDisplay = nullptr;
    QLabel* lblSpacer = nullptr;
    DisplayLabel* lblSquare = nullptr;

    // Keypad; cmdNum is indexed by the digit it carries.
    std::array<QPushButton*, 10> cmdNum{};
    QPushButton* cmdNeg = nullptr;
    QPushButton* cmdDot = nullptr;
    QPushButton* cmdDivide = nullptr;
    QPushButton* cmdMultiply = nullptr;
    QPushButton* cmdSubtract = nullptr;
    QPushButton* cmdAdd = nullptr;
    QPushButton* cmdFeet = nullptr;
    QPushButton* cmdInches = nullptr;
    QPushButton* cmdFraction = nullptr;
    QPushButton* cmdEquals = nullptr;

    // Function buttons.
    QPushButton* cmdBack = nullptr;
    QPushButton* cmdDelete = nullptr;
    QPushButton* cmdAC = nullptr;
    QPushButton* cmdPaste = nullptr;
    QPushButton* cmdClipboard = nullptr;
    QPushButton* cmdStair = nullptr;
    QPushButton* cmdOptions = nullptr;
    QPushButton* cmdHistory = nullptr;
    QPushButton* cmdStore = nullptr;
    QPushButton* cmdRecall = nullptr;
    QPushButton* cmdAbout = nullptr;

    // Options panel.
    QGroupBox* Frame1 = nullptr;
    std::array<QRadioButton*, 2> optOutput{};
    QCheckBox* chkRound = nullptr;
    QCheckBox* chkSquare = nullptr;
    QComboBox* cmbFormat = nullptr;
    QComboBox* cmbRound = nullptr;

    // Calculator state.
    bool blnNewExpresion = false;
    bool blnShowOptions = false;
    std::int32_t lngListCount = 0;
    bool blnHistVisible = false;
    std::unique_ptr<platform::RegistryStore> objRegistry;

    // Life cycle (frmMain_lifecycle.cpp).
    void Form_Load();
    void Form_Resize();
    void Form_Unload();

    // Options panel (frmMain_options.cpp).
    void cmdOptions_Click();
    void optOutput_Click(std::int16_t Index);
    void FillFormatList(std::int16_t mode);
    void chkSquare_Click();
    void chkRound_Click();
    void cmbFormat_Click();

    // Equals and clear all: the _Act parts (frmMain_engine.cpp) do the work;
    // the _Click handlers (keys block below) hand a click to the keyboard map.
    void cmdEquals_Click();
    void cmdEquals_Act();
    void cmdAC_Click();
    void cmdAC_Act();

    // Gives the keyboard focus back to the window, as every handler ends.
    void FocusBack();
    // Brings the window to the front and activates it (a second start asked).
    void BringToFront();

    // OutputOptions: read from the controls at every call.
    bool FractionalSelected() const override;
    bool DecimalSelected() const override;
    int FormatPosition() const override;
    int SquareValue() const override;
    int RoundValue() const override;
    int RoundPosition() const override;

    // CalculatorHost.
    void SetSquareTag(const std::string& tag) override;
    void ReportError(int number, const std::string& description) override;
    void ClearAll() override;

    // ---- Keyboard map, entry and operator keys, history recording ----
    // (frmMain_keys.cpp, frmMain_entry.cpp, frmMain_operators.cpp,
    // frmMain_history.cpp). Every key, typed or clicked, passes Form_KeyDown.
    void Form_KeyDown(int KeyCode, int Shift);
    // Form_KeyDown that tells whether the key is one of the table's: the
    // event filter consumes those and lets the others go on.
    bool HandleKey(int KeyCode, int Shift);
    void cmdNum_Click(std::int16_t Index);
    void cmdDot_Click();
    void cmdBack_Click();
    void cmdDelete_Click();
    void cmdFeet_Click();
    void cmdInches_Click();
    void cmdFraction_Click();
    void cmdNeg_Click();
    void cmdAdd_Click();
    void cmdSubtract_Click();
    void cmdMultiply_Click();
    void cmdDivide_Click();
    void AddToHistory(const QString& text);
    void cmdHistory_Click();
    frmHistory* HistoryWindow();
    // ---- end of the keys block ----

    // ---- Memory and clipboard (frmMain_memory.cpp, frmMain_clipboard.cpp) ----
    // Store and Recall keep display texts in the pop-up menu cp; copy and
    // paste exchange the display with the clipboard. None of them passes
    // the keyboard map or records history.
    std::unique_ptr<platform::PopupMenu> cp;
    void cmdStore_Click();
    void cmdRecall_Click();
    void cp_Click(std::int32_t& ItemNumber);
    void cmdClipboard_Click();
    void cmdPaste_Click();
    // ---- end of the memory and clipboard block ----

    // The stair calculator (modeless, one at a time) and the About box
    // (modal); frmMain_windows.cpp. The stair calculator's values outlive
    // its window.
    void cmdStair_Click();
    void cmdAbout_Click();
    stair::StairVariables stairVars;

    // The client heights in pixels after any growth for wider fonts.
    int ShortHeight() const { return shortHeight_; }
    int TallHeight() const { return tallHeight_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // frmMain_layout.cpp
    void BuildDisplayRow();
    void BuildKeypad();
    void BuildFunctionButtons();
    void BuildOptionsPanel();
    void FitCaptions();
    void ConnectHandlers();

    // frmMain_lifecycle.cpp
    platform::RegistryStore& Registry();
    void RestorePosition();
    void SetPanelShown(bool shown);

    // ---- Keys block (see above) ----
    enum class Modifiers;
    struct KeyRow;
    static const KeyRow* FindKey(int KeyCode, int Shift);
    void ConnectKeys();  // end of ConnectHandlers
    void InstallKeyFilter();
    void CarryOverSquareUnits();
    bool KeyDigit(int digit);
    bool KeyDot(int);
    bool KeyDirect(int which);
    bool KeyBack(int);
    bool KeyDelete(int);
    bool KeyEnter(int);
    bool KeyOperator(int op);
    void PerformOperator(int op);
    void OperatorAct(int op);
    bool ReShowArea();
    static QString OperatorText(int op);
    QString ResultLine() const;
    QString ErrorLine() const;
    void StartNewOperand();
    void NoteChange(const QString& before);
    void AppendMark(QChar mark);
    QString DirectKeyStart();
    frmHistory& History();
    void LoadHistoryWindow();          // at the end of start-up
    void HistoryFollowsWindowState();  // Form_Resize
    void UnloadHistoryWindow();        // first thing at shut-down

    bool blnInKeyDown = false;
    bool blnFraction = false;
    bool blnOperatorLast = false;
    std::int16_t intHistoryState = 0;
    bool blnNewOperand = false;
    QString carriedTag_;     // the square tag this key-down turned into a mark
    int lastError_ = 0;      // the error number of the last failed evaluation
    frmHistory* history_ = nullptr;  // a child window: deleted with this one
    bool historyPending_ = false;    // start-up's history window, after the first paint
    // ---- end of the keys block ----

    // ---- Memory and clipboard block (see above) ----
    void ConnectMemoryAndClipboard();  // constructor
    void SetUpMemory();                // start-up, after the capacity is read
    bool KeyClipboard(int which);      // the keyboard map's Ctrl+C (0) and Ctrl+V (1)
    void PutOperand(const QString& text);
    // ---- end of the memory and clipboard block ----

    void ConnectWindows();       // constructor
    void UnloadOtherWindows();   // shut-down, after the history window
    stair::StairOpener stairOpener_{stairVars, *this};

    int clientWidth_ = 0;
    int shortHeight_ = 0;
    int tallHeight_ = 0;
    bool loaded_ = false;

    // ---- Accessibility (frmMain_layout.cpp) ----
    // After the window's fixed height changes: Frame1 is hidden while the
    // window is too short to show it, and shown when it fits.
    void ShowPanelIfItFits();
    // ---- end of the accessibility block ----
};

}  // namespace spanwright
