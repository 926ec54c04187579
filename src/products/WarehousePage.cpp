#include "WarehousePage.h"

#include "ProductRow.h"
#include "ProductSearch.h"
#include "ProductTree.h"

#include "app/AppContext.h"
#include "ui/EditBox.h"
#include "ui/Widgets.h"
#include "ui/EventPump.h"
#include "ui/ListControl.h"
#include "ui/ListSort.h"
#include "ui/TreeControl.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

WarehousePage::WarehousePage(AppContext& ctx, QWidget* parent)
    : QWidget(parent), ctx_(ctx), form_(ctx, ui_), categories_(ctx, ui_, form_) {
    setObjectName(QStringLiteral("仓库管理"));
    buildControls();
    wireEvents();
}

void WarehousePage::buildControls() {
    // Left: categories.
    ui_.tree = new TreeControl(QStringLiteral("树型框_商品信息"));
    ProductTree::setUpTree(*ui_.tree);
    ui_.categoryName = MakeEditBox(QStringLiteral("编辑框_商品分类"));
    ui_.addCategory = Widgets::Button(QStringLiteral("按钮5"), QStringLiteral("添加"));
    ui_.renameCategory = Widgets::Button(QStringLiteral("按钮6"), QStringLiteral("修改"));
    ui_.deleteCategory = Widgets::Button(QStringLiteral("按钮7"), QStringLiteral("删除"));
    auto* note = new QLabel(QStringLiteral("删除分类，该分类下的商品全部删除。"));
    note->setObjectName(QStringLiteral("透明标签78"));
    note->setWordWrap(true);

    auto* categoryGroup = new QGroupBox(QStringLiteral("商品分类"));
    auto* left = new QVBoxLayout(categoryGroup);
    left->addWidget(ui_.tree, 1);
    left->addWidget(note);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel(QStringLiteral("商品分类：")));
    nameRow->addWidget(ui_.categoryName, 1);
    left->addLayout(nameRow);
    auto* categoryButtons = new QHBoxLayout;
    categoryButtons->addWidget(ui_.addCategory);
    categoryButtons->addWidget(ui_.renameCategory);
    categoryButtons->addWidget(ui_.deleteCategory);
    left->addLayout(categoryButtons);
    categoryGroup->setFixedWidth(250);

    // Right: search, list, form.
    ui_.keyword = MakeEditBox(QStringLiteral("编辑框_关键字"));
    ui_.search = Widgets::Button(QStringLiteral("按钮12"), QStringLiteral("查询"));
    ui_.showAll = Widgets::Button(QStringLiteral("按钮28"), QStringLiteral("显示全部"));
    ui_.list = new ListControl(QStringLiteral("超级列表框_仓库"));
    ProductRow::setUpList(*ui_.list);

    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(new QLabel(QStringLiteral("关键字：")));
    searchRow->addWidget(ui_.keyword, 1);
    searchRow->addWidget(ui_.search);
    searchRow->addWidget(ui_.showAll);

    ui_.number = MakeEditBox(QStringLiteral("编辑框_商品编号"));
    ui_.autoNumber = Widgets::CheckBox(QStringLiteral("选择框_自动编号"), QStringLiteral("自动编号"));
    ui_.autoNumber->setChecked(true);
    ui_.number->setEnabled(false);
    ui_.prefix = MakeEditBox(QStringLiteral("编辑框_首部字母"));
    ui_.prefix->setText(QStringLiteral("LFXS-"));
    ui_.category = new QComboBox;
    ui_.category->setObjectName(QStringLiteral("组合框_商品分类"));
    ui_.name = MakeEditBox(QStringLiteral("编辑框_商品名称"));
    ui_.price = MakeEditBox(QStringLiteral("编辑框_仓库单价"));
    ui_.remark = MakeEditBox(QStringLiteral("编辑框_商品备注"));
    ui_.quantity = MakeEditBox(QStringLiteral("编辑框_库存数量"));
    ui_.unlimited = Widgets::CheckBox(QStringLiteral("选择框_无限库存"), QStringLiteral("无限库存"));
    ui_.negativeSale = Widgets::CheckBox(QStringLiteral("选择框_负数销售"), QStringLiteral("负数销售"));
    ui_.reset = Widgets::Button(QStringLiteral("按钮8"), QStringLiteral("重填"));
    ui_.add = Widgets::Button(QStringLiteral("按钮9"), QStringLiteral("添加"));
    ui_.modify = Widgets::Button(QStringLiteral("按钮10"), QStringLiteral("修改"));
    ui_.remove = Widgets::Button(QStringLiteral("按钮11"), QStringLiteral("删除"));

    auto* formGroup = new QGroupBox(QStringLiteral("商品信息"));
    auto* grid = new QGridLayout(formGroup);
    grid->addWidget(new QLabel(QStringLiteral("商品编号：")), 0, 0);
    grid->addWidget(ui_.number, 0, 1);
    grid->addWidget(ui_.autoNumber, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("首部字母：")), 0, 3);
    grid->addWidget(ui_.prefix, 0, 4);
    grid->addWidget(new QLabel(QStringLiteral("商品分类：")), 1, 0);
    grid->addWidget(ui_.category, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("商品名称：")), 1, 3);
    grid->addWidget(ui_.name, 1, 4);
    grid->addWidget(new QLabel(QStringLiteral("销售单价：")), 2, 0);
    grid->addWidget(Widgets::WithUnit(ui_.price, QStringLiteral("元")), 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("备    注：")), 2, 3);
    grid->addWidget(ui_.remark, 2, 4);
    grid->addWidget(new QLabel(QStringLiteral("库存数量：")), 3, 0);
    grid->addWidget(Widgets::WithUnit(ui_.quantity, QStringLiteral("个/斤/米")), 3, 1);
    grid->addWidget(ui_.unlimited, 3, 2);
    grid->addWidget(ui_.negativeSale, 3, 3);
    auto* formButtons = new QHBoxLayout;
    formButtons->addStretch(1);
    for (QPushButton* b : {ui_.reset, ui_.add, ui_.modify, ui_.remove})
        formButtons->addWidget(b);
    grid->addLayout(formButtons, 4, 0, 1, 5);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(4, 1);

    auto* right = new QVBoxLayout;
    right->addLayout(searchRow);
    right->addWidget(ui_.list, 1);
    right->addWidget(formGroup);

    auto* page = new QHBoxLayout(this);
    page->addWidget(categoryGroup);
    page->addLayout(right, 1);
}

