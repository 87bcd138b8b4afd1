#include "platform/message_box.h"

#include <QApplication>
#include <QMessageBox>

namespace spanwright::platform {
namespace {
MessageBox::Sink& CurrentSink() {
    static MessageBox::Sink sink;
    return sink;
}

MessageBox::Answerer& CurrentAnswerer() {
    static MessageBox::Answerer answerer;
    return answerer;
}

QMessageBox::Icon IconOf(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Critical: return QMessageBox::Critical;
        case MessageIcon::Exclamation: return QMessageBox::Warning;
        case MessageIcon::Information: return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

// The modal box with the given buttons; returns the one pressed.
QMessageBox::StandardButton Exec(const MessageRecord& record, QMessageBox::StandardButtons buttons,
                                 QMessageBox::StandardButton defaultButton, QWidget* parent) {
    QMessageBox box(parent ? parent : QApplication::activeWindow());
    box.setWindowTitle(record.title);
    box.setText(record.text);
    box.setIcon(IconOf(record.icon));
    box.setStandardButtons(buttons);
    box.setDefaultButton(defaultButton);
    box.setEscapeButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}
}  // namespace

void MessageBox::Show(const QString& text, MessageIcon icon, const QString& title, QWidget* parent) {
    const MessageRecord record{text, title, icon};
    if (CurrentSink()) CurrentSink()(record);
    else Exec(record, QMessageBox::Ok, QMessageBox::Ok, parent);
}

bool MessageBox::Ask(const QString& text, MessageIcon icon, const QString& title, QWidget* parent) {
    const MessageRecord record{text, title, icon, true};
    if (CurrentSink()) {
        CurrentSink()(record);
        return CurrentAnswerer() && CurrentAnswerer()(record);
    }
    return Exec(record, QMessageBox::Yes | QMessageBox::No, QMessageBox::No, parent) == QMessageBox::Yes;
}

void MessageBox::SetSink(Sink sink) { CurrentSink() = std::move(sink); }
void MessageBox::SetAnswerer(Answerer answerer) { CurrentAnswerer() = std::move(answerer); }

}  // namespace spanwright::platform
