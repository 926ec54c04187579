#include "AppIcon.h"
#include "StartPicture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

QImage DrawAppIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0); // drawn on a 64 × 64 grid

    QPainterPath tile;
    tile.addRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    QLinearGradient sky(0, 2, 0, 62);
    sky.setColorAt(0, QColor(0x2b, 0x6c, 0xb0));
    sky.setColorAt(1, QColor(0x9c, 0xc4, 0xe8));
    p.fillPath(tile, sky);
    p.setClipPath(tile);

    DrawHills(p, {2, 62, 62, 44, 24, 30, 36, 52, 42, 50, 48});
    p.setClipping(false);

    // The coin, with a square hole as old Chinese coins have.
    p.setPen(QPen(QColor(0x8a, 0x5a, 0x1c), 2));
    p.setBrush(QColor(0xf5, 0xc5, 0x42));
    p.drawEllipse(QPointF(44, 20), 11, 11);
    p.setBrush(QColor(0x2b, 0x6c, 0xb0));
    p.drawRect(QRectF(40.5, 16.5, 7, 7));
    return image;
}
