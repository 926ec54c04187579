#pragma once

#include "QueryControls.h"
#include "RecordMaintenance.h"
#include "SalesQuery.h"

#include <QWidget>

class AppContext;

// The "数据查询" page: the query list with its loads and filters, the totals,
// marking, editing and deleting records, and the spreadsheet export.
class QueryPage : public QWidget {
    Q_OBJECT

public:
    explicit QueryPage(AppContext& ctx, QWidget* parent = nullptr);

    // The toolbar's entry steps (after the password check).
    void EnterSection();

    SalesQuery& query() { return query_; }
    RecordMaintenance& records() { return records_; }

private:
    void buildControls();
    void wireEvents();

    AppContext& ctx_;
    QueryControls ui_;
    SalesQuery query_;
    RecordMaintenance records_;
};
