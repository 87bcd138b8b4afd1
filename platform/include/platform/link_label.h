#pragma once
// A one-line link: underlined text that a click, or Space while it has the
// keyboard focus, follows. Tab reaches it, it shows a focus frame, and a
// screen reader announces it as a link with its text as name and "press" as
// its action. Enter and Esc are left to the window (a dialog's OK and Cancel).
//   LinkLabel link("Home Page"); connect(&link, &LinkLabel::activated, ...)
//   click on the text, Space, or a reader's "press"  -> activated() once
//   Enter, Esc, any other key                        -> nothing; the parent gets it
#include <QLabel>

namespace spanwright::platform {

class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void activated();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool pressed_ = false;
};

}  // namespace spanwright::platform
