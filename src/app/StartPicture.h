#pragma once

#include <QPixmap>

class QPainter;

// The picture shown until the first toolbar click.
QPixmap DrawStartPicture(const QSize& size);

// The two hills of the start picture and the icon, for a picture from x = left
// to right whose ground ends at bottom; y values are where the hills' edges start,
// bend and end.
struct Hills {
    qreal left, right, bottom;
    qreal farStart, farBend1, farBend2, farEnd;
    qreal nearStart, nearBend1, nearBend2, nearEnd;
};
void DrawHills(QPainter& p, const Hills& h);
