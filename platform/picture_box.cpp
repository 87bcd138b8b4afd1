#include "picture_box.h"

#include <QPainter>

#include "pictures.h"

namespace spanwright::platform {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::SetPicture(const ImageList* list, int index) {
    list_ = list;
    index_ = list ? index : 0;
    update();
}

void PictureBox::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (!list_) return;
    QRect target(QPoint(0, 0), list_->ImageSize());
    target.moveCenter(rect().center());
    list_->Paint(painter, target, index_);
}

}  // namespace spanwright::platform
