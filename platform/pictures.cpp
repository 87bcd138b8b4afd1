#include "platform/pictures.h"

#include <QIconEngine>
#include <QPainter>

namespace spanwright::platform {
namespace {

const QColor kLightBlue(128, 128, 255);
const QColor kRed(224, 0, 0);

QPen Pen(const QColor& color, qreal width) {
    return QPen(color, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
}

// Image list 1: operator symbols on black, 20 by 20. Strokes of width 2 on
// whole coordinates cover whole pixels, so the bars are sharp at 1x.
void Black20(QPainter& p) { p.fillRect(QRectF(0, 0, 20, 20), Qt::black); }
void OpPlus(QPainter& p) {
    Black20(p);
    DrawLine(p, kLightBlue, 2, 10, 4, 10, 16);
    DrawLine(p, kLightBlue, 2, 4, 10, 16, 10);
}
void OpMinus(QPainter& p) {
    Black20(p);
    DrawLine(p, kLightBlue, 2, 4, 10, 16, 10);
}
void OpTimes(QPainter& p) {
    Black20(p);
    DrawLine(p, kLightBlue, 2, 5, 5, 15, 15);
    DrawLine(p, kLightBlue, 2, 15, 5, 5, 15);
}
void OpDivide(QPainter& p) {
    Black20(p);
    DrawLine(p, kLightBlue, 2, 4, 10, 16, 10);
    p.setPen(Qt::NoPen);
    p.setBrush(kLightBlue);
    p.drawEllipse(QPointF(10, 5), 1.6, 1.6);
    p.drawEllipse(QPointF(10, 15), 1.6, 1.6);
}
void OpBlank(QPainter& p) { Black20(p); }

// Image list 2: the memory menu's pictures, 16 by 16.
void MenuDelete(QPainter& p) {
    DrawLine(p, kRed, 2, 4, 4, 12, 12);
    DrawLine(p, kRed, 2, 12, 4, 4, 12);
}
void MenuDisplay(QPainter& p) {
    p.fillRect(QRectF(1, 4, 14, 9), Qt::black);
    // Three red seven-segment figures, "1", "2", "7".
    const qreal w = 1;
    DrawLine(p, kRed, w, 4.5, 6, 4.5, 11);           // 1
    DrawLine(p, kRed, w, 6, 6.5, 9, 6.5);            // 2: top
    DrawLine(p, kRed, w, 8.5, 6.5, 8.5, 8.5);        //    upper right
    DrawLine(p, kRed, w, 6, 8.5, 9, 8.5);            //    middle
    DrawLine(p, kRed, w, 6.5, 8.5, 6.5, 10.5);       //    lower left
    DrawLine(p, kRed, w, 6, 10.5, 9, 10.5);          //    bottom
    DrawLine(p, kRed, w, 10, 6.5, 13, 6.5);          // 7: top
    DrawLine(p, kRed, w, 12.5, 6.5, 12.5, 11);       //    right
}

// The program's icon: a small calculator with a green-on-black display.
void App(QPainter& p) {
    p.setPen(QPen(QColor(40, 48, 64), 1));
    p.setBrush(QColor(88, 104, 136));
    p.drawRoundedRect(QRectF(3.5, 1.5, 25, 29), 3, 3);
    p.fillRect(QRectF(6, 4, 20, 7), Qt::black);
    DrawLine(p, QColor(0, 192, 0), 1.5, 19, 5.5, 18, 9.5);   // a feet mark
    DrawLine(p, QColor(0, 192, 0), 1.5, 22, 5.5, 22, 9.5);   // a one
    p.setPen(Qt::NoPen);
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 4; ++col) {
            p.setBrush(col == 3 ? QColor(128, 128, 255) : QColor(232, 232, 232));
            p.drawRect(QRectF(6 + col * 5.25, 13.5 + row * 4.25, 4, 3));
        }
    }
}

class DrawnIconEngine final : public QIconEngine {
public:
    DrawnIconEngine(PictureDraw draw, QSize design) : draw_(draw), design_(design) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->translate(rect.topLeft());
        painter->scale(qreal(rect.width()) / design_.width(), qreal(rect.height()) / design_.height());
        if (mode == QIcon::Disabled) painter->setOpacity(0.4);
        draw_(*painter);
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pm(size);
        pm.fill(Qt::transparent);
        QPainter painter(&pm);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pm;
    }

    QIconEngine* clone() const override { return new DrawnIconEngine(draw_, design_); }
    QString key() const override { return QStringLiteral("spanwright-drawn"); }

private:
    PictureDraw draw_;
    QSize design_;
};

}  // namespace

void DrawLine(QPainter& p, const QColor& color, qreal width, qreal x1, qreal y1, qreal x2, qreal y2) {
    p.setPen(Pen(color, width));
    p.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

QIcon DrawnIcon(PictureDraw draw, QSize designSize) {
    return QIcon(new DrawnIconEngine(draw, designSize));  // QIcon owns its engine
}

ImageList::ImageList(QSize size, std::vector<PictureDraw> pictures)
    : size_(size), pictures_(std::move(pictures)) {}

QIcon ImageList::Icon(int index) const {
    if (index < 1 || index > Count()) return {};
    return DrawnIcon(pictures_[static_cast<std::size_t>(index - 1)], size_);
}

QPixmap ImageList::Pixmap(int index, qreal devicePixelRatio) const {
    if (index < 1 || index > Count()) return {};
    QPixmap pm(size_ * devicePixelRatio);
    pm.setDevicePixelRatio(devicePixelRatio);
    pm.fill(Qt::transparent);
    QPainter painter(&pm);
    Paint(painter, QRect(QPoint(0, 0), size_), index);
    return pm;
}

void ImageList::Paint(QPainter& painter, const QRect& target, int index) const {
    if (index < 1 || index > Count()) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(target.topLeft());
    painter.scale(qreal(target.width()) / size_.width(), qreal(target.height()) / size_.height());
    pictures_[static_cast<std::size_t>(index - 1)](painter);
    painter.restore();
}

const ImageList& ImageList1() {
    static const ImageList list(QSize(20, 20), {OpPlus, OpMinus, OpTimes, OpDivide, OpBlank});
    return list;
}

const ImageList& ImageList2() {
    static const ImageList list(QSize(16, 16), {MenuDelete, MenuDisplay});
    return list;
}

QIcon AppIcon() { return DrawnIcon(App, QSize(32, 32)); }

}  // namespace spanwright::platform
