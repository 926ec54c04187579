#include "StateIcons.h"

#include <QPainter>
#include <QPixmap>

namespace {

QIcon dot(const QColor& colour) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(colour);
    p.setPen(colour.darker(150));
    p.drawEllipse(3, 3, 10, 10);
    return QIcon(pixmap);
}

} // namespace

QList<QIcon> QueryStateImages() {
    QList<QIcon> images(6);
    images[0] = dot(QColor(0x30, 0xa0, 0x40)); // 已结: settled, green
    images[2] = dot(QColor(0xe0, 0xa0, 0x20)); // 记账: on account, amber
    images[5] = dot(QColor(0x30, 0x70, 0xd0)); // 代扣: from the balance, blue
    return images;
}
