#include "platform/expander_button.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>

#include "platform/accessible_factory.h"

namespace spanwright::platform {
namespace {

class ExpanderAccessible final : public QAccessibleWidget {
public:
    explicit ExpanderAccessible(ExpanderButton* button) : QAccessibleWidget(button, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) return Shown(Button()->text());
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.pressed = Button()->isDown();
        s.defaultButton = Button()->isDefault();
        s.expandable = true;
        s.expanded = Button()->Expanded();
        s.collapsed = !s.expanded;
        return s;
    }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation match) const override {
        auto found = QAccessibleWidget::relations(match);
        if (match & QAccessible::Controlled)
            if (QAccessibleInterface* panel = QAccessible::queryAccessibleInterface(Button()->Panel()))
                found.append({panel, QAccessible::Controlled});
        return found;
    }
    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (widget()->isEnabled()) names.prepend(pressAction());
        return names;
    }
    void doAction(const QString& name) override {
        if (name == pressAction()) {
            if (widget()->isEnabled()) Button()->animateClick();
        } else {
            QAccessibleWidget::doAction(name);
        }
    }

private:
    ExpanderButton* Button() const { return static_cast<ExpanderButton*>(widget()); }
    // The caption as drawn: "&&" is one '&', a lone '&' marks the shortcut.
    static QString Shown(QString caption) {
        caption.replace(QStringLiteral("&&"), QChar(1));
        caption.remove(QLatin1Char('&'));
        return caption.replace(QChar(1), QLatin1Char('&'));
    }
};

}  // namespace

ExpanderButton::ExpanderButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    platform::InstallAccessible<ExpanderButton, ExpanderAccessible>();
}

void ExpanderButton::SetPanel(QWidget* panel) {
    if (panel_) panel_->removeEventFilter(this);
    panel_ = panel;
    if (panel_) panel_->installEventFilter(this);
}

// The panel shown or hidden by anyone: the reader hears the new state.
bool ExpanderButton::eventFilter(QObject* watched, QEvent* event) {
    if (watched == panel_ && (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent)) {
        QAccessible::State changed;
        changed.expanded = true;
        changed.collapsed = true;
        QAccessibleStateChangeEvent change(this, changed);
        QAccessible::updateAccessibility(&change);
    }
    return QPushButton::eventFilter(watched, event);
}

}  // namespace spanwright::platform
