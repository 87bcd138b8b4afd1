#pragma once
// A push button that shows and hides a panel. Its owner sets the caption
// and shows or hides the panel; a screen reader hears the caption as the
// button's name, and "expandable" with "expanded" while the panel is shown
// or "collapsed" while it is hidden (the panel counts as shown unless it
// was hidden itself, so a panel in a window not yet on screen counts too).
// The button also tells the reader which panel it controls.
//   ExpanderButton b("Show Options"); b.SetPanel(frame); frame->hide();
//     -> name "Show Options", expandable, collapsed
//   frame->show(); b.setText("Hide Options")
//     -> name "Hide Options", expandable, expanded; a state-change event
//        (expanded, collapsed) and a name-change event are raised
//   a reader's "press" -> a click, as the mouse gives
#include <QPointer>
#include <QPushButton>

namespace spanwright::platform {

class ExpanderButton : public QPushButton {
    Q_OBJECT
public:
    explicit ExpanderButton(const QString& caption, QWidget* parent = nullptr);

    void SetPanel(QWidget* panel);
    QWidget* Panel() const { return panel_; }
    bool Expanded() const { return panel_ && !panel_->isHidden(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> panel_;
};

}  // namespace spanwright::platform
