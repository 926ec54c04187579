#pragma once

#include "QueryControls.h"

#include <QString>

class AppContext;
class SalesQuery;
class SqliteTable;

// Settling, deleting and editing the sales records behind rows of the query
// list. A row carries no record identifier: its record is found again by
// comparing all nine stored fields with the row's columns 1 to 9.
class RecordMaintenance {
public:
    RecordMaintenance(AppContext& ctx, const QueryControls& ui, SalesQuery& query)
        : ctx_(ctx), ui_(ui), query_(query) {}

    // The current record of sales equals the row, field by field as text.
    bool RecordMatchesRow(SqliteTable& sales, int row) const;
    void MarkSelectedRecords(const QString& state);
    void DeleteSalesRecord();
    void EditSalesRecord();

private:
    AppContext& ctx_;
    const QueryControls& ui_;
    SalesQuery& query_;
};
