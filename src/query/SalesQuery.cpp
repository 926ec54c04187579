#include "SalesQuery.h"

#include "QueryRowDecoder.h"

#include "app/TableWalk.h"
#include "store/Tables.h"
#include "ui/EventPump.h"
#include "ui/ListControl.h"
#include "ui/ListSort.h"
#include "ui/Prompter.h"
#include "ui/WorkProgress.h"
#include "util/OleDate.h"
#include "util/TextForms.h"

#include <QComboBox>
#include <QCursor>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSet>

using TextForms::numberText;
using TextForms::toNumber;

namespace {

const QString kSettled = QStringLiteral("已结");
const QString kOnAccount = QStringLiteral("记账");
const QString kPrepaid = QStringLiteral("代扣");


double datePartOf(const QDate& date) { return OleDate::fromQDateTime(QDateTime(date, QTime(0, 0))); }

// The page's running sums of quantity and amount. They go through their text
// form at every step, as the labels hold them.
class PageTotals {
public:
    void add(const QString& quantity, const QString& amount) { addNumbers(toNumber(quantity), toNumber(amount)); }
    void addNumbers(double quantity, double amount) {
        lastQuantity_ = quantity_ + quantity;
        lastAmount_ = amount_ + amount;
        quantity_ = TextForms::throughText(lastQuantity_);
        amount_ = TextForms::throughText(lastAmount_);
        any_ = true;
    }
    void show(const QueryControls& ui) const {
        ui.quantityTotal->setText(any_ ? numberText(lastQuantity_) : QString());
        ui.amountTotal->setText(any_ ? numberText(lastAmount_) : QString());
    }

private:
    double quantity_ = 0, amount_ = 0;         // the sums as their texts read
    double lastQuantity_ = 0, lastAmount_ = 0; // the last sums, before they became text
    bool any_ = false;
};

} // namespace

const QStringList& QueryRowFields() {
    static const QStringList fields = {QStringLiteral("日期"), QStringLiteral("客户"), QStringLiteral("编号"),
                                       QStringLiteral("名称"), QStringLiteral("单价"), QStringLiteral("数量"),
                                       QStringLiteral("金额"), QStringLiteral("方式"), QStringLiteral("备注")};
    return fields;
}

void SalesQuery::ApplyStateIcon(ListControl& list, int row) {
    const QString state = list.cell(row, QueryColumn::Method);
    if (state == kSettled)
        list.setCellIcon(row, QueryColumn::Method, 0);
    else if (state == kOnAccount)
        list.setCellIcon(row, QueryColumn::Method, 2);
    else if (state == kPrepaid)
        list.setCellIcon(row, QueryColumn::Method, 5);
}

void SalesQuery::AppendQueryRow(QStringList cells) {
    ListControl& list = *ui_.list;
    cells[QueryColumn::Serial] = QString::number(list.rowCount() + 1);
    int row = list.addRow(cells);
    ApplyStateIcon(list, row);
    const QString customer = cells.at(QueryColumn::Customer); // at(): the list shares cells now
    if (!customersListed_.contains(customer.constData())) {
        customersListed_.insert(customer.constData());
        ui_.customer->addItem(customer);
    }
}

template <typename Matches> void SalesQuery::load(Matches matches) {
    WorkProgress work;
    ui_.list->clearRows();
    ui_.customer->clear();
    customersListed_.clear();
    PumpEventsNow(); // the emptied list shows before the table is read
    SqliteTable& sales = ctx_.salesTable;
    PageTotals totals; // summed as rows come, while they are at hand
    QueryRowDecoder decoder(static_cast<int>(QueryRowFields().size()), matches, [&](QueryRowDecoder::Row&& row) {
        totals.addNumbers(row.quantity, row.amount);
        AppendQueryRow(std::move(row.cells));
    });
    SqliteTable::StoredBytes stored;
    // The walk opens the table this same way (and finds it open); its record
    // count says how many rows the list may need.
    ctx_.OpenTable(sales, Tables::kSales);
    ui_.list->reserveRows(sales.RecordCount());
    WalkTable(ctx_, sales, Tables::kSales, [&] {
        // All nine fields with one statement: the record as it stands at this moment.
        sales.ReadFieldBytes(QueryRowFields(), stored);
        decoder.add(stored);
        PumpEvents();
        return true;
    });
    decoder.finish();
    ui_.customer->setCurrentIndex(-1);
    if (ui_.list->rowCount() == 0)
        ctx_.prompter.warn(QStringLiteral("无信息！"));
    totals.show(ui_);
}

