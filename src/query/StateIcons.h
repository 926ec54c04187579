#pragma once

#include <QIcon>
#include <QList>

// The query list's image set: index 0 已结, 2 记账, 5 代扣.
QList<QIcon> QueryStateImages();
