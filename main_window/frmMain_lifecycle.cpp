// Creation, start-up, resizing and shut-down of the main window, and the
// settings it reads and writes.
#include <QCloseEvent>
#include <QPushButton>
#include <cmath>
#include <optional>

#include "engine/errors.h"
#include "engine/numeric.h"
#include "main_window/frmMain.h"
#include "main_window/saved_options.h"
#include "platform/popup_menu.h"
#include "platform/registry_store.h"
#include "platform/screen_placement.h"
#include "platform/twips.h"
#include "platform/window_accessible.h"
#include "settings/settings.h"

namespace spanwright {
namespace {

namespace key = settings::key;

// A window step whose conversion fails is skipped and nothing is reported.
template <class Step>
void Try(Step step) {
    try {
        step();
    } catch (const NumberedError&) {
    }
}

// Twips as a single-precision setting to whole pixels; empty when the value
// is beyond any screen.
std::optional<int> PixelsOf(float twips) {
    const double pixels = std::round(double(twips) / platform::kTwipsPerPixel);
    if (!std::isfinite(pixels) || std::abs(pixels) > 1.0e7) return std::nullopt;
    return static_cast<int>(pixels);
}

}  // namespace

frmMain::frmMain(QWidget* parent) : QWidget(parent) {
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

platform::RegistryStore& frmMain::Registry() {
    if (!objRegistry) objRegistry = std::make_unique<platform::RegistryStore>();
    return *objRegistry;
}

// The window's own steps (position, options panel), then the calculation's
// (display "0", the output options, the memory's capacity) in the core.
// Shown with every control built and the settings applied; the memory menu
// and the hidden history window follow.
void frmMain::Form_Load() {
    // Another running copy is detected before this window exists (app/main.cpp).
    RestorePosition();
    Try([&] {
        if (const auto text = settings::ReadText(Registry(), key::ShowOptions)) blnShowOptions = numeric::ToBoolean(*text);
    });
    SetPanelShown(blnShowOptions);
    Show(core_.Start(ReadSavedOptions(Registry())), false);
    show();
    SetUpMemory();
    historyPending_ = true;
    loaded_ = true;
}

// "Top" and "Left" in twips; applied only where the window stays visible.
void frmMain::RestorePosition() {
    std::optional<int> top;
    std::optional<int> left;
    Try([&] {
        if (const auto text = settings::ReadText(Registry(), key::Top)) top = PixelsOf(numeric::Single(*text));
    });
    Try([&] {
        if (const auto text = settings::ReadText(Registry(), key::Left)) left = PixelsOf(numeric::Single(*text));
    });
    if (!top && !left) return;
    const QPoint target(left.value_or(x()), top.value_or(y()));
    if (platform::ShowsOnAScreen(QRect(target, frameGeometry().size()), platform::AvailableScreens())) move(target);
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
    // The write results are ignored: a store that cannot be written loses
    // these values and nothing else.
    auto& store = Registry();
    const QPoint position = pos();
    settings::Write(store, key::Top, QString::fromStdString(numeric::Text(double(position.y()) * platform::kTwipsPerPixel)));
    settings::Write(store, key::Left, QString::fromStdString(numeric::Text(double(position.x()) * platform::kTwipsPerPixel)));
    settings::Write(store, key::ShowOptions, blnShowOptions ? QStringLiteral("True") : QStringLiteral("False"));
    const OutputOptions& options = core_.Options();
    settings::Write(store, key::Output, options.output == 1 ? QStringLiteral("1") : QStringLiteral("0"));
    settings::Write(store, key::Format, QString::number(options.format));
    settings::Write(store, key::Round, QString::number(options.round));
    settings::Write(store, key::RoundOn, QString::number(options.round_on));
    settings::Write(store, key::Square, QString::number(options.square));
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

void frmMain::BringToFront() {
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
}

}  // namespace spanwright
