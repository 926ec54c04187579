#include "CartLineDialog.h"

#include "Cart.h"

#include "app/AppContext.h"
#include "products/ProductRow.h"
#include "ui/EditBox.h"
#include "ui/Widgets.h"
#include "ui/ListControl.h"
#include "ui/Prompter.h"
#include "util/MoneyCapitals.h"
#include "util/TextForms.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

using TextForms::numberText;
using TextForms::toNumber;

CartLineDialog::CartLineDialog(AppContext& ctx, ListControl& cart, int line, ListControl& products, QWidget* owner)
    : QDialog(owner), ctx_(ctx), cart_(cart), line_(line), products_(products) {
    setWindowTitle(QStringLiteral("  修改选中项目内容："));
    setObjectName(QStringLiteral("购物车修改"));
    number_ = Widgets::NamedLabel(QStringLiteral("标签_编号"), cart.cell(line, Cart::Number));
    name_ = Widgets::NamedLabel(QStringLiteral("标签_名称"), cart.cell(line, Cart::Name));
    amount_ = Widgets::NamedLabel(QStringLiteral("标签_金额"), cart.cell(line, Cart::Amount));
    capitals_ = MakeEditBox(QStringLiteral("编辑框_金额到大写"), EditMode::ReadOnly);
    price_ = MakeEditBox(QStringLiteral("编辑框_单价"), EditMode::Decimal);
    quantity_ = MakeEditBox(QStringLiteral("编辑框_数量"), EditMode::Decimal);
    remark_ = MakeEditBox(QStringLiteral("编辑框_备注"));
    price_->setText(cart.cell(line, Cart::Price));
    quantity_->setText(cart.cell(line, Cart::Quantity));
    remark_->setText(cart.cell(line, Cart::Remark));
    capitals_->setText(MoneyToCapitals(toNumber(amount_->text())));

    auto* confirm = new QPushButton(QStringLiteral("确定修改"));
    confirm->setObjectName(QStringLiteral("按钮1"));
    auto* cancel = new QPushButton(QStringLiteral("取消关闭"));
    cancel->setObjectName(QStringLiteral("按钮2"));

    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("商品编号："), number_);
    form->addRow(QStringLiteral("商品名称："), name_);
    form->addRow(QStringLiteral("金    额："), Widgets::WithUnit(amount_, QStringLiteral("元")));
    form->addRow(QStringLiteral("大写金额："), capitals_);
    form->addRow(QStringLiteral("销售单价："), Widgets::WithUnit(price_, QStringLiteral("元（人民币）")));
    form->addRow(QStringLiteral("销售数量："), Widgets::WithUnit(quantity_, QStringLiteral("个/斤/米")));
    form->addRow(QStringLiteral("销售备注："), remark_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(confirm);
    buttons->addWidget(cancel);
    form->addRow(buttons);

    connect(price_, &QLineEdit::textChanged, this, &CartLineDialog::updateAmount);
    connect(quantity_, &QLineEdit::textChanged, this, &CartLineDialog::updateAmount);
    connect(confirm, &QPushButton::clicked, this, &CartLineDialog::Confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CartLineDialog::updateAmount() {
    amount_->setText(numberText(toNumber(price_->text()) * toNumber(quantity_->text())));
    capitals_->setText(MoneyToCapitals(toNumber(amount_->text())));
}

void CartLineDialog::Confirm() {
    if (price_->text().isEmpty() || quantity_->text().isEmpty()) {
        ctx_.prompter.warn(QStringLiteral("单价或数量不能为空！"));
        return;
    }
    const double newQuantity = toNumber(quantity_->text());
    if (!TextForms::isPositive(toNumber(price_->text())) || !TextForms::isPositive(newQuantity)) {
        ctx_.prompter.warn(QStringLiteral("单价或数量不能小于 0 ！"));
        return;
    }
    const double newAmount = toNumber(price_->text()) * newQuantity;
    const double otherLines = CartLinesTotal(cart_) - toNumber(cart_.cell(line_, Cart::Amount));
    if (!IsAmountInRange(newAmount) || !IsAmountInRange(otherLines + newAmount)) {
        ctx_.prompter.warn(kAmountOutOfRange);
        return;
    }
    const QString number = cart_.cell(line_, Cart::Number);
    const double oldQuantity = toNumber(cart_.cell(line_, Cart::Quantity));
    // The listed stock already has this line taken off; give it back before checking the new quantity.
    for (int row = 0; row < products_.rowCount(); ++row) {
        if (products_.cell(row, ProductListColumn::Number) != number)
            continue;
        QString stock = products_.cell(row, ProductListColumn::Stock);
        if (stock != ProductRow::kUnlimitedStock)
            stock = numberText(toNumber(stock) + oldQuantity);
        if (!StockAllows(stock, products_.cell(row, ProductListColumn::Negative), newQuantity)) {
            ctx_.prompter.warn(QStringLiteral("此商品库存数量不足，且不支持负数销售！"));
            return;
        }
        break;
    }
    AdjustListedStock(products_, number, oldQuantity - newQuantity);
    cart_.setCell(line_, Cart::Price, price_->text());
    cart_.setCell(line_, Cart::Quantity, quantity_->text());
    cart_.setCell(line_, Cart::Amount, numberText(toNumber(price_->text()) * newQuantity));
    cart_.setCell(line_, Cart::Remark, remark_->text());
    accept();
}
