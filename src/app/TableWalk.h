#pragma once

#include "AppContext.h"

// Walks a table the way every feature does: the opening rule, record 1, the
// record count, records 1..count in storage order with Skip, and the cursor
// closed at the end. visit returns false to leave the walk early (the cursor
// then still stands on that record and stays open: the caller closes it).
template <typename Visit>
bool WalkTable(AppContext& ctx, SqliteTable& cursor, const QString& table, Visit visit) {
    ctx.OpenTable(cursor, table);
    cursor.GoFirst();
    const int count = cursor.RecordCount();
    for (int n = 1; n <= count; ++n, cursor.Skip()) {
        if (!visit())
            return false;
    }
    cursor.Close();
    return true;
}
