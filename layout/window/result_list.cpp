// The result lines of a page, rebuilt at each calculation: the lines a
// stair has depend on its code.
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

#include "layout/frmLayout.h"

namespace spanwright::layout {

ResultList::ResultList(QWidget* parent) : QWidget(parent), form_(new QFormLayout(this)) {
    form_->setContentsMargins(0, 0, 0, 0);
    form_->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
}

void ResultList::Show(const std::vector<ResultLine>& lines) {
    while (form_->rowCount() > 0) form_->removeRow(0);
    for (const ResultLine& line : lines) {
        const QString caption = QString::fromStdString(line.label);
        auto* value = new QLineEdit(QString::fromStdString(line.value), this);
        value->setReadOnly(true);  // selectable and copied with Ctrl+C, not typed into
        value->setObjectName(caption);
        value->setAccessibleName(caption + QStringLiteral(" result"));
        value->setCursorPosition(0);
        // Wide enough for the whole line (the window grows with it): the
        // cut risers' sentence is read at a glance, not scrolled.
        const int frame = value->sizeHint().width() - value->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 17;
        value->setMinimumWidth(value->fontMetrics().horizontalAdvance(value->text()) + std::max(frame, 8) + 4);
        auto* label = new QLabel(caption + QLatin1Char(':'), this);
        label->setBuddy(value);
        form_->addRow(label, value);
    }
}

QLineEdit* ResultList::Value(const QString& caption) const {
    for (QLineEdit* value : findChildren<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly))
        if (value->objectName() == caption) return value;
    return nullptr;
}

}  // namespace spanwright::layout
