#pragma once
// The program's fixed pictures, drawn with QPainter at whatever device pixel
// ratio they are shown (crisp at 1x and 2x alike); no bitmap files.
//   ImageList1().Count() -> 5, ImageSize() -> 20x20: 1 plus, 2 minus,
//     3 times, 4 divide, 5 blank; light-blue (128,128,255) on black.
//   ImageList2().Count() -> 2, ImageSize() -> 16x16: 1 red x ("delete"),
//     2 a small black display with red figures. A menu that numbers its
//     pictures from 0 shows picture k as index k + 1.
//   ImageList1().Pixmap(1, 2.0) -> 40x40 device pixels, devicePixelRatio 2.
//   AppIcon() -> the icon every window of the program carries.
#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <vector>

class QColor;
class QPainter;
class QRect;

namespace spanwright::platform {

// Draws one picture into a square of the list's size, in logical pixels.
using PictureDraw = void (*)(QPainter&);

// A fixed list of same-sized pictures; indices start at 1.
class ImageList {
public:
    ImageList(QSize size, std::vector<PictureDraw> pictures);

    QSize ImageSize() const { return size_; }
    int Count() const { return static_cast<int>(pictures_.size()); }
    // An index outside 1..Count() gives a null icon or pixmap, and paints nothing.
    QIcon Icon(int index) const;
    QPixmap Pixmap(int index, qreal devicePixelRatio) const;
    void Paint(QPainter& painter, const QRect& target, int index) const;

private:
    QSize size_;
    std::vector<PictureDraw> pictures_;
};

const ImageList& ImageList1();
const ImageList& ImageList2();

QIcon AppIcon();

// A straight stroke with flat ends, for the drawn pictures.
void DrawLine(QPainter& p, const QColor& color, qreal width, qreal x1, qreal y1, qreal x2, qreal y2);

// An icon that draws itself at the size and pixel ratio asked for.
QIcon DrawnIcon(PictureDraw draw, QSize designSize);

}  // namespace spanwright::platform
