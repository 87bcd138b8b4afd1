#pragma once
// A label that shows a value (a calculator's display, a result line) so that
// screen readers can read and follow it. Its accessible interface carries a
// fixed name and the caption through the text interface, and every change of
// the caption raises a text-update event.
//   DisplayLabel d(QStringLiteral("Display"));
//   d.setText("3'4-1/2\"")  -> accessible name "Display", text(0, 8) "3'4-1/2\"",
//                              one TextUpdated event (old "", new "3'4-1/2\"")
//   d.setText("3'4-1/2\"")  -> no event: nothing changed
//   d.SetSpoken("3810 millimeters") -> accessible value and description say it
// setText hides QLabel::setText: write the caption through a DisplayLabel,
// never through a QLabel pointer, or the event is lost.
// The caption is plain text, drawn on one line; one wider than the label
// loses its start to an ellipsis while text() stays whole:
//   d.setText("1\n2")           -> shows "1 2", text() "1\n2"
//   d.setText(a megabyte of 9s) -> shows "…999", painted as fast as "9"
#include <QLabel>

namespace spanwright {

class DisplayLabel : public QLabel {
    Q_OBJECT
public:
    explicit DisplayLabel(const QString& accessibleName, QWidget* parent = nullptr);

    void setText(const QString& text);
    // What a reader says for the caption, when that is not the caption
    // itself ("3810 millimeters" for 3810mm): the accessible value and
    // description; the text interface keeps the caption, to be spelt.
    void SetSpoken(const QString& spoken);
    const QString& Spoken() const { return spoken_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString spoken_;
};

}  // namespace spanwright
