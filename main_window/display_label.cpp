#include "display_label.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace spanwright {
namespace {

// Static text with a text interface, so a reader gets the caption as text
// (and can spell it), not only as the label's name.
class DisplayAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit DisplayAccessible(DisplayLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return Caption();
        return QAccessibleWidget::text(t);
    }

    QString text(int startOffset, int endOffset) const override {
        return Caption().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(Caption().size()); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = offset;
        return {};
    }

private:
    QString Caption() const { return static_cast<const QLabel*>(widget())->text(); }
};

QAccessibleInterface* DisplayFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(DisplayLabel::staticMetaObject.className()) && object &&
        object->isWidgetType())
        return new DisplayAccessible(static_cast<DisplayLabel*>(object));
    return nullptr;
}

}  // namespace

DisplayLabel::DisplayLabel(const QString& accessibleName, QWidget* parent) : QLabel(parent) {
    static const bool installed = (QAccessible::installFactory(DisplayFactory), true);
    (void)installed;
    setAccessibleName(accessibleName);
}

void DisplayLabel::setText(const QString& text) {
    const QString old = QLabel::text();
    if (old == text) return;
    QLabel::setText(text);
    QAccessibleTextUpdateEvent event(this, 0, old, text);
    QAccessible::updateAccessibility(&event);
}

}  // namespace spanwright
