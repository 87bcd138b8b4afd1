// The window as a view of the calculator core: after every act the messages
// it raised are shown first (the display still shows what it showed), the
// clipboard and the history take what the act gave them, and the controls
// take the core's state. A control is set with its signals blocked, so
// mirroring never runs a handler.
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QRadioButton>
#include <QSignalBlocker>

#include "calculator/spoken.h"
#include "history/frmHistory.h"
#include "platform/display_label.h"
#include "main_window/control_style.h"
#include "main_window/frmMain.h"
#include "platform/message_box.h"
#include "platform/picture_box.h"
#include "platform/pictures.h"
#include "platform/popup_menu.h"

namespace spanwright {
namespace {

using calculator::TapeEdit;

QString Text(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

void frmMain::Show(const calculator::Outcome& outcome, bool focusBack) {
    for (const calculator::Message& message : outcome.messages)
        platform::MessageBox::Show(Text(message.text), platform::MessageIcon::Critical, QStringLiteral("Spanwright"), this);
    if (outcome.clipboard) {
        QGuiApplication::clipboard()->clear();
        QGuiApplication::clipboard()->setText(Text(*outcome.clipboard));
    }
    if (!outcome.tapeEdits.empty() || outcome.showLastLine) {
        // A window made now shows the tape as it is, this act's edits in it.
        const bool made = history_ != nullptr;
        frmHistory& history = History();
        for (const TapeEdit& edit : outcome.tapeEdits) {
            if (!made) break;
            if (edit.kind == TapeEdit::Kind::Append) history.Appended(edit.text);
            else if (edit.kind == TapeEdit::Kind::RemoveLast) history.Removed(edit.text);
            else history.Cleared();
        }
        if (outcome.showLastLine) history.ShowLastLine();
    }

    // Only what changed: a key costs the same whatever the display's length.
    const bool displayChanged = core_.Display() != shownDisplay_;
    if (displayChanged) {
        shownDisplay_ = core_.Display();
        lblDisplay->setText(Text(shownDisplay_));
    }
    if (displayChanged || core_.SquareTag() != shownTag_) {
        shownTag_ = core_.SquareTag();
        lblSquare->setText(Text(shownTag_));
        const std::string spoken = calculator::Spoken(shownDisplay_, shownTag_);
        lblDisplay->SetSpoken(spoken == shownDisplay_ ? QString() : Text(spoken));
    }
    Picture1->SetPicture(&platform::ImageList1(), core_.Picture());
    MirrorOptions();
    MirrorMemory();
    if (focusBack) FocusBack();
    if (outcome.openLayoutTools) cmdLayout_Click();
}

// Only when they changed: most acts leave the options as they were.
void frmMain::MirrorOptions() {
    const OutputOptions& options = core_.Options();
    const calculator::OptionsPanel& panel = core_.Panel();
    if (shownOptions_ && shownOptions_->first == options && shownOptions_->second == panel) return;
    shownOptions_.emplace(options, panel);
    const QSignalBlocker blockers[] = {QSignalBlocker(optOutput[0]), QSignalBlocker(optOutput[1]),
                                       QSignalBlocker(chkSquare),    QSignalBlocker(chkRound),
                                       QSignalBlocker(cmbFormat),    QSignalBlocker(cmbRound)};
    if (options.output == 0 || options.output == 1) optOutput[static_cast<std::size_t>(options.output)]->setChecked(true);
    chkSquare->setChecked(options.square == 1);
    chkRound->setChecked(options.round_on == 1);
    chkRound->setEnabled(panel.roundCheckEnabled);
    controls::Fill(cmbFormat, panel.formatItems);
    cmbFormat->setCurrentIndex(options.format);
    controls::Fill(cmbRound, panel.roundItems);
    cmbRound->setCurrentIndex(options.round);
    cmbRound->setEnabled(panel.roundListEnabled);
}

// The Recall menu: "Clear" (red x), a separator, then the stored texts
// (each with the small display), rebuilt only when the memory changed.
void frmMain::MirrorMemory() {
    if (!cp || core_.MemoryRevision() == shownMemory_) return;
    shownMemory_ = core_.MemoryRevision();
    cp->ClearItems();
    cp->AddMenuItem(QStringLiteral("Clear"), 0);
    cp->AddMenuItem(QStringLiteral("-"), -1);
    for (const std::string& text : core_.Memory()) cp->AddMenuItem(Text(text), 1);
    cp->StoreItems(QStringLiteral("Recall"));  // the set's name is the menu's, for screen readers
}

}  // namespace spanwright
