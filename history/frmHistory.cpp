#include "history/frmHistory.h"

#include <QAction>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLocale>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QTextCursor>
#include <algorithm>

#include "history/history_export.h"
#include "history/history_print.h"
#include "history/line_value.h"
#include "platform/message_box.h"
#include "platform/pictures.h"
#include "platform/screen_placement.h"
#include "platform/twips.h"
#include "settings/file_store.h"

namespace spanwright {
namespace {
using platform::Twips;

// Text1's margins inside the client area below the menu bar.
constexpr int kMarginLeftTop = 45;
constexpr int kMarginRightBottom = 60;
// The client area the window is designed with.
constexpr int kClientWidth = 3405;
constexpr int kClientHeight = 4800;

QString DocumentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QDir(documents).exists()) return documents;
    return QDir::homePath();
}

QString DefaultSaveDialog(QWidget* parent, const frmHistory::SaveRequest& request) {
    return QFileDialog::getSaveFileName(parent, request.title,
                                        QDir(request.folder).filePath(request.fileName),
                                        request.filter);
}

bool DefaultPrintDialog(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}
}  // namespace

frmHistory::frmHistory(const std::string& tape, settings::Store& store, QWidget* parent)
    : frmHistory(tape, &store, parent) {}

frmHistory::frmHistory(const std::string& tape, QWidget* parent)
    : frmHistory(tape, static_cast<settings::Store*>(nullptr), parent) {}

frmHistory::frmHistory(const std::string& tape, settings::Store* store, QWidget* parent)
    : QMainWindow(parent, Qt::Window),
      ownStore_(store ? nullptr : std::make_unique<settings::FileStore>()),
      store_(store ? *store : *ownStore_) {
    setWindowTitle(QStringLiteral("History - Spanwright"));
    setWindowIcon(platform::AppIcon());

    mnuFile = menuBar()->addMenu(QStringLiteral("File"));
    mnuExport = mnuFile->addAction(QStringLiteral("Export to File..."));
    mnuPrint = mnuFile->addAction(QStringLiteral("Print..."));
    mnuPrint->setShortcut(QKeySequence::Print);
    Space1 = mnuFile->addSeparator();
    mnuClose = mnuFile->addAction(QStringLiteral("Close"));
    mnuClear = menuBar()->addAction(QStringLiteral("Clear"));
    connect(mnuExport, &QAction::triggered, this, [this] { mnuExport_Click(); });
    connect(mnuPrint, &QAction::triggered, this, [this] { mnuPrint_Click(); });
    connect(mnuClose, &QAction::triggered, this, [this] { mnuClose_Click(); });
    connect(mnuClear, &QAction::triggered, this, [this] { mnuClear_Click(); });

    // No layout: Form_Resize places Text1 whenever the window's size changes.
    auto* client = new QWidget(this);
    setCentralWidget(client);
    Text1 = new QPlainTextEdit(client);
    Text1->setAccessibleName(QStringLiteral("History"));
    Text1->setFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text_ = std::make_unique<history::HistoryText>(Text1->document(), tape);
    Text1->installEventFilter(this);
    Text1->viewport()->installEventFilter(this);

    resize(Twips(kClientWidth), Twips(kClientHeight) + menuBar()->sizeHint().height());
    Form_Resize();
    Form_Load();
}

frmHistory::~frmHistory() = default;

void frmHistory::Form_Load() {
    // Locked: the user can scroll, select (mouse or keyboard) and copy, not type.
    Text1->setReadOnly(true);
    Text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    // Each edge on its own: a missing or unreadable one keeps the place the
    // window system chooses. The result is used only if the window can
    // still be seen there.
    const settings::SavedSettings saved = settings::Load(store_);
    if (!saved.histTop && !saved.histLeft) return;
    const QPoint place(saved.histLeft.value_or(x()), saved.histTop.value_or(y()));
    if (platform::ShowsOnAScreen(QRect(place, frameGeometry().size()), platform::AvailableScreens())) move(place);
}

