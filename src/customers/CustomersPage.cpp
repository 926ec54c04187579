#include "CustomersPage.h"

#include "app/AppContext.h"
#include "ui/EditBox.h"
#include "ui/Widgets.h"
#include "ui/EventPump.h"
#include "ui/ListControl.h"
#include "ui/ListSort.h"
#include "ui/OutlookBar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QLabel* note(const QString& name, const QString& text) {
    auto* l = new QLabel(text);
    l->setObjectName(name);
    l->setWordWrap(true);
    return l;
}

} // namespace

CustomersPage::CustomersPage(AppContext& ctx, QWidget* parent)
    : QWidget(parent), ctx_(ctx), topUps_(ctx, ui_), categories_(ctx, ui_, topUps_),
      form_(ctx, ui_, categories_, topUps_) {
    setObjectName(QStringLiteral("客户资料"));
    topUps_.setCategories(&categories_);
    tabs_ = new QTabWidget;
    tabs_->setObjectName(QStringLiteral("高级选择夹2"));
    tabs_->addTab(buildCustomersTab(), QStringLiteral("客户信息"));
    tabs_->addTab(buildTopUpTab(), QStringLiteral("预存充值"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    wireEvents();
}

QWidget* CustomersPage::buildCustomersTab() {
    ui_.categories = new ListControl(QStringLiteral("超级列表框_客户分类"));
    ui_.categories->setColumns({{QString(), 0}, {QStringLiteral("客户分类"), 180}});
    ui_.categories->setColumnHidden(0, true);
    ui_.categoryName = MakeEditBox(QStringLiteral("编辑框_客户分类"));
    ui_.addCategory = Widgets::Button(QStringLiteral("按钮17"), QStringLiteral("添 加"));
    ui_.renameCategory = Widgets::Button(QStringLiteral("按钮18"), QStringLiteral("修 改"));
    ui_.deleteCategory = Widgets::Button(QStringLiteral("按钮19"), QStringLiteral("删 除"));
    auto* categoryGroup = new QGroupBox(QStringLiteral("客户分类"));
    auto* left = new QVBoxLayout(categoryGroup);
    left->addWidget(ui_.categories, 1);
    left->addLayout(Widgets::Row({Widgets::Caption(QStringLiteral("客户分类：")), ui_.categoryName}));
    left->addLayout(Widgets::Row({ui_.addCategory, ui_.renameCategory, ui_.deleteCategory}));
    left->addWidget(note(QStringLiteral("透明标签79"), QStringLiteral("删除分类，该分类下的客户全部删除。")));
    categoryGroup->setFixedWidth(240);

    ui_.keyword = MakeEditBox(QStringLiteral("编辑框_客户关键字"));
    ui_.search = Widgets::Button(QStringLiteral("按钮13"), QStringLiteral("搜索"));
    ui_.bar = new OutlookBar(QStringLiteral("卷帘式菜单_客户"));
    auto* middle = new QVBoxLayout;
    middle->addLayout(Widgets::Row({ui_.keyword, ui_.search}));
    middle->addWidget(ui_.bar, 1);

    ui_.category = new QComboBox;
    ui_.category->setObjectName(QStringLiteral("组合框_客户分类"));
    ui_.name = MakeEditBox(QStringLiteral("编辑框_客户名称"));
    ui_.prepaid = new QCheckBox(QStringLiteral("支持预存代扣"));
    ui_.prepaid->setObjectName(QStringLiteral("选择框_代扣"));
    ui_.phone = MakeEditBox(QStringLiteral("编辑框_联系电话"));
    ui_.address = MakeEditBox(QStringLiteral("编辑框_联系地址"));
    ui_.remark = MakeEditBox(QStringLiteral("编辑框_客户备注"));
    ui_.add = Widgets::Button(QStringLiteral("按钮16"), QStringLiteral("添 加"));
    ui_.modify = Widgets::Button(QStringLiteral("按钮15"), QStringLiteral("修 改"));
    ui_.remove = Widgets::Button(QStringLiteral("按钮14"), QStringLiteral("删 除"));
    ui_.reset = Widgets::Button(QStringLiteral("按钮33"), QStringLiteral("重 填"));
    auto* formGroup = new QGroupBox(QStringLiteral("客户资料"));
    auto* form = new QGridLayout(formGroup);
    form->addWidget(Widgets::Caption(QStringLiteral("*客户分类：")), 0, 0);
    form->addWidget(ui_.category, 0, 1);
    form->addWidget(Widgets::Caption(QStringLiteral("*客户名称：")), 1, 0);
    form->addWidget(ui_.name, 1, 1);
    form->addWidget(ui_.prepaid, 2, 1);
    form->addWidget(Widgets::Caption(QStringLiteral("联系电话：")), 3, 0);
    form->addWidget(ui_.phone, 3, 1);
    form->addWidget(Widgets::Caption(QStringLiteral("联系地址：")), 4, 0);
    form->addWidget(ui_.address, 4, 1);
    form->addWidget(Widgets::Caption(QStringLiteral("备    注：")), 5, 0);
    form->addWidget(ui_.remark, 5, 1);
    form->addLayout(Widgets::Row({ui_.add, ui_.modify, ui_.remove, ui_.reset}), 6, 0, 1, 2);
    form->addWidget(note(QStringLiteral("透明标签29"),
                         QStringLiteral("客户名称是唯一识别标志，不可重复。客户名称修改后，已消费的名称不会改变。"
                                        "未勾选不可预存代扣。\r\n")),
                    7, 0, 1, 2);

    ui_.current = Widgets::NamedLabel(QStringLiteral("标签_当前客户"));
    ui_.paidIn = Widgets::NamedLabel(QStringLiteral("标签_预存总额"));
    ui_.left = Widgets::NamedLabel(QStringLiteral("标签_剩余金额"));
    ui_.spent = Widgets::NamedLabel(QStringLiteral("标签_消费合计"));
    auto* figures = new QGroupBox(QStringLiteral("当前客户"));
    auto* figureGrid = new QGridLayout(figures);
    figureGrid->addWidget(Widgets::Caption(QStringLiteral("当前客户：")), 0, 0);
    figureGrid->addWidget(ui_.current, 0, 1);
    figureGrid->addWidget(Widgets::Caption(QStringLiteral("预存总额：")), 1, 0);
    figureGrid->addLayout(Widgets::Row({ui_.paidIn, Widgets::Caption(QStringLiteral("元"))}), 1, 1);
    figureGrid->addWidget(Widgets::Caption(QStringLiteral("剩余金额：")), 2, 0);
    figureGrid->addLayout(Widgets::Row({ui_.left, Widgets::Caption(QStringLiteral("元"))}), 2, 1);
    figureGrid->addWidget(Widgets::Caption(QStringLiteral("消费合计：")), 3, 0);
    figureGrid->addLayout(Widgets::Row({ui_.spent, Widgets::Caption(QStringLiteral("元"))}), 3, 1);

    ui_.count = Widgets::NamedLabel(QStringLiteral("标签_总人数"));
    ui_.allPaidIn = Widgets::NamedLabel(QStringLiteral("标签_所有预存总额"));
    ui_.allLeft = Widgets::NamedLabel(QStringLiteral("标签_所有剩余总额"));
    auto* totals = new QGroupBox(QStringLiteral("客户统计"));
    auto* totalGrid = new QGridLayout(totals);
    totalGrid->addWidget(Widgets::Caption(QStringLiteral("客户总人数：")), 0, 0);
    totalGrid->addLayout(Widgets::Row({ui_.count, Widgets::Caption(QStringLiteral("人"))}), 0, 1);
    totalGrid->addWidget(Widgets::Caption(QStringLiteral("预存总金额：")), 1, 0);
    totalGrid->addLayout(Widgets::Row({ui_.allPaidIn, Widgets::Caption(QStringLiteral("元"))}), 1, 1);
    totalGrid->addWidget(Widgets::Caption(QStringLiteral("剩余总金额：")), 2, 0);
    totalGrid->addLayout(Widgets::Row({ui_.allLeft, Widgets::Caption(QStringLiteral("元"))}), 2, 1);

    auto* right = new QVBoxLayout;
    right->addWidget(formGroup);
    right->addWidget(figures);
    right->addWidget(totals);
    right->addStretch(1);

    auto* tab = new QWidget;
    auto* layout = new QHBoxLayout(tab);
    layout->addWidget(categoryGroup);
    layout->addLayout(middle, 1);
    layout->addLayout(right, 1);
    return tab;
}

QWidget* CustomersPage::buildTopUpTab() {
    ui_.prepaidList = new ListControl(QStringLiteral("超级列表框_预存充值"));
    ui_.prepaidList->setColumns({{QStringLiteral("序号"), 45},
                                 {QStringLiteral("客户名称"), 120},
                                 {QStringLiteral("客户分类"), 90},
                                 {QStringLiteral("累计预存"), 80},
                                 {QStringLiteral("剩余金额"), 80},
                                 {QStringLiteral("备注"), 100}});
    ui_.prepaidKeyword = MakeEditBox(QStringLiteral("编辑框_充值关键字"));
    ui_.prepaidSearch = Widgets::Button(QStringLiteral("按钮20"), QStringLiteral("查询"));
    ui_.prepaidShowAll = Widgets::Button(QStringLiteral("按钮34"), QStringLiteral("显示全部"));
    auto* left = new QVBoxLayout;
    left->addLayout(Widgets::Row({Widgets::Caption(QStringLiteral("关键字：")), ui_.prepaidKeyword, ui_.prepaidSearch, ui_.prepaidShowAll}));
    left->addWidget(ui_.prepaidList, 1);
    left->addWidget(note(QStringLiteral("透明标签80"), QStringLiteral("本列表只显示支持预存代扣的客户，不支持的自动过滤。")));

    ui_.history = new ListControl(QStringLiteral("超级列表框_充值记录"));
    ui_.history->setColumns({{QStringLiteral("预存日期"), 100},
                             {QStringLiteral("客户名称"), 100},
                             {QStringLiteral("预存金额"), 80},
                             {QStringLiteral("预存说明"), 120}});
    auto* historyGroup = new QGroupBox(QStringLiteral("预存记录"));
    (new QVBoxLayout(historyGroup))->addWidget(ui_.history);

    ui_.topUpDate = new QDateEdit;
    ui_.topUpDate->setObjectName(QStringLiteral("日期框_充值"));
    ui_.topUpDate->setCalendarPopup(true);
    ui_.topUpDate->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    ui_.topUpDate->setDate(ctx_.clock.now().date());
    ui_.topUpName = Widgets::NamedLabel(QStringLiteral("标签_客户名称"));
    ui_.topUpCategory = Widgets::NamedLabel(QStringLiteral("标签_客户分类"));
    ui_.topUpPaidIn = Widgets::NamedLabel(QStringLiteral("标签_累计预存"));
    ui_.topUpLeft = Widgets::NamedLabel(QStringLiteral("标签_剩余金额_充值"));
    ui_.topUpNote = MakeEditBox(QStringLiteral("编辑框_预存说明"));
    ui_.topUpAmount = MakeEditBox(QStringLiteral("编辑框_本次预存"));
    ui_.topUp = Widgets::Button(QStringLiteral("按钮21"), QStringLiteral("充 值"));
    auto* topUpGroup = new QGroupBox(QStringLiteral("预存充值"));
    auto* grid = new QGridLayout(topUpGroup);
    const QList<QPair<QString, QWidget*>> rows = {
        {QStringLiteral("当前日期："), ui_.topUpDate},       {QStringLiteral("客户名称："), ui_.topUpName},
        {QStringLiteral("客户分类："), ui_.topUpCategory},   {QStringLiteral("累计预存："), ui_.topUpPaidIn},
        {QStringLiteral("剩余金额："), ui_.topUpLeft},       {QStringLiteral("预存说明："), ui_.topUpNote},
    };
    for (int i = 0; i < rows.size(); ++i) {
        grid->addWidget(Widgets::Caption(rows[i].first), i, 0);
        grid->addWidget(rows[i].second, i, 1);
    }
    grid->addWidget(Widgets::Caption(QStringLiteral("本次预存：")), rows.size(), 0);
    grid->addLayout(Widgets::Row({ui_.topUpAmount, Widgets::Caption(QStringLiteral("元"))}), rows.size(), 1);
    grid->addWidget(ui_.topUp, rows.size() + 1, 0, 1, 2);

    auto* right = new QVBoxLayout;
    right->addWidget(historyGroup, 1);
    right->addWidget(topUpGroup);
    auto* tab = new QWidget;
    auto* layout = new QHBoxLayout(tab);
    layout->addLayout(left, 3);
    layout->addLayout(right, 2);
    return tab;
}

void CustomersPage::wireEvents() {
    connect(ui_.categories, &ListControl::leftClicked, this, [this] { categories_.ShowCustomerCategory(); });
    connect(ui_.addCategory, &QPushButton::clicked, this, [this] { categories_.AddCustomerCategory(); });
    connect(ui_.renameCategory, &QPushButton::clicked, this, [this] { categories_.RenameCustomerCategory(); });
    connect(ui_.deleteCategory, &QPushButton::clicked, this, [this] { categories_.DeleteCustomerCategory(); });
    // The press clears the form before the click on an item fills it.
    connect(ui_.bar, &OutlookBar::pressed, this, [this] { form_.ResetCustomerForm(); });
    connect(ui_.bar, &OutlookBar::itemClicked, this, [this](int group, int item) { form_.ShowCustomer(group, item); });
    connect(ui_.add, &QPushButton::clicked, this, [this] { form_.AddCustomer(); });
    connect(ui_.modify, &QPushButton::clicked, this, [this] { form_.ModifyCustomer(); });
    connect(ui_.remove, &QPushButton::clicked, this, [this] { form_.DeleteCustomer(); });
    connect(ui_.reset, &QPushButton::clicked, this, [this] { form_.ResetCustomerForm(); });
    connect(ui_.search, &QPushButton::clicked, this, [this] { form_.SearchCustomer(); });
    connect(ui_.keyword, &QLineEdit::returnPressed, this, [this] { form_.SearchCustomer(); });

    connect(ui_.prepaidShowAll, &QPushButton::clicked, this, [this] { topUps_.LoadPrepaidCustomers(); });
    connect(ui_.prepaidList, &ListControl::leftClicked, this, [this] { topUps_.ShowPrepaidCustomer(); });
    connect(ui_.prepaidSearch, &QPushButton::clicked, this, [this] { topUps_.SearchPrepaidCustomers(); });
    connect(ui_.topUp, &QPushButton::clicked, this, [this] { topUps_.TopUp(); });
    connect(ui_.prepaidList, &ListControl::headerClicked, this,
            [this](int column) { SortOnHeaderClick(*ui_.prepaidList, column, PrepaidTopUps::sortModes()); });
}

void CustomersPage::EnterSection() {
    PumpEventsNow();
    if (!ctx_.flags.customersPageLoaded) {
        categories_.LoadCustomers();
        PumpEventsNow();
        topUps_.LoadPrepaidCustomers();
    }
    ctx_.flags.customersPageLoaded = !ctx_.databaseProblemReported; // else load again at the next entry
}