void WarehousePage::wireEvents() {
    connect(ui_.addCategory, &QPushButton::clicked, this, [this] { categories_.AddProductCategory(); });
    connect(ui_.renameCategory, &QPushButton::clicked, this, [this] { categories_.RenameProductCategory(); });
    connect(ui_.deleteCategory, &QPushButton::clicked, this, [this] { categories_.DeleteProductCategory(); });
    connect(ui_.showAll, &QPushButton::clicked, this, [this] { categories_.LoadWarehouseBrowser(true); });
    connect(ui_.tree, &TreeControl::selectionChangedBy, this,
            [this](QTreeWidgetItem* item, bool byMouse) { categories_.ShowTreeSelection(item, byMouse); });

    connect(ui_.reset, &QPushButton::clicked, this, [this] { form_.ResetProductForm(); });
    connect(ui_.add, &QPushButton::clicked, this, [this] { form_.AddProduct(); });
    connect(ui_.modify, &QPushButton::clicked, this, [this] { form_.ModifyProduct(); });
    connect(ui_.remove, &QPushButton::clicked, this, [this] { form_.DeleteProduct(); });
    connect(ui_.autoNumber, &QCheckBox::clicked, this, [this] { form_.ApplyNumberingMode(); });
    connect(ui_.prefix, &QLineEdit::textChanged, this, [this](const QString& text) { form_.OnPrefixChanged(text); });
    connect(ui_.unlimited, &QCheckBox::clicked, this, [this](bool ticked) { form_.OnUnlimitedStockClicked(ticked); });
    connect(ui_.list, &ListControl::leftClicked, this, [this] { form_.ShowSelectedProduct(); });
    connect(ui_.list, &ListControl::headerClicked, this,
            [this](int column) { SortOnHeaderClick(*ui_.list, column, ProductRow::sortModes()); });

    connect(ui_.search, &QPushButton::clicked, this, [this] { SearchProductList(ctx_, *ui_.keyword, *ui_.list); });
    connect(ui_.keyword, &QLineEdit::returnPressed, this, [this] { SearchProductList(ctx_, *ui_.keyword, *ui_.list); });
}

void WarehousePage::EnterSection() {
    form_.EnterWithAutomaticNumbering();
    PumpEventsNow();
    if (!ctx_.flags.warehouseBrowserLoaded)
        categories_.LoadWarehouseBrowser(false);
    ctx_.flags.warehouseBrowserLoaded = !ctx_.databaseProblemReported; // else load again at the next entry
}
