#include "Checkout.h"

#include "Cart.h"
#include "ProductBrowser.h"

#include "app/TableWalk.h"
#include "products/ProductRow.h"
#include "store/EncodedFields.h"
#include "store/Tables.h"
#include "ui/EventPump.h"
#include "ui/ListControl.h"
#include "ui/Prompter.h"
#include "util/OleDate.h"
#include "util/TextForms.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QRadioButton>

using TextForms::numberText;
using TextForms::toNumber;

namespace {
const QString kCustomerName = QStringLiteral("客户名称");
const QString kBalance = QStringLiteral("剩余金额");
} // namespace

Checkout::Checkout(AppContext& ctx, const SalesControls& ui, Cart& cart, ProductBrowser& browser)
    : ctx_(ctx), ui_(ui), cart_(cart), browser_(browser) {}

void Checkout::FillCustomerChoice() {
    ui_.customer->clear();
    prepaidFlags_.clear();
    SqliteTable& customers = ctx_.customersTable;
    ctx_.OpenTable(customers, Tables::kCustomers);
    if (ui_.customerCount)
        ui_.customerCount->setText(QString::number(customers.RecordCount()));
    WalkTable(ctx_, customers, Tables::kCustomers, [&] {
        ui_.customer->addItem(readPlain(customers, kCustomerName));
        prepaidFlags_ << TextForms::flagText(TextForms::isFlagSet(readPlain(customers, QStringLiteral("支持代扣"))));
        PumpEvents();
        return true;
    });
    ui_.customer->setCurrentIndex(-1);
}

void Checkout::OnCustomerPicked(int index) {
    if (TextForms::isFlagSet(prepaidFlags_.value(index))) {
        ui_.prepaid->setEnabled(true);
        return;
    }
    ui_.prepaid->setEnabled(false);
    if (ui_.prepaid->isChecked()) {
        ui_.payment->setExclusive(false);
        ui_.prepaid->setChecked(false);
        ui_.payment->setExclusive(true);
    }
}

void Checkout::RunCheckout() {
    if (cart_.isEmpty()) {
        ctx_.prompter.warn(QStringLiteral("购物车无商品信息！"));
        return;
    }
    if (ui_.customer->currentIndex() < 0) {
        ctx_.prompter.warn(QStringLiteral("请选择购买商品的客户！"));
        return;
    }
    QString method;
    if (ui_.cash->isChecked())
        method = QStringLiteral("已结");
    else if (ui_.onAccount->isChecked())
        method = QStringLiteral("记账");
    else if (ui_.prepaid->isChecked())
        method = QStringLiteral("代扣");
    else {
        ctx_.prompter.warn(QStringLiteral("请选择结账方式！"));
        return;
    }

    QString storedBalance;
    Outcome outcome = writeSale(method, storedBalance);
    ctx_.productsTable.Close();
    ctx_.salesTable.Close();
    ctx_.customersTable.Close();
    switch (outcome) {
    case Outcome::CustomerMissing:
        ctx_.prompter.warn(QStringLiteral("未找到该客户的资料，请重新选择购买客户！"));
        return;
    case Outcome::BalanceShort:
        ctx_.prompter.warn(QStringLiteral("用户代扣金额不足，请联系客户充值！\r\n%1 余额：%2")
                               .arg(ui_.customer->currentText(), storedBalance));
        return;
    case Outcome::Failed:
        // Nothing was stored; the cart stays for another try.
        ctx_.prompter.error(QStringLiteral("出现紧急问题，请联系开发人员！"));
        return;
    case Outcome::Done: break;
    }
    ctx_.flags.customersPageLoaded = false;
    ctx_.flags.queryPageEntered = false;
    ctx_.flags.warehouseBrowserLoaded = false;
    ctx_.prompter.info(QStringLiteral("商品销售录入成功！"));
    browser_.ResetSalesEntry();
    ui_.cart->clearRows();
}

Checkout::Outcome Checkout::writeSale(const QString& method, QString& storedBalance) {
    const QString customerName = ui_.customer->currentText();
    const bool prepaid = method == QStringLiteral("代扣");
    const double total = cart_.linesTotal();
    SqliteTable& customers = ctx_.customersTable;
    SqliteTable& sales = ctx_.salesTable;
    SqliteTable& products = ctx_.productsTable;

    // All three tables on one connection, so one transaction covers them.
    ctx_.OpenTable(customers, Tables::kCustomers);
    ctx_.OpenAlso(sales, Tables::kSales);
    ctx_.OpenAlso(products, Tables::kProducts);
    if (!customers.IsOpen() || !sales.IsOpen() || !products.IsOpen())
        return Outcome::Failed;

    double balance = 0;
    if (prepaid) {
        bool found = !VisitRecords(customers, [&] { return readPlain(customers, kCustomerName) != customerName; });
        if (!found)
            return Outcome::CustomerMissing;
        storedBalance = readPlain(customers, kBalance);
        balance = toNumber(storedBalance);
        if (TextForms::isNegative(balance - total))
            return Outcome::BalanceShort;
    }

    TransactionGuard transaction(ctx_.db);
    if (!transaction.began())
        return Outcome::Failed;
    if (prepaid && !(customers.BeginEdit() && writePlain(customers, kBalance, numberText(balance - total)) &&
                     customers.Update()))
        return Outcome::Failed;

    const ListControl& cart = *ui_.cart;
    const QString date = TextForms::dateText(OleDate::fromQDateTime(ui_.date->dateTime()));
    const QStringList fields = Tables::fieldsOf(Tables::kSales);
    for (int line = 0; line < cart.rowCount(); ++line) {
        const QStringList values = {date,
                                    customerName,
                                    cart.cell(line, Cart::Number),
                                    cart.cell(line, Cart::Name),
                                    cart.cell(line, Cart::Price),
                                    cart.cell(line, Cart::Quantity),
                                    cart.cell(line, Cart::Amount),
                                    cart.cell(line, Cart::Remark),
                                    method};
        if (!sales.BeginAppend())
            return Outcome::Failed;
        for (int f = 0; f < fields.size(); ++f)
            writePlain(sales, fields[f], values[f]);
        if (!sales.Update())
            return Outcome::Failed;
    }

    // Every product record with the line's number is lowered (unlimited stock stays).
    for (int line = 0; line < cart.rowCount(); ++line) {
        const QString number = cart.cell(line, Cart::Number);
        const double quantity = toNumber(cart.cell(line, Cart::Quantity));
        bool written = VisitRecords(products, [&] {
            PumpEvents();
            if (readPlain(products, QStringLiteral("编号")) != number)
                return true;
            const QString stock = readPlain(products, QStringLiteral("数量"));
            if (!products.BeginEdit())
                return false;
            if (stock != ProductRow::kUnlimitedStock)
                writePlain(products, QStringLiteral("数量"), numberText(toNumber(stock) - quantity));
            else
                writePlain(products, QStringLiteral("数量"), stock);
            return products.Update();
        });
        if (!written)
            return Outcome::Failed;
    }
    return transaction.commit() ? Outcome::Done : Outcome::Failed;
}
