#include "RecordMaintenance.h"

#include "SalesQuery.h"
#include "SalesRecordDialog.h"

#include "app/TableWalk.h"
#include "store/EncodedFields.h"
#include "store/Tables.h"
#include "ui/EventPump.h"
#include "ui/ListControl.h"
#include "ui/Prompter.h"

#include <QHash>
#include <QSet>

#include <map>
#include <set>

namespace {

const QString kMethod = QStringLiteral("方式");

QString rowKey(const ListControl& list, int row) {
    QStringList cells;
    for (int c = QueryColumn::Date; c <= QueryColumn::Remark; ++c)
        cells << list.cell(row, c);
    return cells.join(QChar(0));
}

} // namespace

bool RecordMaintenance::RecordMatchesRow(SqliteTable& sales, int row) const {
    for (int i = 0; i < QueryRowFields().size(); ++i)
        if (readPlain(sales, QueryRowFields()[i]) != ui_.list->cell(row, QueryColumn::Date + i))
            return false;
    return true;
}

void RecordMaintenance::MarkSelectedRecords(const QString& state) {
    ListControl& list = *ui_.list;
    const QList<int> selected = list.selectedRows();
    if (selected.isEmpty()) {
        ctx_.prompter.warn(QStringLiteral("请选中要标记的项目！"));
        return;
    }
    // Each record is compared with every selected row in turn, and a row that
    // matched shows the new state at once, so it matches no later record
    // unless that one already held the state. Rows are indexed by their nine
    // texts so a record costs one lookup instead of one comparison per row.
    std::map<QString, std::set<int>> rowsByKey; // key → positions in `selected`
    QSet<QString> numbers;                      // 编号 never changes: a cheap first test
    for (int i = 0; i < selected.size(); ++i) {
        rowsByKey[rowKey(list, selected[i])].insert(i);
        numbers.insert(list.cell(selected[i], QueryColumn::Number));
    }

    QList<QPair<int, QString>> shownBefore; // rows changed so far, to put back if the file is not changed
    SqliteTable& sales = ctx_.salesTable;
    ctx_.OpenTable(sales, Tables::kSales);
    bool written = true;
    {
        TransactionGuard transaction(ctx_.db);
        written = transaction.began() && VisitRecords(sales, [&] {
            PumpEvents();
            if (!numbers.contains(readPlain(sales, QStringLiteral("编号"))))
                return true;
            QStringList fields;
            for (const QString& f : QueryRowFields())
                fields << readPlain(sales, f);
            int after = -1; // selected rows up to here were compared already
            while (true) {
                const QString key = fields.join(QChar(0));
                auto found = rowsByKey.find(key);
                if (found == rowsByKey.end())
                    return true;
                auto next = found->second.upper_bound(after);
                if (next == found->second.end())
                    return true;
                const int index = *next;
                const int row = selected[index];
                if (!(sales.BeginEdit() && writePlain(sales, kMethod, state) && sales.Update()))
                    return false;
                shownBefore.append({row, list.cell(row, QueryColumn::Method)});
                list.setCell(row, QueryColumn::Method, state);
                SalesQuery::ApplyStateIcon(list, row);
                found->second.erase(next);
                fields[7] = state; // the record now holds the state, and so does the row
                rowsByKey[fields.join(QChar(0))].insert(index);
                after = index;
            }
        });
        written = written && transaction.commit();
    }
    sales.Close();
    if (!written) {
        // Nothing was stored: the rows show what the file holds again.
        for (auto it = shownBefore.crbegin(); it != shownBefore.crend(); ++it) {
            list.setCell(it->first, QueryColumn::Method, it->second);
            SalesQuery::ApplyStateIcon(list, it->first);
        }
        ctx_.prompter.error(QStringLiteral("标记失败，数据未改动！"));
    }
}

void RecordMaintenance::DeleteSalesRecord() {
    ListControl& list = *ui_.list;
    const int row = list.currentRow();
    const QString state = list.cell(row, QueryColumn::Method);
    if (state == QStringLiteral("代扣") || state == QStringLiteral("记账")) {
        ctx_.prompter.warn(QStringLiteral("记账或代扣项目不可删除！\r\n记账为未结算金额；代扣已抵扣充值金额！"));
        return;
    }
    if (list.selectedRows().size() != 1) {
        ctx_.prompter.warn(QStringLiteral("只能单条删除记录，请勿多选！"));
        return;
    }
    SqliteTable& sales = ctx_.salesTable;
    bool deleted = false;
    if (!WalkTable(ctx_, sales, Tables::kSales, [&] { return !RecordMatchesRow(sales, row); }))
        deleted = sales.DeleteCurrent();
    sales.Close();
    if (deleted) {
        list.removeRow(row);
        ctx_.prompter.info(QStringLiteral("销售记录删除成功！"));
    }
    query_.RecomputePageTotals();
}

void RecordMaintenance::EditSalesRecord() {
    if (ui_.list->selectedRows().size() != 1) {
        ctx_.prompter.warn(QStringLiteral("只能单条修改记录，请勿多选！"));
        return;
    }
    SalesRecordDialog dialog(ctx_, *this, *ui_.list, ui_.list->selectedRows().first(), ui_.list->window());
    ctx_.prompter.runDialog(dialog);
    if (dialog.changed())
        query_.RecomputePageTotals();
}
