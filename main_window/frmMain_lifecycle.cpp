// Creation, start-up, resizing and shut-down of the main window, and the
// settings it reads and writes.
#include <QCloseEvent>
#include <QGuiApplication>
#include <QPushButton>
#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QLabel>
#include <QScreen>
#include <cmath>
#include <limits>
#include <optional>

#include "engine/errors.h"
#include "engine/numeric.h"
#include "frmMain.h"
#include "platform/twips.h"
#include "platform/window_accessible.h"
#include "settings/settings.h"

namespace spanwright {
namespace {

namespace key = settings::key;

// Start-up runs step by step; a step whose conversion fails is skipped and
// nothing is reported.
template <class Step>
void Try(Step step) {
    try {
        step();
    } catch (const NumberedError&) {
    } catch (const std::exception&) {
    }
}

// The text of a setting, or nothing when it is missing or empty. Such a
// step is skipped without trying a conversion: a failed conversion would
// skip it as well, but the first exception of a run costs milliseconds of
// start-up, and a first run has no settings at all.
std::optional<std::string> Setting(platform::RegistryStore& store, const QString& name) {
    const QString text = settings::Read(store, name);
    if (text.isEmpty()) return std::nullopt;
    return text.toStdString();
}

// A saved position counts only when the window placed there keeps its top
// edge and a good part of itself on some available screen.
bool OnSomeScreen(const QRect& window) {
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect available = screen->availableGeometry();
        const QRect seen = available & window;
        if (seen.isEmpty()) continue;
        const bool topReachable = window.top() >= available.top() && window.top() <= available.bottom() - 10;
        if (topReachable && seen.width() >= std::min(window.width(), 100) &&
            seen.height() >= std::min(window.height(), 40))
            return true;
    }
    return false;
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
    ConnectHandlers();
    ConnectMemoryAndClipboard();
    ConnectWindows();
    setFixedSize(clientWidth_, shortHeight_);
}

frmMain::~frmMain() = default;

platform::RegistryStore& frmMain::Registry() {
    if (!objRegistry) objRegistry = std::make_unique<platform::RegistryStore>();
    return *objRegistry;
}

void frmMain::Form_Load() {
    // Another running copy is detected before this window exists (app/main.cpp).
    lblDisplay->setText(QStringLiteral("0"));
    blnNewExpresion = true;
    RestorePosition();

    Try([&] {
        if (const auto text = Setting(Registry(), key::ShowOptions)) blnShowOptions = numeric::ToBoolean(*text);
    });
    SetPanelShown(blnShowOptions);

    Try([&] {
        const auto text = Setting(Registry(), key::Output);
        const std::int16_t n = text ? numeric::Whole16(*text) : 0;
        optOutput[n == 1 ? 1 : 0]->setChecked(true);
    });
    // An "Output" naming neither button (7, or not a number) would leave
    // every result blank for the whole run: fractional, as at a first run.
    if (!optOutput[0]->isChecked() && !optOutput[1]->isChecked()) optOutput[0]->setChecked(true);

    Try([&] {
        if (const auto text = Setting(Registry(), key::Square)) {
            const std::int16_t value = numeric::Whole16(*text);
            if (value == 0 || value == 1) chkSquare->setChecked(value == 1);
        }
    });
    // A position outside the list is not applied: the fill's choice stands.
    Try([&] {
        if (const auto text = Setting(Registry(), key::Format)) {
            const std::int16_t position = numeric::Whole16(*text);
            if (position >= -1 && position < cmbFormat->count()) cmbFormat->setCurrentIndex(position);
        }
    });
    Try([&] {
        if (const auto text = Setting(Registry(), key::Round)) {
            const std::int16_t position = numeric::Whole16(*text);
            if (position >= -1 && position < cmbRound->count()) cmbRound->setCurrentIndex(position);
        }
    });

    const auto roundOn = Setting(Registry(), key::RoundOn);
    bool runHandler = true;  // also when the text is missing or no number
    if (roundOn) Try([&] { runHandler = numeric::Real(*roundOn) == 0; });
    if (runHandler) {
        Try([&] { chkRound_Click(); });
    } else {
        Try([&] {
            const std::int16_t value = numeric::Whole16(*roundOn);
            if (value == 0 || value == 1) chkRound->setChecked(value == 1);
        });
    }

    // The memory's capacity: a whole number from 1 up, else 10.
    bool found = false;
    const QString listCount = settings::Read(Registry(), key::ListCount, &found);
    lngListCount = 10;
    if (found && !listCount.isEmpty()) {
        Try([&] {
            const double value = numeric::Real(listCount.toStdString());
            if (value >= 1 && value == std::floor(value) && value <= std::numeric_limits<std::int32_t>::max())
                lngListCount = static_cast<std::int32_t>(value);
        });
    }

    // Shown with every control built and the settings applied; the memory
    // menu and the hidden history window follow, as at any start.
    show();
    SetUpMemory();
    LoadHistoryWindow();
    loaded_ = true;
}

// "Top" and "Left" in twips; applied only where the window stays visible.
void frmMain::RestorePosition() {
    std::optional<int> top;
    std::optional<int> left;
    Try([&] {
        if (const auto text = Setting(Registry(), key::Top)) top = PixelsOf(numeric::Single(*text));
    });
    Try([&] {
        if (const auto text = Setting(Registry(), key::Left)) left = PixelsOf(numeric::Single(*text));
    });
    if (!top && !left) return;
    const QPoint target(left.value_or(x()), top.value_or(y()));
    if (OnSomeScreen(QRect(target, frameGeometry().size()))) move(target);
}

void frmMain::SetPanelShown(bool shown) {
    setFixedHeight(shown ? tallHeight_ : shortHeight_);
    ShowPanelIfItFits();
    cmdOptions->setText(shown ? QStringLiteral("Hide Options") : QStringLiteral("Show Options"));
    blnShowOptions = shown;
}

void frmMain::Form_Resize() { HistoryFollowsWindowState(); }

void frmMain::Form_Unload() {
    UnloadHistoryWindow();
    UnloadOtherWindows();
    // The write results are ignored: a store that cannot be written loses
    // these values and nothing else.
    auto& store = Registry();
    const QPoint position = pos();
    settings::Write(store, key::Top, QString::fromStdString(numeric::Text(double(position.y()) * platform::kTwipsPerPixel)));
    settings::Write(store, key::Left, QString::fromStdString(numeric::Text(double(position.x()) * platform::kTwipsPerPixel)));
    settings::Write(store, key::ShowOptions, blnShowOptions ? QStringLiteral("True") : QStringLiteral("False"));
    settings::Write(store, key::Output, optOutput[1]->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    settings::Write(store, key::Format, QString::number(cmbFormat->currentIndex()));
    settings::Write(store, key::Round, QString::number(cmbRound->currentIndex()));
    settings::Write(store, key::RoundOn, QString::number(RoundValue()));
    settings::Write(store, key::Square, QString::number(SquareValue()));
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
