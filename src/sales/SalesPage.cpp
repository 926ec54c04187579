#include "SalesPage.h"

#include "app/AppContext.h"
#include "products/ProductRow.h"
#include "products/ProductTree.h"
#include "ui/EditBox.h"
#include "ui/Widgets.h"
#include "ui/EventPump.h"
#include "ui/ListControl.h"
#include "ui/ListSort.h"
#include "ui/TreeControl.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QRadioButton* radio(const QString& name, const QString& caption) {
    auto* r = new QRadioButton(caption);
    r->setObjectName(name);
    return r;
}

const QMap<int, int>& cartSortModes() {
    static const QMap<int, int> modes = {{1, 1}, {2, 1}, {3, 0}, {4, 0}, {5, 0}, {6, 1}};
    return modes;
}

} // namespace

SalesPage::SalesPage(AppContext& ctx, QWidget* parent)
    : QWidget(parent), ctx_(ctx), browser_(ctx, ui_), cart_(ctx, ui_, browser_), checkout_(ctx, ui_, cart_, browser_) {
    setObjectName(QStringLiteral("销售录入"));
    buildControls();
    wireEvents();
    browser_.ResetSalesEntry();
}

void SalesPage::buildControls() {
    ui_.tree = new TreeControl(QStringLiteral("树型框_销售"));
    ProductTree::setUpTree(*ui_.tree);
    ui_.tree->setFixedWidth(180);

    // 销售库存: search, product list, entry panel.
    ui_.keyword = MakeEditBox(QStringLiteral("编辑框_销售关键字"));
    ui_.search = Widgets::Button(QStringLiteral("按钮1"), QStringLiteral("查询"));
    ui_.showAll = Widgets::Button(QStringLiteral("按钮35"), QStringLiteral("显示全部"));
    ui_.products = new ListControl(QStringLiteral("超级列表框_销售"));
    ProductRow::setUpList(*ui_.products);
    ui_.number = Widgets::NamedLabel(QStringLiteral("标签_编号"));
    ui_.name = Widgets::NamedLabel(QStringLiteral("标签_名称"));
    ui_.price = MakeEditBox(QStringLiteral("编辑框_单价"), EditMode::Decimal);
    ui_.quantity = MakeEditBox(QStringLiteral("编辑框_数量"), EditMode::Decimal);
    ui_.remark = MakeEditBox(QStringLiteral("编辑框_备注"));
    ui_.amount = Widgets::NamedLabel(QStringLiteral("标签_金额"));
    ui_.amountCapitals = MakeEditBox(QStringLiteral("编辑框_金额到大写"), EditMode::ReadOnly);
    ui_.addToCart = Widgets::Button(QStringLiteral("按钮2"), QStringLiteral("加入购物车"));
    ui_.addToCart->setAutoDefault(true); // Enter on the focused button adds too

    auto* stockGroup = new QGroupBox(QStringLiteral("销售库存"));
    auto* stock = new QVBoxLayout(stockGroup);
    auto* searchRow = Widgets::Row({new QLabel(QStringLiteral("关键字：")), ui_.keyword, ui_.search, ui_.showAll});
    stock->addLayout(searchRow);
    stock->addWidget(ui_.products, 1);
    auto* entry = new QGridLayout;
    entry->addWidget(new QLabel(QStringLiteral("物料编号：")), 0, 0);
    entry->addWidget(ui_.number, 0, 1);
    entry->addWidget(new QLabel(QStringLiteral("物料名称：")), 0, 2);
    entry->addWidget(ui_.name, 0, 3);
    entry->addWidget(new QLabel(QStringLiteral("销售单价：")), 1, 0);
    entry->addLayout(Widgets::Row({ui_.price, new QLabel(QStringLiteral("元（人民币）"))}), 1, 1);
    entry->addWidget(new QLabel(QStringLiteral("销售数量：")), 1, 2);
    entry->addLayout(Widgets::Row({ui_.quantity, new QLabel(QStringLiteral("个/斤/米"))}), 1, 3);
    entry->addWidget(new QLabel(QStringLiteral("销售备注：")), 2, 0);
    entry->addWidget(ui_.remark, 2, 1, 1, 3);
    entry->addWidget(new QLabel(QStringLiteral("金    额：")), 3, 0);
    entry->addWidget(ui_.amount, 3, 1);
    entry->addWidget(new QLabel(QStringLiteral("元   大写人民币：")), 3, 2);
    entry->addWidget(ui_.amountCapitals, 3, 3);
    entry->addWidget(ui_.addToCart, 0, 4, 4, 1);
    entry->setColumnStretch(1, 1);
    entry->setColumnStretch(3, 2);
    stock->addLayout(entry);

    // 购物车: cart list and checkout.
    ui_.cart = new ListControl(QStringLiteral("超级列表框_购物车"));
    ui_.cart->setColumns({{QStringLiteral("序号"), 45},
                          {QStringLiteral("商品编号"), 130},
                          {QStringLiteral("商品名称"), 130},
                          {QStringLiteral("销售单价"), 70},
                          {QStringLiteral("销售数量"), 70},
                          {QStringLiteral("金额"), 70},
                          {QStringLiteral("备注"), 100}});
    ui_.cartMenu = new QMenu(this);
    ui_.cartMenu->setObjectName(QStringLiteral("购物车右键"));
    QAction* deleteLine = ui_.cartMenu->addAction(QStringLiteral("删除本项"));
    deleteLine->setObjectName(QStringLiteral("删除本项"));
    connect(deleteLine, &QAction::triggered, this, [this] { cart_.DeleteCartLine(); });
    ui_.clearCart = Widgets::Button(QStringLiteral("按钮4"), QStringLiteral("清空"));
    ui_.total = Widgets::NamedLabel(QStringLiteral("标签_购物车金额"));
    ui_.totalCapitals = MakeEditBox(QStringLiteral("编辑框_合计金额到大写"), EditMode::ReadOnly);
    auto* hint = new QLabel(
        QStringLiteral("注：鼠标双击选中项目可修改内容；单击右键可删除选中项目；清空购物车点击清空按钮。"));
    hint->setObjectName(QStringLiteral("标签1"));
    hint->setWordWrap(true);

    ui_.date = new QDateEdit;
    ui_.date->setObjectName(QStringLiteral("日期框_销售"));
    ui_.date->setCalendarPopup(true);
    ui_.date->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    ui_.date->setDate(ctx_.clock.now().date());
    ui_.customer = new QComboBox;
    ui_.customer->setObjectName(QStringLiteral("组合框_客户"));
    ui_.cash = radio(QStringLiteral("单选框_现款"), QStringLiteral("现款"));
    ui_.prepaid = radio(QStringLiteral("单选框_代扣"), QStringLiteral("代扣"));
    ui_.onAccount = radio(QStringLiteral("单选框_记账"), QStringLiteral("记账"));
    ui_.payment = new QButtonGroup(this);
    for (QRadioButton* r : {ui_.cash, ui_.prepaid, ui_.onAccount})
        ui_.payment->addButton(r);
    ui_.checkout = Widgets::Button(QStringLiteral("按钮3"), QStringLiteral("销售录入"));

    auto* cartGroup = new QGroupBox(QStringLiteral("购物车"));
    auto* cartLayout = new QHBoxLayout(cartGroup);
    auto* cartLeft = new QVBoxLayout;
    cartLeft->addWidget(ui_.cart, 1);
    cartLeft->addWidget(hint);
    cartLayout->addLayout(cartLeft, 1);
    auto* pay = new QGridLayout;
    pay->addWidget(new QLabel(QStringLiteral("合计金额：")), 0, 0);
    pay->addLayout(Widgets::Row({ui_.total, new QLabel(QStringLiteral("元")), ui_.clearCart}), 0, 1);
    pay->addWidget(ui_.totalCapitals, 1, 0, 1, 2);
    pay->addWidget(new QLabel(QStringLiteral("销售日期：")), 2, 0);
    pay->addWidget(ui_.date, 2, 1);
    pay->addWidget(new QLabel(QStringLiteral("购买客户：")), 3, 0);
    pay->addWidget(ui_.customer, 3, 1);
    pay->addLayout(Widgets::Row({ui_.cash, ui_.prepaid, ui_.onAccount}), 4, 0, 1, 2);
    pay->addWidget(ui_.checkout, 5, 0, 1, 2);
    pay->setRowStretch(6, 1);
    auto* payBox = new QWidget;
    payBox->setLayout(pay);
    payBox->setFixedWidth(300);
    cartLayout->addWidget(payBox);

    auto* right = new QVBoxLayout;
    right->addWidget(stockGroup, 3);
    right->addWidget(cartGroup, 2);
    auto* page = new QHBoxLayout(this);
    page->addWidget(ui_.tree);
    page->addLayout(right, 1);
}

