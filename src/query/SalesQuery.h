#pragma once

#include "QueryControls.h"

#include <QSet>
#include <QString>

class AppContext;

// Loading sales records into the query list (by keyword or date range),
// narrowing it with the customer, amount and method filters, and the page
// and selection totals.
class SalesQuery {
public:
    SalesQuery(AppContext& ctx, const QueryControls& ui) : ctx_(ctx), ui_(ui) {}

    void RunKeywordQuery();
    void RunDateRangeQuery();
    void FilterByCustomer();
    void FilterByAmount();
    void FilterByMethod();
    void RecomputePageTotals();
    void RenumberQueryRows();
    void UpdateSelectionTotal();
    void OnHeaderClick(int column);
    void OnRightClick();
    // The method check boxes set these when clicked; the filter reads the flags.
    void setMethodFlag(const QString& method, bool on);

    // Sets the state icon of a row's column 8 from its text.
    static void ApplyStateIcon(ListControl& list, int row);

private:
    // Loads every record whose list row (its nine fields in columns 1 to 9) passes matches().
    template <typename Matches> void load(Matches matches);
    // Adds a list row, numbering it.
    void AppendQueryRow(QStringList cells);
    template <typename Keep> void filterRows(Keep keep);

    AppContext& ctx_;
    const QueryControls& ui_;
    // The combo's items, by the address of their text: a load gives equal names one text.
    QSet<const QChar*> customersListed_;
    bool settledFlag_ = false;
    bool onAccountFlag_ = false;
    bool prepaidFlag_ = false;
};
