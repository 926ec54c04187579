#include "QueryPage.h"

#include "SpreadsheetExport.h"
#include "StateIcons.h"

#include "app/AppContext.h"
#include "ui/EditBox.h"
#include "ui/Widgets.h"
#include "ui/ListControl.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

QueryPage::QueryPage(AppContext& ctx, QWidget* parent)
    : QWidget(parent), ctx_(ctx), query_(ctx, ui_), records_(ctx, ui_, query_) {
    setObjectName(QStringLiteral("数据查询"));
    buildControls();
    wireEvents();
}

void QueryPage::buildControls() {
    ui_.list = new ListControl(QStringLiteral("超级列表框_查询"));
    ui_.list->setColumns({{QStringLiteral("序号"), 45},
                          {QStringLiteral("销售日期"), 110},
                          {QStringLiteral("购买客户"), 100},
                          {QStringLiteral("商品编号"), 130},
                          {QStringLiteral("商品名称"), 130},
                          {QStringLiteral("销售单价"), 70},
                          {QStringLiteral("销售数量"), 70},
                          {QStringLiteral("金额"), 70},
                          {QStringLiteral("结账方式"), 80},
                          {QStringLiteral("备注"), 120}});
    ui_.list->setImages(QueryStateImages());

    const QDate today = ctx_.clock.now().date();
    ui_.keyword = MakeEditBox(QStringLiteral("编辑框_查询关键字"));
    ui_.keywordQuery = Widgets::Button(QStringLiteral("按钮_查询"), QStringLiteral("查询"));
    ui_.from = Widgets::DatePicker(QStringLiteral("日期框_起"), today);
    ui_.to = Widgets::DatePicker(QStringLiteral("日期框_止"), today);
    ui_.dateQuery = Widgets::Button(QStringLiteral("按钮23"), QStringLiteral("查询"));
    ui_.customer = new QComboBox;
    ui_.customer->setObjectName(QStringLiteral("组合框_查询客户"));
    ui_.customer->setMinimumWidth(120);
    ui_.amountFrom = MakeEditBox(QStringLiteral("编辑框_查询金额起"), EditMode::Decimal);
    ui_.amountTo = MakeEditBox(QStringLiteral("编辑框_查询金额止"), EditMode::Decimal);
    ui_.amountFilter = Widgets::Button(QStringLiteral("按钮24"), QStringLiteral("确定"));
    ui_.settled = Widgets::CheckBox(QStringLiteral("选择框_查询现结"), QStringLiteral("已结"));
    ui_.onAccount = Widgets::CheckBox(QStringLiteral("选择框_查询记账"), QStringLiteral("记账"));
    ui_.prepaid = Widgets::CheckBox(QStringLiteral("选择框_查询代扣"), QStringLiteral("代扣"));
    ui_.methodFilter = Widgets::Button(QStringLiteral("按钮22"), QStringLiteral("确定"));
    ui_.selectedTotal = Widgets::NamedLabel(QStringLiteral("标签_查询选中金额合计"));
    ui_.quantityTotal = Widgets::NamedLabel(QStringLiteral("标签_查询数量合计"));
    ui_.amountTotal = Widgets::NamedLabel(QStringLiteral("标签_查询金额合计"));
    ui_.markSettled = Widgets::Button(QStringLiteral("按钮_标记已结"), QStringLiteral("选中项目标记-已结"));
    ui_.markOnAccount = Widgets::Button(QStringLiteral("按钮_标记记账"), QStringLiteral("选中项目标记-记账"));
    ui_.exportList = Widgets::Button(QStringLiteral("按钮25"), QStringLiteral("导出Excel"));
    ui_.menu = new QMenu(this);
    ui_.menu->setObjectName(QStringLiteral("查询右键"));
    QAction* edit = ui_.menu->addAction(QStringLiteral("修改记录"));
    edit->setObjectName(QStringLiteral("修改记录"));
    ui_.menu->addSeparator();
    QAction* remove = ui_.menu->addAction(QStringLiteral("删除记录"));
    remove->setObjectName(QStringLiteral("删除记录"));
    connect(edit, &QAction::triggered, this, [this] { records_.EditSalesRecord(); });
    connect(remove, &QAction::triggered, this, [this] { records_.DeleteSalesRecord(); });

    auto* loads = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{Widgets::Caption(QStringLiteral("关键字：")), ui_.keyword, ui_.keywordQuery,
                                                      Widgets::Caption(QStringLiteral("起始日期：")), ui_.from,
                                                      Widgets::Caption(QStringLiteral("- 截止日期：")), ui_.to, ui_.dateQuery})
        loads->addWidget(w);
    auto* filters = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{
             Widgets::Caption(QStringLiteral("客户名称：")), ui_.customer, Widgets::Caption(QStringLiteral("金额从")), ui_.amountFrom,
             Widgets::Caption(QStringLiteral("到")), ui_.amountTo, ui_.amountFilter, ui_.settled, ui_.onAccount, ui_.prepaid,
             ui_.methodFilter})
        filters->addWidget(w);

    auto* group = new QGroupBox(QStringLiteral("过滤显示"));
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addLayout(loads);
    groupLayout->addLayout(filters);
    groupLayout->addWidget(ui_.list, 1);
    auto* noteLabel = Widgets::Caption(QStringLiteral("注：可单一或组合过滤显示；单击每列表头排序；选中包含“代扣”项目，标记已结或记账为不可点击；"
                                          "右键可修改或删除项目（代扣不可删除）。"));
    noteLabel->setWordWrap(true);
    groupLayout->addWidget(noteLabel);
    auto* totals = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{
             Widgets::Caption(QStringLiteral("选中项目金额合计：")), ui_.selectedTotal, Widgets::Caption(QStringLiteral("元")),
             Widgets::Caption(QStringLiteral("本页数量合计：")), ui_.quantityTotal, Widgets::Caption(QStringLiteral("个/斤/米")),
             Widgets::Caption(QStringLiteral("本页金额合计：")), ui_.amountTotal, Widgets::Caption(QStringLiteral("元"))})
        totals->addWidget(w);
    totals->addStretch(1);
    groupLayout->addLayout(totals);
    auto* actions = new QHBoxLayout;
    actions->addStretch(1);
    actions->addWidget(ui_.markSettled);
    actions->addWidget(ui_.markOnAccount);
    actions->addWidget(ui_.exportList);
    groupLayout->addLayout(actions);

    auto* page = new QVBoxLayout(this);
    page->addWidget(group);
}

