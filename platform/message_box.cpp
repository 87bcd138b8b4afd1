#include "platform/message_box.h"

#include <QApplication>
#include <QMessageBox>

namespace spanwright::platform {
namespace {
MessageBox::Sink& CurrentSink() {
    static MessageBox::Sink sink;
    return sink;
}
}  // namespace

void MessageBox::Show(const QString& text, MessageIcon icon, const QString& title, QWidget* parent) {
    if (CurrentSink()) {
        CurrentSink()(MessageRecord{text, title, icon});
        return;
    }
    QMessageBox box(parent ? parent : QApplication::activeWindow());
    box.setWindowTitle(title);
    box.setText(text);
    box.setStandardButtons(QMessageBox::Ok);
    switch (icon) {
        case MessageIcon::Critical: box.setIcon(QMessageBox::Critical); break;
        case MessageIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
        case MessageIcon::Information: box.setIcon(QMessageBox::Information); break;
    }
    box.exec();
}

void MessageBox::SetSink(Sink sink) { CurrentSink() = std::move(sink); }

}  // namespace spanwright::platform
