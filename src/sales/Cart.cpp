#include "Cart.h"

#include "CartLineDialog.h"
#include "ProductBrowser.h"

#include "app/TableWalk.h"
#include "products/ProductRow.h"
#include "store/EncodedFields.h"
#include "store/Tables.h"
#include "ui/EventPump.h"
#include "ui/ListControl.h"
#include "ui/ListSort.h"
#include "ui/Prompter.h"
#include "util/MoneyCapitals.h"
#include "util/TextForms.h"

#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSet>

using TextForms::numberText;
using TextForms::toNumber;


bool StockAllows(const QString& stockText, const QString& negativeText, double quantity) {
    if (stockText == ProductRow::kUnlimitedStock || negativeText == ProductRow::kSupported)
        return true;
    return !TextForms::isNegative(toNumber(stockText) - quantity);
}

Cart::Cart(AppContext& ctx, const SalesControls& ui, ProductBrowser& browser) : ctx_(ctx), ui_(ui), browser_(browser) {}

void Cart::UpdateEntryAmount() {
    double amount = toNumber(ui_.price->text()) * toNumber(ui_.quantity->text());
    ui_.amount->setText(numberText(amount));
    ui_.amountCapitals->setText(MoneyToCapitals(toNumber(ui_.amount->text())));
}

void Cart::AddToCart() {
    const int productRow = ui_.products->currentRow();
    if (productRow < 0) {
        ctx_.prompter.warn(QStringLiteral("请选择要销售的项目！"));
        return;
    }
    const QString priceText = ui_.price->text();
    const QString quantityText = ui_.quantity->text();
    if (priceText.isEmpty() || quantityText.isEmpty()) {
        ctx_.prompter.warn(QStringLiteral("单价或数量不能为空！"));
        return;
    }
    const double quantity = toNumber(quantityText);
    if (!TextForms::isPositive(toNumber(priceText)) || !TextForms::isPositive(quantity)) {
        ctx_.prompter.warn(QStringLiteral("单价或数量不能小于 0 ！"));
        return;
    }
    const double amount = toNumber(priceText) * quantity;
    if (!IsAmountInRange(amount) || !IsAmountInRange(linesTotal() + amount)) {
        ctx_.prompter.warn(kAmountOutOfRange);
        return;
    }

    // The first line of the same product decides: same price text merges, another price adds a line.
    const QString number = ui_.number->text();
    ListControl& cart = *ui_.cart;
    int mergeLine = -1;
    for (int line = 0; line < cart.rowCount(); ++line) {
        if (cart.cell(line, Number) != number)
            continue;
        if (cart.cell(line, Price) == priceText)
            mergeLine = line;
        else
            ctx_.prompter.warn(QStringLiteral("检测到购物车里已有该商品，但单价不同。已为你重新添加，请注意！"));
        break;
    }

    ListControl& products = *ui_.products;
    const QString stockText = products.cell(productRow, ProductListColumn::Stock);
    if (!StockAllows(stockText, products.cell(productRow, ProductListColumn::Negative), quantity)) {
        ctx_.prompter.warn(QStringLiteral("此商品库存数量不足，且不支持负数销售！"));
        return;
    }

    if (mergeLine >= 0) {
        ctx_.prompter.info(QStringLiteral("检测到购物车里已有该商品，已为您累计添加！"));
        cart.setCell(mergeLine, Quantity, numberText(toNumber(cart.cell(mergeLine, Quantity)) + quantity));
        cart.setCell(mergeLine, Amount,
                     numberText(toNumber(cart.cell(mergeLine, Amount)) + toNumber(ui_.amount->text())));
        cart.setCell(mergeLine, Remark, cart.cell(mergeLine, Remark) + QLatin1Char(' ') + ui_.remark->text());
    } else {
        cart.addRow({QString::number(cart.rowCount() + 1), number, ui_.name->text(), priceText, quantityText,
                     ui_.amount->text(), ui_.remark->text()});
    }
    if (stockText != ProductRow::kUnlimitedStock)
        products.setCell(productRow, ProductListColumn::Stock, numberText(toNumber(stockText) - quantity));

    CheckCartAgainstStock();
    browser_.ResetSalesEntry();
    UpdateCartTotal();
}

void Cart::CheckCartAgainstStock() {
    ListControl& cart = *ui_.cart;
    QSet<QString> inCart;
    for (int line = 0; line < cart.rowCount(); ++line)
        inCart.insert(cart.cell(line, Number));

    SqliteTable& table = ctx_.productsTable;
    bool inStep = WalkTable(ctx_, table, Tables::kProducts, [&] {
        const QString number = readPlain(table, QStringLiteral("编号"));
        if (inCart.contains(number)) {
            const QString stock = readPlain(table, QStringLiteral("数量"));
            // A product that may go below zero cannot be out of step with the cart.
            if (stock != ProductRow::kUnlimitedStock &&
                !TextForms::isFlagSet(readPlain(table, QStringLiteral("负数")))) {
                for (int line = 0; line < cart.rowCount(); ++line) {
                    if (cart.cell(line, Number) == number &&
                        TextForms::isNegative(toNumber(stock) - toNumber(cart.cell(line, Quantity))))
                        return false;
                }
            }
        }
        PumpEvents();
        return true;
    });
    if (!inStep) {
        table.Close();
        ctx_.prompter.warn(
            QStringLiteral("检测到购物车里项目数量与库存数据不同步。将为您清空购物车并自动刷新库存信息！"));
        ClearCart();
    }
}

void Cart::ClearCart() {
    browser_.LoadSalesBrowser(false);
    ui_.products->clearRows();
    browser_.ResetSalesEntry();
    ui_.cart->clearRows();
}

void AdjustListedStock(ListControl& products, const QString& number, double delta) {
    for (int row = 0; row < products.rowCount(); ++row) {
        const QString stock = products.cell(row, ProductListColumn::Stock);
        if (products.cell(row, ProductListColumn::Number) == number && stock != ProductRow::kUnlimitedStock)
            products.setCell(row, ProductListColumn::Stock, numberText(toNumber(stock) + delta));
    }
}

void Cart::DeleteCartLine() {
    const int line = ui_.cart->currentRow();
    if (line < 0)
        return;
    AdjustListedStock(*ui_.products, ui_.cart->cell(line, Number), toNumber(ui_.cart->cell(line, Quantity)));
    ui_.cart->removeRow(line);
    RenumberRows(*ui_.cart);
    UpdateCartTotal();
}

double CartLinesTotal(const ListControl& cart) {
    double total = 0;
    for (int line = 0; line < cart.rowCount(); ++line)
        total += toNumber(cart.cell(line, Cart::Amount));
    return total;
}

double Cart::linesTotal() const { return CartLinesTotal(*ui_.cart); }

bool Cart::isEmpty() const { return ui_.cart->rowCount() == 0; }

void Cart::UpdateCartTotal() {
    // Kept in double precision: the deduction at checkout is this very sum.
    const double total = linesTotal();
    ui_.total->setText(numberText(total));
    ui_.totalCapitals->setText(MoneyToCapitals(total));
}

void Cart::OnRightClick() {
    if (ui_.cart->currentRow() >= 0)
        ui_.cartMenu->popup(QCursor::pos());
}

void Cart::EditSelectedLine() {
    const int line = ui_.cart->currentRow();
    if (line < 0)
        return;
    CartLineDialog dialog(ctx_, *ui_.cart, line, *ui_.products, ui_.cart->window());
    ctx_.prompter.runDialog(dialog);
    UpdateCartTotal();
}
