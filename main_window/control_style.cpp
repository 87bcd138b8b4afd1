#include "main_window/control_style.h"

#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <algorithm>


namespace spanwright::controls {

// Regular or bold 8.25-point type in the desktop's sans-serif face.
QFont SansFont(qreal points, bool bold) {
    QFont font = QApplication::font();
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// "Arial": its metric twin Liberation Sans where Arial itself is missing.
QFont ArialFont(qreal points, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void Describe(QWidget* widget, const QString& name, const QString& description) {
    widget->setAccessibleName(name);
    widget->setAccessibleDescription(description);
}

QPushButton* PictureKey(QWidget* parent, KeyPicture picture, QRect rect, const QString& tooltip,
                        const QString& name) {
    auto* button = new QPushButton(parent);
    button->setGeometry(rect);
    button->setIcon(KeyIcon(picture));
    button->setIconSize(kKeyPictureSize);
    button->setToolTip(tooltip);
    Describe(button, name, tooltip.trimmed());
    return button;
}

QPushButton* CaptionKey(QWidget* parent, const QString& caption, QRect rect, const QFont& font,
                        const QString& tooltip, const QString& name, const QString& description) {
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(rect);
    button->setFont(font);
    if (!tooltip.isEmpty()) button->setToolTip(tooltip);
    Describe(button, name, tooltip.isEmpty() ? description : tooltip.trimmed());
    return button;
}

void BlackLabel(QLabel* label, const QFont& font, Qt::Alignment alignment) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::WindowText, QColor(0, 192, 0));
    label->setPalette(palette);
    label->setAutoFillBackground(true);
    label->setFont(font);
    label->setAlignment(alignment);
}

// A push button's caption fits when it clears the two-pixel bevel and a
// pixel of air on each side.
QSize CaptionNeed(const QPushButton* button, const QStringList& captions) {
    const QFontMetrics metrics(button->font());
    int width = 0;
    for (const QString& caption : captions) width = std::max(width, metrics.horizontalAdvance(caption));
    return {width + 8, metrics.height() + 4};
}

QPoint RightMiddle(QRect control) { return {control.x() + control.width(), control.y() + control.height() / 2}; }

void Fill(QComboBox* list, const std::vector<std::string>& items) {
    QStringList texts;
    for (const std::string& item : items) texts << QString::fromStdString(item);
    bool same = list->count() == texts.size();
    for (int i = 0; same && i < texts.size(); ++i) same = list->itemText(i) == texts[i];
    if (same) return;
    list->clear();
    list->addItems(texts);
}

}  // namespace spanwright::controls
