#pragma once

#include <QImage>

// The program's own icon, drawn at any size: the hills of the start picture
// (mist over mountains) on a blue tile, with a gold coin for the till.
QImage DrawAppIcon(int size);
