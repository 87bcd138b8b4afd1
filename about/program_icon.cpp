#include "about/program_icon.h"

#include <QPainter>
#include <QPainterPath>

namespace spanwright::about {

namespace {

const QColor kBody(0x2f, 0x3e, 0x56);
const QColor kScale(0xf4, 0xd3, 0x5e);
const QColor kTick(0x2b, 0x23, 0x10);
const QColor kKey(0xe6, 0xe9, 0xef);
const QColor kEquals(192, 0, 0);

// Draws on the 64 by 64 grid of packaging/spanwright.svg.
void Draw(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(kBody);
    p.drawRoundedRect(QRectF(8, 2, 48, 60), 6, 6);

    p.setBrush(kScale);
    p.drawRoundedRect(QRectF(13, 7, 38, 14), 2, 2);
    // Ruler ticks every 3 units, a long one every fourth.
    p.setPen(QPen(kTick, 1.2, Qt::SolidLine, Qt::FlatCap));
    for (int i = 0; i < 12; ++i) {
        const qreal x = 15.5 + 3 * i;
        p.drawLine(QPointF(x, 7), QPointF(x, i % 4 == 0 ? 15 : 11));
    }

    p.setPen(Qt::NoPen);
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 3; ++col) {
            p.setBrush(row == 3 && col == 2 ? kEquals : kKey);
            p.drawRoundedRect(QRectF(13 + 14 * col, 25 + 9 * row, 10, 7), 1.5, 1.5);
        }
    }
}

}  // namespace

QPixmap ProgramIcon(int size, qreal devicePixelRatio) {
    const int device = qRound(size * devicePixelRatio);
    QPixmap pixmap(device, device);
    pixmap.fill(Qt::transparent);
    {
        QPainter p(&pixmap);
        p.scale(device / 64.0, device / 64.0);
        Draw(p);
    }
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

QIcon ProgramWindowIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(ProgramIcon(size, 1.0));
    return icon;
}

}  // namespace spanwright::about