void SalesPage::wireEvents() {
    connect(ui_.tree, &TreeControl::selectionChangedBy, this,
            [this](QTreeWidgetItem* item, bool byMouse) { browser_.OnTreeSelection(item, byMouse); });
    connect(ui_.showAll, &QPushButton::clicked, this, [this] { browser_.LoadSalesBrowser(true); });
    connect(ui_.search, &QPushButton::clicked, this, [this] { browser_.SearchSalesProducts(); });
    connect(ui_.keyword, &QLineEdit::returnPressed, this, [this] { browser_.SearchSalesProducts(); });
    connect(ui_.products, &ListControl::leftClicked, this, [this] { browser_.OnProductListClick(); });
    connect(ui_.products, &ListControl::headerClicked, this,
            [this](int column) { SortOnHeaderClick(*ui_.products, column, ProductRow::sortModes()); });

    connect(ui_.price, &QLineEdit::textChanged, this, [this] { cart_.UpdateEntryAmount(); });
    connect(ui_.quantity, &QLineEdit::textChanged, this, [this] { cart_.UpdateEntryAmount(); });
    connect(ui_.addToCart, &QPushButton::clicked, this, [this] { cart_.AddToCart(); });
    connect(ui_.clearCart, &QPushButton::clicked, this, [this] { cart_.ClearCart(); });
    connect(ui_.cart, &ListControl::rightClicked, this, [this] { cart_.OnRightClick(); });
    connect(ui_.cart, &ListControl::doubleClickedRow, this, [this] { cart_.EditSelectedLine(); });
    connect(ui_.cart, &ListControl::headerClicked, this,
            [this](int column) { SortOnHeaderClick(*ui_.cart, column, cartSortModes()); });

    connect(ui_.customer, &QComboBox::activated, this, [this](int index) { checkout_.OnCustomerPicked(index); });
    connect(ui_.checkout, &QPushButton::clicked, this, [this] { checkout_.RunCheckout(); });
}

void SalesPage::EnterSection() {
    PumpEventsNow();
    if (ctx_.flags.salesBrowserStale) {
        browser_.LoadSalesBrowser(false);
        PumpEventsNow();
        checkout_.FillCustomerChoice();
    }
    // Filled while the file could not be read: fill again at the next entry.
    ctx_.flags.salesBrowserStale = ctx_.databaseProblemReported;
}
