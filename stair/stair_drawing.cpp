#include "stair/stair_drawing.h"

#include <QPainter>
#include <array>

namespace spanwright::stair {
namespace {

// Nine risers of 225 twips and eight treads of 315 twips from (585, 2340)
// up to the landing at (3105, 315).
constexpr int kRiser = 225;
constexpr int kTread = 315;
constexpr int kFootX = 585;
constexpr int kFloorY = 2340;

constexpr StairLine Riser(const char* name, int i) {
    const int x = kFootX + i * kTread;
    const int bottom = kFloorY - i * kRiser;
    return {name, x, bottom, x, bottom - kRiser, 2};
}

constexpr StairLine Tread(const char* name, int i) {
    const int x = kFootX + i * kTread;
    const int y = kFloorY - (i + 1) * kRiser;
    return {name, x, y, x + kTread, y, 2};
}

constexpr std::array<StairLine, 34> kLines{{
    {"Line1", 135, 2340, 3465, 2340, 2},   // floor
    {"Line2", 3105, 315, 3465, 315, 2},    // landing
    {"Line30", 3105, 315, 135, 315, 1},    // upper floor
    Riser("Line11", 0), Riser("Line9", 1), Riser("Line8", 2), Riser("Line5", 3),
    Riser("Line12", 4), Riser("Line14", 5), Riser("Line16", 6), Riser("Line18", 7),
    Riser("Line20", 8),
    Tread("Line7", 0), Tread("Line6", 1), Tread("Line3", 2), Tread("Line4", 3),
    Tread("Line10", 4), Tread("Line13", 5), Tread("Line15", 6), Tread("Line17", 7),
    {"Line19", 3735, 270, 3735, 2385, 1},  // overall height
    {"Line21", 3600, 315, 3780, 315, 1},
    {"Line22", 3555, 2340, 3780, 2340, 1},
    {"Line23", 3690, 360, 3780, 270, 2},
    {"Line24", 3690, 2385, 3780, 2295, 2},
    {"Line27", 540, 2565, 3150, 2565, 1},  // overall width
    {"Line25", 585, 2385, 585, 2610, 1},
    {"Line26", 3105, 1890, 3105, 2610, 1},
    {"Line28", 540, 2610, 630, 2520, 2},
    {"Line29", 3060, 2610, 3150, 2520, 2},
    {"Line34", 1890, 810, 2160, 810, 1},   // leader from the maximum riser
    {"Line31", 2475, 855, 2115, 810, 1},
    {"Line33", 1260, 1395, 1350, 1395, 1}, // leader from the maximum tread
    {"Line32", 1395, 1665, 1350, 1395, 1},
}};

}  // namespace

std::span<const StairLine> StairLines() { return kLines; }

StairDrawing::StairDrawing(QWidget* frame) : QWidget(frame) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(frame->rect());
    lower();
}

void StairDrawing::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QColor ink = palette().color(QPalette::WindowText);
    // Twips to logical pixels without rounding to whole pixels: Qt maps the
    // logical coordinates onto the screen's device pixels at any scale.
    constexpr double kPerPixel = 15.0;
    for (const StairLine& l : kLines) {
        const QPointF a(l.x1 / kPerPixel, l.y1 / kPerPixel);
        const QPointF b(l.x2 / kPerPixel, l.y2 / kPerPixel);
        const bool straight = l.x1 == l.x2 || l.y1 == l.y2;
        // Level and plumb lines stay sharp unsmoothed; the slanted ticks and
        // leaders are smoothed so they do not look stepped.
        p.setRenderHint(QPainter::Antialiasing, !straight);
        QPen pen(ink, l.width);
        pen.setCapStyle(Qt::SquareCap);
        p.setPen(pen);
        p.drawLine(a, b);
    }
}

}  // namespace spanwright::stair
