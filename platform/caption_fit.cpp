#include "platform/caption_fit.h"

namespace spanwright::platform {

QRect GrownToFit(QRect box, QSize need, Qt::Alignment keep) {
    if (const int wider = need.width() - box.width(); wider > 0) {
        if (keep & Qt::AlignRight) box.setLeft(box.left() - wider);
        else box.setWidth(need.width());
    }
    if (const int taller = need.height() - box.height(); taller > 0) {
        if (!(keep & Qt::AlignTop)) box.moveTop(box.top() - taller / 2);
        box.setHeight(need.height());
    }
    return box;
}

}  // namespace spanwright::platform
