#include "platform/picture_box.h"

#include <QPainter>

#include "platform/pictures.h"

namespace spanwright::platform {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::SetPicture(const ImageList* list, int index) {
    if (!list) index = 0;
    if (list == list_ && index == index_) return;
    list_ = list;
    index_ = index;
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
