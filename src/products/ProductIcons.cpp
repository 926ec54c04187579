#include "ProductIcons.h"

#include <QPainter>
#include <QPixmap>

namespace ProductIcons {

namespace {

QIcon draw(const std::function<void(QPainter&)>& paint) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    paint(p);
    return QIcon(pixmap);
}

} // namespace

QIcon categoryIcon() {
    return draw([](QPainter& p) {
        p.setBrush(QColor(0xf0, 0xc0, 0x40));
        p.setPen(QColor(0xa0, 0x70, 0x10));
        p.drawRect(1, 4, 14, 10);
        p.drawRect(1, 2, 6, 3);
    });
}

QIcon productIcon() {
    return draw([](QPainter& p) {
        p.setBrush(QColor(0x60, 0xa0, 0xe0));
        p.setPen(QColor(0x20, 0x50, 0x90));
        p.drawRoundedRect(3, 3, 10, 10, 2, 2);
    });
}

QIcon negativeSaleIcon(bool allowed) {
    return draw([allowed](QPainter& p) {
        p.setPen(QPen(allowed ? QColor(0x20, 0x90, 0x30) : QColor(0xc0, 0x30, 0x30), 2));
        if (allowed) {
            p.drawLine(3, 8, 7, 12);
            p.drawLine(7, 12, 13, 4);
        } else {
            p.drawLine(4, 4, 12, 12);
            p.drawLine(12, 4, 4, 12);
        }
    });
}

QList<QIcon> treeImages() {
    QList<QIcon> images(25);
    images[1] = categoryIcon();
    images[24] = productIcon();
    return images;
}

} // namespace ProductIcons