void QueryPage::wireEvents() {
    connect(ui_.keywordQuery, &QPushButton::clicked, this, [this] { query_.RunKeywordQuery(); });
    connect(ui_.keyword, &QLineEdit::returnPressed, this, [this] { query_.RunKeywordQuery(); });
    connect(ui_.dateQuery, &QPushButton::clicked, this, [this] { query_.RunDateRangeQuery(); });
    connect(ui_.customer, &QComboBox::activated, this, [this] { query_.FilterByCustomer(); });
    connect(ui_.amountFilter, &QPushButton::clicked, this, [this] { query_.FilterByAmount(); });
    for (auto [box, state] : {std::pair{ui_.settled, QStringLiteral("已结")}, std::pair{ui_.onAccount, QStringLiteral("记账")},
                              std::pair{ui_.prepaid, QStringLiteral("代扣")}})
        connect(box, &QCheckBox::clicked, this, [this, state](bool on) { query_.setMethodFlag(state, on); });
    connect(ui_.methodFilter, &QPushButton::clicked, this, [this] { query_.FilterByMethod(); });
    connect(ui_.list, &ListControl::headerClicked, this, [this](int column) { query_.OnHeaderClick(column); });
    connect(ui_.list, &ListControl::leftClicked, this, [this] { query_.UpdateSelectionTotal(); });
    connect(ui_.list, &ListControl::rightClicked, this, [this] { query_.OnRightClick(); });
    connect(ui_.markSettled, &QPushButton::clicked, this, [this] { records_.MarkSelectedRecords(QStringLiteral("已结")); });
    connect(ui_.markOnAccount, &QPushButton::clicked, this,
            [this] { records_.MarkSelectedRecords(QStringLiteral("记账")); });
    connect(ui_.exportList, &QPushButton::clicked, this,
            [this] { SpreadsheetExport::ExportQueryList(ctx_, *ui_.list); });
}

void QueryPage::EnterSection() {
    if (!ctx_.flags.queryPageEntered)
        ui_.list->clearRows();
    ctx_.flags.queryPageEntered = true;
}
