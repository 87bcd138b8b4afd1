#include "main_window/key_pictures.h"

#include <QPainter>
#include <QPainterPath>

#include "platform/pictures.h"

namespace spanwright {
namespace {

using platform::DrawLine;

const QColor kKeyBlue(0, 0, 224);
const QColor kRed(224, 0, 0);

// Key pictures, 17 by 17 on a transparent ground.
void KeyNeg(QPainter& p) {
    DrawLine(p, Qt::black, 1.5, 1, 6.5, 6, 6.5);      // minus, upper left
    DrawLine(p, Qt::black, 1.5, 6, 15, 11, 2);        // slash
    DrawLine(p, Qt::black, 1.5, 11, 11.5, 16, 11.5);  // plus, lower right
    DrawLine(p, Qt::black, 1.5, 13.5, 9, 13.5, 14);
}
void KeyDivide(QPainter& p) { DrawLine(p, kKeyBlue, 2, 5, 15, 12, 2); }
void KeyMultiply(QPainter& p) {
    DrawLine(p, kKeyBlue, 2, 4, 4, 13, 13);
    DrawLine(p, kKeyBlue, 2, 13, 4, 4, 13);
}
void KeySubtract(QPainter& p) { DrawLine(p, kKeyBlue, 2, 3, 9, 14, 9); }
void KeyAdd(QPainter& p) {
    DrawLine(p, kKeyBlue, 2, 3, 9, 14, 9);
    DrawLine(p, kKeyBlue, 2, 8.5, 3, 8.5, 15);
}
void SmallX(QPainter& p, qreal x, qreal y, qreal size) {
    DrawLine(p, Qt::black, 1.5, x, y, x + size, y + size);
    DrawLine(p, Qt::black, 1.5, x + size, y, x, y + size);
}
void KeyFeet(QPainter& p) {
    SmallX(p, 2, 6, 8);
    DrawLine(p, kRed, 1.5, 13.5, 2, 12.5, 7);
}
void KeyInches(QPainter& p) {
    SmallX(p, 1, 6, 8);
    DrawLine(p, kRed, 1.5, 12, 2, 11, 7);
    DrawLine(p, kRed, 1.5, 15.5, 2, 14.5, 7);
}
void KeyFraction(QPainter& p) {
    SmallX(p, 1, 2, 5);
    DrawLine(p, kRed, 1.5, 5, 15, 12, 2);
    DrawLine(p, Qt::black, 1.5, 11, 9, 13.5, 12.5);   // y
    DrawLine(p, Qt::black, 1.5, 16, 9, 12, 16);
}
void KeyEquals(QPainter& p) {
    DrawLine(p, kKeyBlue, 2, 3, 6, 14, 6);
    DrawLine(p, kKeyBlue, 2, 3, 11, 14, 11);
}
void KeyBack(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    for (int x = 1; x <= 9; x += 2) p.drawRect(QRectF(x, 8, 1, 1));
    QPainterPath head;
    head.moveTo(10, 4);
    head.lineTo(15, 8.5);
    head.lineTo(10, 13);
    head.closeSubpath();
    p.drawPath(head);
}
void Sheet(QPainter& p, const QRectF& r) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRect(r);
    p.setPen(QPen(QColor(96, 96, 96), 1));
    for (qreal y = r.top() + 2.5; y < r.bottom() - 1; y += 2)
        p.drawLine(QPointF(r.left() + 2, y), QPointF(r.right() - 2, y));
}
void KeyPaste(QPainter& p) {
    p.setPen(QPen(QColor(96, 64, 16), 1));
    p.setBrush(QColor(176, 128, 64));
    p.drawRect(QRectF(1.5, 2.5, 10, 13));           // the board
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(192, 192, 192));
    p.drawRect(QRectF(4.5, 1.5, 4, 3));             // its clip
    Sheet(p, QRectF(7.5, 6.5, 8, 9.5));
}
void KeyClipboard(QPainter& p) {
    Sheet(p, QRectF(1.5, 1.5, 8, 10));
    Sheet(p, QRectF(6.5, 5.5, 8, 10));
}

void KeyLayout(QPainter& p) {
    QPainterPath triangle;
    triangle.moveTo(2.5, 14.5);
    triangle.lineTo(14.5, 14.5);
    triangle.lineTo(14.5, 3.5);
    triangle.closeSubpath();
    p.setPen(QPen(Qt::black, 1.5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(QColor(255, 255, 192));
    p.drawPath(triangle);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kRed, 1));
    p.drawRect(QRectF(11.5, 11.5, 3, 3));  // the square corner
}

}  // namespace

QIcon KeyIcon(KeyPicture picture) {
    static constexpr platform::PictureDraw kDraws[] = {KeyNeg,   KeyDivide, KeyMultiply, KeySubtract,
                                             KeyAdd,   KeyFeet,   KeyInches,   KeyFraction,
                                             KeyEquals, KeyBack,  KeyPaste,    KeyClipboard, KeyLayout};
    return platform::DrawnIcon(kDraws[static_cast<int>(picture)], kKeyPictureSize);
}

}  // namespace spanwright
