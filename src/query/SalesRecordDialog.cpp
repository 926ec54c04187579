#include "SalesRecordDialog.h"

#include "QueryControls.h"
#include "RecordMaintenance.h"

#include "app/TableWalk.h"
#include "store/EncodedFields.h"
#include "store/Tables.h"
#include "ui/EditBox.h"
#include "ui/Widgets.h"
#include "ui/ListControl.h"
#include "ui/Prompter.h"
#include "util/MoneyCapitals.h"
#include "util/OleDate.h"
#include "util/TextForms.h"

#include <QDateEdit>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

using TextForms::numberText;
using TextForms::toNumber;

SalesRecordDialog::SalesRecordDialog(AppContext& ctx, RecordMaintenance& records, ListControl& list, int row,
                                     QWidget* owner)
    : QDialog(owner), ctx_(ctx), records_(records), list_(list), row_(row) {
    setWindowTitle(QStringLiteral("  修改选中项目内容："));
    setObjectName(QStringLiteral("销售记录修改"));
    setFixedSize(609, 337);

    date_ = new QDateEdit;
    date_->setObjectName(QStringLiteral("日期框1"));
    date_->setCalendarPopup(true);
    date_->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    QDateTime stored = OleDate::toQDateTime(TextForms::toDateTime(list.cell(row, QueryColumn::Date)));
    date_->setDate(stored.date());
    amount_ = Widgets::NamedLabel(QStringLiteral("标签_金额"), list.cell(row, QueryColumn::Amount));
    capitals_ = MakeEditBox(QStringLiteral("编辑框_金额到大写"), EditMode::ReadOnly);
    capitals_->setText(MoneyToCapitals(toNumber(amount_->text())));
    price_ = MakeEditBox(QStringLiteral("编辑框_单价"), EditMode::Decimal);
    quantity_ = MakeEditBox(QStringLiteral("编辑框_数量"), EditMode::Decimal);
    remark_ = MakeEditBox(QStringLiteral("编辑框_备注"));
    price_->setText(list.cell(row, QueryColumn::Price));
    quantity_->setText(list.cell(row, QueryColumn::Quantity));
    remark_->setText(list.cell(row, QueryColumn::Remark));
    confirm_ = new QPushButton(QStringLiteral("确定修改"));
    confirm_->setObjectName(QStringLiteral("按钮1"));
    auto* cancel = new QPushButton(QStringLiteral("取消关闭"));
    cancel->setObjectName(QStringLiteral("按钮2"));
    auto* hint = Widgets::NamedLabel(QStringLiteral("透明标签_提示"), QStringLiteral("当前选中为“代扣”项目，金额已抵扣，不可修改。"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("销售日期：")), 0, 0);
    grid->addWidget(date_, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("购买客户：")), 0, 2);
    grid->addWidget(Widgets::NamedLabel(QStringLiteral("标签_客户"), list.cell(row, QueryColumn::Customer)), 0, 3);
    grid->addWidget(new QLabel(QStringLiteral("商品编号：")), 1, 0);
    grid->addWidget(Widgets::NamedLabel(QStringLiteral("标签_编号"), list.cell(row, QueryColumn::Number)), 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("商品名称：")), 1, 2);
    grid->addWidget(Widgets::NamedLabel(QStringLiteral("标签_名称"), list.cell(row, QueryColumn::Name)), 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("金    额：")), 2, 0);
    grid->addWidget(Widgets::WithUnit(amount_, QStringLiteral("元 ")), 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("大写金额：")), 2, 2);
    grid->addWidget(capitals_, 2, 3);
    auto* rule = new QFrame;
    rule->setFrameShape(QFrame::HLine);
    grid->addWidget(rule, 3, 0, 1, 4);
    grid->addWidget(new QLabel(QStringLiteral("销售单价：")), 4, 0);
    grid->addWidget(Widgets::WithUnit(price_, QStringLiteral("元（人民币）")), 4, 1);
    grid->addWidget(new QLabel(QStringLiteral("销售数量：")), 4, 2);
    grid->addWidget(Widgets::WithUnit(quantity_, QStringLiteral("个/斤/米")), 4, 3);
    grid->addWidget(new QLabel(QStringLiteral("销售备注：")), 5, 0);
    grid->addWidget(remark_, 5, 1, 1, 3);
    grid->addWidget(hint, 6, 0, 1, 4);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(confirm_);
    buttons->addWidget(cancel);
    grid->addLayout(buttons, 7, 0, 1, 4);

    // A 代扣 sale has been paid from the balance already: shown, not changed.
    const bool prepaid = list.cell(row, QueryColumn::Method) == QStringLiteral("代扣");
    hint->setVisible(prepaid);
    for (QWidget* w : std::initializer_list<QWidget*>{date_, price_, quantity_, remark_, confirm_})
        w->setEnabled(!prepaid);

    connect(price_, &QLineEdit::textChanged, this, &SalesRecordDialog::updateAmount);
    connect(quantity_, &QLineEdit::textChanged, this, &SalesRecordDialog::updateAmount);
    connect(confirm_, &QPushButton::clicked, this, &SalesRecordDialog::Confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void SalesRecordDialog::updateAmount() {
    amount_->setText(numberText(toNumber(price_->text()) * toNumber(quantity_->text())));
    capitals_->setText(MoneyToCapitals(toNumber(amount_->text())));
}

void SalesRecordDialog::Confirm() {
    if (!confirm_->isEnabled())
        return;
    if (price_->text().isEmpty() || quantity_->text().isEmpty()) {
        ctx_.prompter.warn(QStringLiteral("单价或数量不能为空！"));
        return;
    }
    const double price = toNumber(price_->text());
    const double quantity = toNumber(quantity_->text());
    if (!TextForms::isPositive(price) || !TextForms::isPositive(quantity)) {
        ctx_.prompter.warn(QStringLiteral("单价或数量不能小于 0 ！"));
        return;
    }
    if (!IsAmountInRange(price * quantity)) {
        ctx_.prompter.warn(kAmountOutOfRange);
        return;
    }
    const QStringList values = {TextForms::dateText(OleDate::fromQDateTime(QDateTime(date_->date(), QTime(0, 0)))),
                                price_->text(), quantity_->text(), numberText(price * quantity), remark_->text()};
    const QStringList fields = {QStringLiteral("日期"), QStringLiteral("单价"), QStringLiteral("数量"),
                                QStringLiteral("金额"), QStringLiteral("备注")};
    const int columns[] = {QueryColumn::Date, QueryColumn::Price, QueryColumn::Quantity, QueryColumn::Amount,
                           QueryColumn::Remark};

    SqliteTable& sales = ctx_.salesTable;
    bool written = false;
    if (!WalkTable(ctx_, sales, Tables::kSales, [&] { return !records_.RecordMatchesRow(sales, row_); })) {
        written = sales.BeginEdit();
        for (int i = 0; written && i < fields.size(); ++i)
            written = writePlain(sales, fields[i], values[i]);
        written = written && sales.Update();
    }
    sales.Close();
    if (!written) {
        ctx_.prompter.warn(QStringLiteral("未找到该销售记录，修改未保存！"));
        return;
    }
    for (int i = 0; i < fields.size(); ++i)
        list_.setCell(row_, columns[i], values[i]);
    changed_ = true;
    accept();
}
