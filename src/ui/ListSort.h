#pragma once

#include <QMap>

class ListControl;

// Sorts the list's rows by one column in the given mode (0 numeric, 1 text,
// 2 date); the selected row stays selected and in view, images stay with the
// row positions. Returns the milliseconds it took.
qint64 SortListByColumn(ListControl& list, int column, int mode, bool caseSensitive = true, bool ascending = true);

// Rewrites column 0 ("序号") with 1, 2, 3 … from the top.
void RenumberRows(ListControl& list);

// The header-click handling the lists share: sorts when the column has a
// mode, then renumbers in any case.
void SortOnHeaderClick(ListControl& list, int column, const QMap<int, int>& modes);
