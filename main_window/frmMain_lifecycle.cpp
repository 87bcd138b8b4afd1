// Creation, start-up, resizing and shut-down of the main window, and the
// settings it reads and writes.
#include <QCloseEvent>
#include <QLocale>
#include <QPushButton>

#include "layout/layout_opener.h"
#include "main_window/frmMain.h"
#include "platform/popup_menu.h"
#include "platform/screen_placement.h"
#include "platform/window_activation.h"
#include "platform/window_accessible.h"
#include "settings/file_store.h"
#include "stair/stair_opener.h"

namespace spanwright {

frmMain::frmMain(QWidget* parent)
    : QWidget(parent), stairOpener_(std::make_unique<stair::StairOpener>(stairVars, core_.Options())) {
    platform::ReportAsFrame(this);  // first: screen readers list the window as a frame
    setWindowTitle(QStringLiteral("Spanwright"));
    BuildDisplayRow();
    BuildKeypad();
    BuildFunctionButtons();
    BuildOptionsPanel();
    FitCaptions();
    ConnectKeys();
    ConnectOptions();
    ConnectMemoryAndClipboard();
    ConnectWindows();
    setFixedSize(clientWidth_, shortHeight_);
}

frmMain::~frmMain() = default;

settings::Store& frmMain::Registry() {
    if (!objRegistry) objRegistry = std::make_unique<settings::FileStore>();
    return *objRegistry;
}

// The window's own steps (position, options panel), then the calculation's
// (display "0", the output options, the memory's capacity) in the core.
// Another running copy was detected before this window existed (app/main.cpp).
void frmMain::Form_Load() {
    settings::SavedSettings saved = settings::Load(Registry());
    RestoreWindow(saved);
    // A pasted "2,5m" is read in a locale that writes "," for the point.
    saved.decimalComma = QLocale().decimalPoint() == u',';
    Show(core_.Start(saved), false);
    FinishLoad();
}

// The saved place applied only where the window stays visible; the panel
// as it was.
void frmMain::RestoreWindow(const settings::SavedSettings& saved) {
    const QPoint target(saved.left.value_or(x()), saved.top.value_or(y()));
    if ((saved.top || saved.left) &&
        platform::ShowsOnAScreen(QRect(target, frameGeometry().size()), platform::AvailableScreens()))
        move(target);
    SetPanelShown(saved.showOptions);
}

// Shown with every control built and the settings applied; the memory menu
// and the hidden history window (after the first paint) follow.
void frmMain::FinishLoad() {
    show();
    SetUpMemory();
    historyPending_ = true;
    loaded_ = true;
}

void frmMain::SetPanelShown(bool shown) {
    setFixedHeight(shown ? tallHeight_ : shortHeight_);
    ShowPanelIfItFits();
    cmdOptions->setText(shown ? QStringLiteral("Hide Options") : QStringLiteral("Show Options"));
    blnShowOptions = shown;
}

void frmMain::Form_Resize() { HistoryFollowsWindowState(); }

void frmMain::Form_Unload() {
    UnloadOtherWindows();
    settings::SavedSettings saved;
    if (platform::CanPlaceWindows()) {  // else the saved place stays for a desktop that can apply it
        saved.top = pos().y();
        saved.left = pos().x();
    }
    saved.showOptions = blnShowOptions;
    saved.TakeOptions(core_.Options());
    settings::Save(Registry(), saved, settings::Writer::MainWindow);
}

void frmMain::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

void frmMain::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (loaded_) Form_Resize();
}

void frmMain::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (loaded_ && event->type() == QEvent::WindowStateChange) Form_Resize();
}

void frmMain::FocusBack() { setFocus(Qt::OtherFocusReason); }

void frmMain::BringToFront(const QByteArray& activationToken) {
    if (isMinimized()) showNormal();
    show();
    platform::Activate(*this, activationToken);
}

}  // namespace spanwright
