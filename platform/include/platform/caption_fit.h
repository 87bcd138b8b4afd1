#pragma once
// A control's box grown by the least that shows its caption: never shrunk;
// a wider box keeps its left edge (or its right edge, kept by AlignRight),
// a taller one grows about its middle, so the caption stays on its designed
// line, the odd pixel going down (or keeps its top, with AlignTop).
//   GrownToFit({10, 20, 112, 13}, {122, 19})                -> {10, 17, 122, 19}
//   GrownToFit({10, 20, 112, 13}, {122, 18})                -> {10, 18, 122, 18}
//   GrownToFit({10, 20, 112, 13}, {100, 10})                -> {10, 20, 112, 13}
//   GrownToFit({10, 20, 112, 13}, {122, 19}, AlignRight | AlignTop) -> {0, 20, 122, 19}
#include <QRect>
#include <QSize>

namespace spanwright::platform {

QRect GrownToFit(QRect box, QSize need, Qt::Alignment keep = Qt::AlignLeft | Qt::AlignVCenter);

}  // namespace spanwright::platform
