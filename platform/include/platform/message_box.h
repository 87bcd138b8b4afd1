#pragma once
// Message boxes with an icon, an OK button and a title, and Yes / No
// questions. Tests install a recorder so nothing modal blocks:
//   MessageBox::Show("Error 11: Division by zero.", MessageIcon::Critical);
//     -> a modal box titled "Spanwright", or one record in the recorder.
//   MessageBox::Ask("notes.txt already exists. Do you want to replace it?")
//     -> true for Yes; No is the default button, and the answer when a sink
//        is installed without an answerer.
#include <QString>
#include <functional>

class QWidget;

namespace spanwright::platform {

enum class MessageIcon { Critical, Exclamation, Information };

struct MessageRecord {
    QString text;
    QString title;
    MessageIcon icon;
    bool question = false;  // asked with Yes / No
};

class MessageBox {
public:
    using Sink = std::function<void(const MessageRecord&)>;
    using Answerer = std::function<bool(const MessageRecord&)>;

    static void Show(const QString& text, MessageIcon icon,
                     const QString& title = QStringLiteral("Spanwright"),
                     QWidget* parent = nullptr);

    // Asks with Yes and No, No the default; true when the answer is Yes.
    static bool Ask(const QString& text, MessageIcon icon = MessageIcon::Exclamation,
                    const QString& title = QStringLiteral("Spanwright"), QWidget* parent = nullptr);

    // Replaces the modal box (an empty sink restores it); a question then
    // also goes to the answerer, or is answered No without one.
    static void SetSink(Sink sink);
    static void SetAnswerer(Answerer answerer);
};

}  // namespace spanwright::platform
