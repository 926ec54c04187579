#pragma once

#include "AppContext.h"

#include "ui/WorkProgress.h"

// Visits the records of an open cursor: record 1, the record count, records
// 1..count in storage order with Skip. visit returns false to leave early (the
// cursor then still stands on that record). Never opens or closes anything,
// so it is safe inside a transaction.
template <typename Visit>
bool VisitRecords(SqliteTable& cursor, Visit visit) {
    cursor.GoFirst();
    const int count = cursor.RecordCount();
    WorkProgress progress(count);
    for (int n = 1; n <= count; ++n, cursor.Skip()) {
        progress.setDone(n);
        if (!visit())
            return false;
    }
    return true;
}

// Walks a table the way every feature does: the opening rule, then every
// record, and the cursor closed at the end. When visit leaves early the cursor
// stays open on that record for the caller, who closes it.
template <typename Visit>
bool WalkTable(AppContext& ctx, SqliteTable& cursor, const QString& table, Visit visit) {
    ctx.OpenTable(cursor, table);
    if (!VisitRecords(cursor, visit))
        return false;
    cursor.Close();
    return true;
}

// Deletes every record of an open cursor for which matches() is true, visiting
// each record once (after a delete the same number holds the next record).
// False as soon as a delete fails. Safe inside a transaction.
template <typename Matches>
bool DeleteMatching(SqliteTable& cursor, Matches matches) {
    cursor.GoFirst();
    const int count = cursor.RecordCount();
    WorkProgress progress(count);
    for (int visited = 0; visited < count; ++visited) {
        progress.setDone(visited);
        if (matches()) {
            const int n = cursor.RecordNumber();
            if (!cursor.DeleteCurrent())
                return false;
            cursor.GoTo(n);
        } else {
            cursor.Skip();
        }
    }
    return true;
}
