#include "StartPicture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

void fillHill(QPainter& p, const Hills& h, qreal start, qreal bend1, qreal bend2, qreal end, const QColor& color) {
    const qreal width = h.right - h.left;
    QPainterPath hill;
    hill.moveTo(h.left, start);
    hill.cubicTo(h.left + width * 0.27, bend1, h.left + width * 0.53, bend2, h.right, end);
    hill.lineTo(h.right, h.bottom);
    hill.lineTo(h.left, h.bottom);
    p.fillPath(hill, color);
}

} // namespace

void DrawHills(QPainter& p, const Hills& h) {
    fillHill(p, h, h.farStart, h.farBend1, h.farBend2, h.farEnd, QColor(0x5a, 0x8f, 0x6a));
    fillHill(p, h, h.nearStart, h.nearBend1, h.nearBend2, h.nearEnd, QColor(0xd9, 0xa4, 0x41));
}

QPixmap DrawStartPicture(const QSize& size) {
    QPixmap pixmap(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(0x2b, 0x6c, 0xb0));
    sky.setColorAt(1, QColor(0xe8, 0xf1, 0xfa));
    p.fillRect(pixmap.rect(), sky);

    // Two hills (the "岚" of the name: mist over mountains) and a field of wheat (丰).
    DrawHills(p, {0, 300, 400, 260, 170, 200, 230, 320, 260, 300, 290});
    p.setPen(QPen(QColor(0x8a, 0x5a, 0x1c), 2));
    for (int x = 20; x < size.width(); x += 28)
        p.drawLine(x, 395, x + 6, 330 + (x * 7) % 30);

    p.setPen(Qt::white);
    QFont title = p.font();
    title.setPointSize(28);
    title.setBold(true);
    p.setFont(title);
    p.drawText(QRect(0, 40, size.width(), 60), Qt::AlignCenter, QStringLiteral("岚丰销售"));
    QFont sub = p.font();
    sub.setPointSize(12);
    sub.setBold(false);
    p.setFont(sub);
    p.drawText(QRect(0, 100, size.width(), 30), Qt::AlignCenter, QStringLiteral("小店进销存 · 简单可靠"));
    return pixmap;
}