void frmHistory::Form_Unload() {
    // A window never shown nor placed has no position yet: the window system
    // chooses one when it first appears. Saving (0, 0) would pin it there.
    if (!shownOnce_ && !testAttribute(Qt::WA_Moved)) return;
    if (!platform::CanPlaceWindows()) return;  // the compositor\'s place is no saved place
    settings::SavedSettings saved;
    saved.histTop = y();
    saved.histLeft = x();
    settings::Save(store_, saved, settings::Writer::HistoryWindow);
}

void frmHistory::Form_Resize() {
    // The client area below the menu bar. Taken from the window itself: when
    // nothing is left below the menu bar, the layout stops resizing the
    // central widget, but Text1 must still shrink to nothing.
    const QSize client(width(), std::max(0, height() - menuBar()->height()));
    const int margin = Twips(kMarginLeftTop) + Twips(kMarginRightBottom);
    Text1->setGeometry(Twips(kMarginLeftTop), Twips(kMarginLeftTop),
                       std::max(0, client.width() - margin), std::max(0, client.height() - margin));
}

void frmHistory::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    shownOnce_ = true;
    Text1->ensureCursorVisible();
}

// Enter on the box and a double-click in it give a line back; every other
// event goes on to the box.
bool frmHistory::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text1 && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && key->modifiers() == Qt::NoModifier)
            return Text1_GiveBack(), true;
    }
    if (watched == Text1->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        Text1->setTextCursor(Text1->cursorForPosition(mouse->position().toPoint()));
        return Text1_GiveBack(), true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmHistory::Text1_GiveBack() {
    const std::optional<std::string> value = history::LineValue(text_->Line(Text1->textCursor().blockNumber()));
    if (value && lineRequest_) lineRequest_(*value);
}

void frmHistory::SetLineRequest(std::function<void(const std::string&)> request) {
    lineRequest_ = std::move(request);
}

void frmHistory::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void frmHistory::Appended(std::string_view added) { text_->Appended(added); }

void frmHistory::Removed(std::string_view removed) { text_->Removed(removed); }

void frmHistory::Cleared() { text_->Cleared(); }

void frmHistory::ShowLastLine() {
    // Setting the cursor re-lays out the view; after an append the box's own
    // cursor is already at the end, so only the scrolling is left to do.
    QTextCursor cursor = Text1->textCursor();
    if (cursor.hasSelection() || !cursor.atEnd()) {
        cursor.movePosition(QTextCursor::End);
        Text1->setTextCursor(cursor);
    }
    // A hidden box scrolls when it is shown again (showEvent).
    if (isVisible()) Text1->ensureCursorVisible();
}

void frmHistory::mnuClear_Click() {
    if (clearRequest_) clearRequest_();
}

void frmHistory::SetClearRequest(std::function<void()> request) { clearRequest_ = std::move(request); }

void frmHistory::mnuClose_Click() { hide(); }

void frmHistory::SetSaveDialog(SaveDialog dialog) { dialog_ = std::move(dialog); }

void frmHistory::SetPrintDialog(PrintDialog dialog) { printDialog_ = std::move(dialog); }

// The tape as the export writes it, on the printer the dialog set up; a
// cancelled dialog prints nothing, a failed printer says so.
void frmHistory::mnuPrint_Click() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("History - Spanwright"));
    if (!(printDialog_ ? printDialog_(this, printer) : DefaultPrintDialog(this, printer))) return;
    const QString date = QLocale().toString(QDate::currentDate(), QLocale::LongFormat);
    if (!history::PrintTape(printer, Tape(), Text1->font(), date))
        platform::MessageBox::Show(QStringLiteral("The history could not be printed."),
                                   platform::MessageIcon::Exclamation, QStringLiteral("Spanwright"), this);
}

void frmHistory::mnuExport_Click() {
    const SaveRequest request{QStringLiteral("Export History List to a File..."), DocumentsFolder(),
                              QStringLiteral("History.txt"), QStringLiteral("*.txt")};
    const QString chosen = dialog_ ? dialog_(this, request) : DefaultSaveDialog(this, request);
    if (chosen.isEmpty()) return;

    history::ExportChosen(this, chosen, Tape());
}

}  // namespace spanwright
