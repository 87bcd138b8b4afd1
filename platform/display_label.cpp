#include "platform/display_label.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>
#include <QStyle>

#include "platform/accessible_factory.h"

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
        const QString& spoken = static_cast<const DisplayLabel*>(widget())->Spoken();
        if (t == QAccessible::Value) return spoken.isEmpty() ? Caption() : spoken;
        if (t == QAccessible::Description && !spoken.isEmpty()) return spoken;
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

}  // namespace

DisplayLabel::DisplayLabel(const QString& accessibleName, QWidget* parent) : QLabel(parent) {
    platform::InstallAccessible<DisplayLabel, DisplayAccessible>();
    setAccessibleName(accessibleName);
    setTextFormat(Qt::PlainText);  // a pasted "<b>5</b>" shows as typed
}

void DisplayLabel::setText(const QString& text) {
    const QString old = QLabel::text();
    if (old == text) return;
    QLabel::setText(text);
    QAccessibleTextUpdateEvent event(this, 0, old, text);
    QAccessible::updateAccessibility(&event);
}

void DisplayLabel::SetSpoken(const QString& spoken) {
    const QString said = spoken == text() ? QString() : spoken;
    if (said == spoken_) return;
    spoken_ = said;
    QAccessibleEvent event(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

// Only the tail that can fit is laid out, so the newest characters stay in
// sight and a pasted megabyte costs no more to paint than a short entry.
void DisplayLabel::paintEvent(QPaintEvent*) {
    constexpr qsizetype kMostShown = 400;  // characters; far wider than the label
    const QString caption = QLabel::text();
    QString line = caption.right(kMostShown);
    if (!line.isEmpty() && line.front().isLowSurrogate()) line.remove(0, 1);
    if (line.size() < caption.size()) line.prepend(QChar(0x2026));
    for (QChar& c : line)
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QLatin1Char('\t')) c = QLatin1Char(' ');

    QPainter painter(this);
    drawFrame(&painter);
    const int m = margin();
    const QRect area = contentsRect().adjusted(m, m, -m, -m);
    line = fontMetrics().elidedText(line, Qt::ElideLeft, area.width());
    style()->drawItemText(&painter, area, QStyle::visualAlignment(layoutDirection(), alignment()), palette(),
                          isEnabled(), line, foregroundRole());
}

}  // namespace spanwright
