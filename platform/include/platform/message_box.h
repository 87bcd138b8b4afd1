#pragma once
// Message boxes with an icon, an OK button and a title. Tests install a
// recorder so nothing modal blocks:
//   MessageBox::Show("Error 11: Division by zero.", MessageIcon::Critical);
//     -> a modal box titled "Spanwright", or one record in the recorder.
#include <QString>
#include <functional>

class QWidget;

namespace spanwright::platform {

enum class MessageIcon { Critical, Exclamation, Information };

struct MessageRecord {
    QString text;
    QString title;
    MessageIcon icon;
};

class MessageBox {
public:
    using Sink = std::function<void(const MessageRecord&)>;

    static void Show(const QString& text, MessageIcon icon,
                     const QString& title = QStringLiteral("Spanwright"),
                     QWidget* parent = nullptr);

    // Replaces the modal box (an empty sink restores it).
    static void SetSink(Sink sink);
};

}  // namespace spanwright::platform