void SalesQuery::RunKeywordQuery() {
    const QString keyword = ui_.keyword->text();
    if (TextForms::isBlank(keyword)) {
        ctx_.prompter.warn(QStringLiteral("请输入要查询的内容！"));
        return;
    }
    load([&](const QStringList& row) {
        return row[QueryColumn::Customer].contains(keyword) || row[QueryColumn::Name].contains(keyword) ||
               row[QueryColumn::Remark].contains(keyword);
    });
}

void SalesQuery::RunDateRangeQuery() {
    const double from = datePartOf(ui_.from->date());
    const double to = datePartOf(ui_.to->date());
    load([&](const QStringList& row) {
        double day = OleDate::datePart(TextForms::toDateTime(row[QueryColumn::Date]));
        return day >= from && day <= to;
    });
}

template <typename Keep> void SalesQuery::filterRows(Keep keep) {
    ListControl& list = *ui_.list;
    WorkProgress progress(list.rowCount());
    std::vector<bool> kept(list.rowCount());
    for (int row = 0; row < list.rowCount(); ++row) {
        kept[row] = keep(row);
        if (row % 4096 == 0) {
            progress.setDone(row);
            PumpEvents();
        }
    }
    list.retainRows(kept);
    RecomputePageTotals();
    RenumberQueryRows();
}

void SalesQuery::FilterByCustomer() {
    if (ui_.customer->currentIndex() < 0)
        return;
    const QString customer = ui_.customer->currentText();
    filterRows([&](int row) { return ui_.list->cell(row, QueryColumn::Customer) == customer; });
}

void SalesQuery::FilterByAmount() {
    if (ui_.amountFrom->text().isEmpty() || ui_.amountTo->text().isEmpty())
        return;
    const double low = toNumber(ui_.amountFrom->text());
    const double high = toNumber(ui_.amountTo->text());
    filterRows([&](int row) {
        double amount = toNumber(ui_.list->cell(row, QueryColumn::Amount));
        return !TextForms::isNegative(amount - low) && !TextForms::isPositive(amount - high);
    });
}

void SalesQuery::setMethodFlag(const QString& method, bool on) {
    if (method == kSettled)
        settledFlag_ = on;
    else if (method == kOnAccount)
        onAccountFlag_ = on;
    else if (method == kPrepaid)
        prepaidFlag_ = on;
}

void SalesQuery::FilterByMethod() {
    const bool all = settledFlag_ && onAccountFlag_ && prepaidFlag_;
    const bool none = !settledFlag_ && !onAccountFlag_ && !prepaidFlag_;
    if (all || none)
        return;
    filterRows([&](int row) {
        const QString state = ui_.list->cell(row, QueryColumn::Method);
        return (prepaidFlag_ && state == kPrepaid) || (settledFlag_ && state == kSettled) ||
               (onAccountFlag_ && state == kOnAccount);
    });
}

void SalesQuery::RecomputePageTotals() {
    PageTotals totals;
    const ListControl& list = *ui_.list;
    for (int row = 0; row < list.rowCount(); ++row) {
        totals.add(list.cell(row, QueryColumn::Quantity), list.cell(row, QueryColumn::Amount));
        if (row % 4096 == 0)
            PumpEvents();
    }
    totals.show(ui_);
}

void SalesQuery::RenumberQueryRows() { RenumberRows(*ui_.list); }

void SalesQuery::UpdateSelectionTotal() {
    ui_.selectedTotal->setText(QStringLiteral("0"));
    const QList<int> selected = ui_.list->selectedRows();
    if (selected.isEmpty())
        return;
    bool anyPrepaid = false;
    for (int row : selected) {
        ui_.selectedTotal->setText(
            numberText(toNumber(ui_.selectedTotal->text()) + toNumber(ui_.list->cell(row, QueryColumn::Amount))));
        anyPrepaid |= ui_.list->cell(row, QueryColumn::Method) == kPrepaid;
    }
    ui_.markSettled->setEnabled(!anyPrepaid);
    ui_.markOnAccount->setEnabled(!anyPrepaid);
}

void SalesQuery::OnHeaderClick(int column) {
    static const QMap<int, int> modes = {{1, 2}, {2, 1}, {3, 1}, {4, 1}, {5, 0}, {6, 0}, {7, 0}, {8, 1}, {9, 1}};
    WorkProgress work;
    SortOnHeaderClick(*ui_.list, column, modes);
    // Images stay with row positions when rows move; give each row its own state icon again.
    for (int row = 0; row < ui_.list->rowCount(); ++row) {
        ApplyStateIcon(*ui_.list, row);
        if (row % 4096 == 0)
            PumpEvents();
    }
}

void SalesQuery::OnRightClick() {
    if (!ui_.list->selectedRows().isEmpty())
        ui_.menu->popup(QCursor::pos());
}
