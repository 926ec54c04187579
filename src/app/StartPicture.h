#pragma once

#include <QPixmap>

// The picture shown until the first toolbar click.
QPixmap DrawStartPicture(const QSize& size);
