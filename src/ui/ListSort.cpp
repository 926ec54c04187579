#include "ListSort.h"

#include "EventPump.h"
#include "ListControl.h"
#include "WorkProgress.h"

#include "util/SortOrder.h"

#include <QElapsedTimer>

qint64 SortListByColumn(ListControl& list, int column, int mode, bool caseSensitive, bool ascending) {
    QElapsedTimer timer;
    timer.start();
    WorkProgress busy; // the sort cannot tell how far it has come
    const int rows = list.rowCount();

    // The selection is found again afterwards through the row's item value.
    std::optional<qint64> marker;
    int selected = list.currentRow();
    if (selected >= 0) {
        if (list.rowValue(selected) == 0)
            list.setRowValue(selected, 1);
        marker = list.rowValue(selected);
    }

    QStringList keys;
    keys.reserve(rows);
    for (int r = 0; r < rows; ++r)
        keys << list.cell(r, column);
    std::vector<int> order = SortOrder::insertionOrder(keys, mode, caseSensitive, PumpEvents);
    if (!ascending)
        std::reverse(order.begin(), order.end());
    list.listModel()->reorder(order);

    if (marker) {
        for (int r = 0; r < rows; ++r) {
            if (list.rowValue(r) == *marker) {
                list.setCurrentRow(r);
                list.scrollToRow(r);
                break;
            }
        }
    }
    return timer.elapsed();
}

void RenumberRows(ListControl& list) {
    WorkProgress progress(list.rowCount());
    for (int r = 0; r < list.rowCount(); ++r) {
        progress.setDone(r);
        list.setCell(r, 0, QString::number(r + 1));
        if (r % 4096 == 0)
            PumpEvents();
    }
}

void SortOnHeaderClick(ListControl& list, int column, const QMap<int, int>& modes) {
    WorkProgress work;
    if (modes.contains(column))
        SortListByColumn(list, column, modes.value(column));
    RenumberRows(list);
}
