#pragma once
// The program's icon, drawn with QPainter: a slate calculator whose display
// is a yellow folding-rule scale, eleven light keys and a red equals key.
// packaging/spanwright.svg is the same drawing for the desktop menu; both
// use the 64 by 64 grid below, so a change goes into both.
//   ProgramIcon(62, 1.0) -> a 62x62 pixmap, transparent corners
//   ProgramIcon(62, 2.0) -> 124x124 device pixels, devicePixelRatio 2
//   ProgramWindowIcon()  -> a QIcon holding 16 to 256 pixel sizes
#include <QIcon>
#include <QPixmap>

namespace spanwright::about {

QPixmap ProgramIcon(int size, qreal devicePixelRatio);
QIcon ProgramWindowIcon();

}  // namespace spanwright::about
