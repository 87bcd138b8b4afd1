#pragma once
// The side view of a stair inside frmStair's Frame1: nine risers and eight
// treads between a floor and a landing, the overall height and width
// dimension lines with their extension lines and slash ticks, and the two
// leaders from the maximum fields. Drawn with QPainter from a table of
// segments in twips relative to the frame, so it is crisp at any scale.
//   {"Line1", 135, 2340, 3465, 2340, 2} -> floor from (9, 156) to (231, 156), 2 px
#include <QWidget>
#include <span>

namespace spanwright::stair {

struct StairLine {
    const char* name;
    int x1, y1, x2, y2;  // twips, relative to Frame1
    int width;           // pixels
};

// Every segment of the drawing, in the order it is painted.
std::span<const StairLine> StairLines();

// Covers Frame1 below its controls and paints the segments; it takes no
// mouse input and no focus.
class StairDrawing : public QWidget {
    Q_OBJECT
public:
    explicit StairDrawing(QWidget* frame);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace spanwright::stair
