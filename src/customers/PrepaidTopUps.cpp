#include "PrepaidTopUps.h"

#include "CustomerCategories.h"

#include "app/TableWalk.h"
#include "store/EncodedFields.h"
#include "store/Tables.h"
#include "ui/EventPump.h"
#include "ui/ListControl.h"
#include "ui/Prompter.h"
#include "util/MoneyCapitals.h"
#include "util/OleDate.h"
#include "util/TextForms.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>

using TextForms::numberText;
using TextForms::toNumber;

namespace {
const QString kName = QStringLiteral("客户名称");
const QString kPaidIn = QStringLiteral("累计预存");
const QString kLeft = QStringLiteral("剩余金额");
} // namespace

const QMap<int, int>& PrepaidTopUps::sortModes() {
    static const QMap<int, int> modes = {{1, 1}, {2, 1}, {3, 0}, {4, 0}, {5, 1}};
    return modes;
}

template <typename Keep> void PrepaidTopUps::listPrepaidCustomers(Keep keep) {
    SqliteTable& customers = ctx_.customersTable;
    WalkTable(ctx_, customers, Tables::kCustomers, [&] {
        if (!TextForms::isFlagSet(readPlain(customers, QStringLiteral("支持代扣"))))
            return true;
        const QString name = readPlain(customers, kName);
        const QString remark = readPlain(customers, QStringLiteral("备注"));
        if (keep(name, remark))
            ui_.prepaidList->addRow({QString::number(ui_.prepaidList->rowCount() + 1), name,
                                     readPlain(customers, QStringLiteral("客户分类")), readPlain(customers, kPaidIn),
                                     readPlain(customers, kLeft), remark});
        return true;
    });
}

void PrepaidTopUps::LoadPrepaidCustomers() {
    ui_.prepaidList->clearRows();
    ui_.history->clearRows();
    listPrepaidCustomers([](const QString&, const QString&) { return true; });
    ResetTopUpPanel();
}

void PrepaidTopUps::ResetTopUpPanel() {
    for (QLabel* label : {ui_.topUpName, ui_.topUpCategory, ui_.topUpPaidIn, ui_.topUpLeft})
        label->clear();
    ui_.topUpNote->clear();
    ui_.topUpAmount->clear();
}

void PrepaidTopUps::ShowPrepaidCustomer() {
    ui_.history->clearRows();
    ResetTopUpPanel();
    const int row = ui_.prepaidList->currentRow();
    if (row < 0)
        return;
    const QString name = ui_.prepaidList->cell(row, 1);
    SqliteTable& customers = ctx_.customersTable;
    WalkTable(ctx_, customers, Tables::kCustomers, [&] {
        if (readPlain(customers, kName) == name) { // the last matching record wins
            ui_.topUpName->setText(name);
            ui_.topUpPaidIn->setText(readPlain(customers, kPaidIn));
            ui_.topUpLeft->setText(readPlain(customers, kLeft));
            ui_.topUpCategory->setText(readPlain(customers, QStringLiteral("客户分类")));
        }
        return true;
    });
    SqliteTable& topUps = ctx_.topUpsTable;
    WalkTable(ctx_, topUps, Tables::kTopUps, [&] {
        if (readPlain(topUps, kName) == name)
            ui_.history->addRow({readPlain(topUps, QStringLiteral("预存日期")), name,
                                 readPlain(topUps, QStringLiteral("预存金额")), readPlain(topUps, QStringLiteral("预存说明"))});
        PumpEvents();
        return true;
    });
}

void PrepaidTopUps::SearchPrepaidCustomers() {
    const QString keyword = ui_.prepaidKeyword->text();
    if (TextForms::isBlank(keyword)) {
        ctx_.prompter.warn(QStringLiteral("请输入要查询的关键字！"));
        return;
    }
    ui_.prepaidList->clearRows();
    listPrepaidCustomers(
        [&](const QString& name, const QString& remark) { return name.contains(keyword) || remark.contains(keyword); });
    if (ui_.prepaidList->rowCount() == 0)
        ctx_.prompter.warn(QStringLiteral("无信息！"));
}

void PrepaidTopUps::TopUp() {
    // A row picked with the keyboard shows no customer in the panel: nobody to top up.
    if (ui_.prepaidList->currentRow() < 0 || ui_.topUpName->text().isEmpty()) {
        ctx_.prompter.warn(QStringLiteral("请选择要充值的客户！"));
        return;
    }
    if (TextForms::isBlank(ui_.topUpAmount->text())) {
        ctx_.prompter.warn(QStringLiteral("请输入充值的金额！"));
        return;
    }
    const double amount = toNumber(ui_.topUpAmount->text());
    if (!TextForms::isPositive(amount)) {
        ctx_.prompter.warn(QStringLiteral("输入的充值的金额必须大于 1 ！"));
        return;
    }
    if (!IsAmountInRange(amount)) {
        ctx_.prompter.warn(kAmountOutOfRange);
        return;
    }
    ui_.topUpAmount->setText(numberText(amount));

    if (!storeTopUp(amount)) {
        ctx_.prompter.error(QStringLiteral("客户资料写充值信息出错！"));
        return;
    }
    ctx_.prompter.info(QStringLiteral("充值成功！"));
    LoadPrepaidCustomers();
    ResetTopUpPanel();
    PumpEventsNow();
    if (categories_)
        categories_->LoadCustomers();
}

bool PrepaidTopUps::storeTopUp(double amount) {
    const QString name = ui_.topUpName->text();
    SqliteTable& topUps = ctx_.topUpsTable;
    SqliteTable& customers = ctx_.customersTable;
    ctx_.OpenTable(topUps, Tables::kTopUps);
    ctx_.OpenAlso(customers, Tables::kCustomers);
    bool stored = false;
    {
        // The history record and the customer's amounts are stored together or not at all.
        TransactionGuard transaction(ctx_.db);
        const QString date = TextForms::dateText(OleDate::fromQDateTime(ui_.topUpDate->dateTime()));
        bool recorded = transaction.began() && topUps.BeginAppend() &&
                        writePlain(topUps, QStringLiteral("预存日期"), date) && writePlain(topUps, kName, name) &&
                        writePlain(topUps, QStringLiteral("预存金额"), numberText(amount)) &&
                        writePlain(topUps, QStringLiteral("预存说明"), ui_.topUpNote->text()) && topUps.Update();
        bool found = recorded && !VisitRecords(customers, [&] { return readPlain(customers, kName) != name; });
        const double paidIn = found ? toNumber(readPlain(customers, kPaidIn)) + amount : 0;
        const double left = found ? toNumber(readPlain(customers, kLeft)) + amount : 0;
        // Sums beyond any amount are not stored.
        stored = found && IsAmountInRange(paidIn) && IsAmountInRange(left) && customers.BeginEdit() &&
                 writePlain(customers, kPaidIn, numberText(paidIn)) && writePlain(customers, kLeft, numberText(left)) &&
                 customers.Update() && transaction.commit();
    }
    topUps.Close();
    customers.Close();
    return stored;
}
