#include "CategoryBrowser.h"

#include "ProductForm.h"
#include "ProductTree.h"

#include "app/TableWalk.h"
#include "store/EncodedFields.h"
#include "store/Tables.h"
#include "ui/ListControl.h"
#include "ui/Prompter.h"
#include "ui/TreeControl.h"
#include "util/TextForms.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

constexpr qint64 kCategoryNode = ProductTree::kCategoryNode;
const QString kCategoryField = QStringLiteral("分类");

} // namespace

CategoryBrowser::CategoryBrowser(AppContext& ctx, const WarehouseControls& ui, ProductForm& form)
    : ctx_(ctx), ui_(ui), form_(form) {}

void CategoryBrowser::LoadWarehouseBrowser(bool fillList) {
    ui_.category->clear();
    ProductTree::Load(ctx_, *ui_.tree, *ui_.list, fillList, [this](const QString& name) { ui_.category->addItem(name); });
    ui_.category->setCurrentIndex(-1);
    ui_.keyword->setFocus();
}

bool CategoryBrowser::categoryNodeExists(const QString& name) const {
    for (QTreeWidgetItem* root : ui_.tree->rootItems())
        if (root->text(0) == name)
            return true;
    return false;
}

void CategoryBrowser::finishCategoryChange() {
    ui_.categoryName->clear();
    ctx_.flags.salesBrowserStale = true;
    LoadWarehouseBrowser(false);
}

void CategoryBrowser::AddProductCategory() {
    const QString name = ui_.categoryName->text();
    if (TextForms::isBlank(name)) {
        ctx_.prompter.warn(QStringLiteral("请输入商品分类内容！"));
        return;
    }
    if (categoryNodeExists(name)) {
        ctx_.prompter.warn(QStringLiteral("添加的分类已经存在，请修改！"));
        return;
    }
    SqliteTable& categories = ctx_.productCategoriesTable;
    ctx_.OpenTable(categories, Tables::kProductCategories);
    bool added = categories.BeginAppend() && writePlain(categories, kCategoryField, name) && categories.Update();
    categories.Close();
    if (added)
        ctx_.prompter.info(QStringLiteral("商品分类添加成功！"));
    finishCategoryChange();
}

void CategoryBrowser::RenameProductCategory() {
    QTreeWidgetItem* node = ui_.tree->selectedItem();
    if (!node) {
        ctx_.prompter.warn(QStringLiteral("请选择要修改的商品分类！"));
        return;
    }
    if (TreeControl::itemValue(node) != kCategoryNode) {
        ctx_.prompter.warn(QStringLiteral("请选择要修改的商品分类，不要选择项目！"));
        return;
    }
    const QString newName = ui_.categoryName->text();
    if (TextForms::isBlank(newName)) {
        ctx_.prompter.warn(QStringLiteral("请输入商品分类内容！"));
        return;
    }
    if (categoryNodeExists(newName)) {
        ctx_.prompter.warn(QStringLiteral("要修改的分类已经存在，请修改！"));
        return;
    }
    const QString oldName = node->text(0);

    // The category record and its products change together or not at all.
    SqliteTable& categories = ctx_.productCategoriesTable;
    SqliteTable& products = ctx_.productsTable;
    ctx_.OpenTable(categories, Tables::kProductCategories);
    ctx_.OpenAlso(products, Tables::kProducts);
    bool renamed = false;
    bool committed = false;
    {
        TransactionGuard transaction(ctx_.db);
        bool failed = !transaction.began();
        if (!failed) {
            // The edit applies to whichever record the walk stops on.
            categories.GoFirst();
            categories.BeginEdit();
            bool found = !VisitRecords(categories, [&] { return readPlain(categories, kCategoryField) != oldName; });
            if (found) {
                renamed = writePlain(categories, kCategoryField, newName) && categories.Update();
                failed = !renamed;
            }
            categories.Close();
        }
        if (!failed) {
            failed = !VisitRecords(products, [&] {
                if (readPlain(products, kCategoryField) != oldName)
                    return true;
                return products.BeginEdit() && writePlain(products, kCategoryField, newName) && products.Update();
            });
            products.Close();
        }
        committed = !failed && transaction.commit();
    }
    categories.Close();
    products.Close();
    if (committed && renamed)
        ctx_.prompter.info(QStringLiteral("修改分类成功！"));
    finishCategoryChange();
    ui_.list->clearRows();
}

void CategoryBrowser::DeleteProductCategory() {
    QTreeWidgetItem* node = ui_.tree->selectedItem();
    // A product node is refused too: its name could equal a category's and take that whole category with it.
    if (!node || TreeControl::itemValue(node) != kCategoryNode) {
        ctx_.prompter.warn(QStringLiteral("请选择要删除的商品分类！"));
        return;
    }
    const QString name = node->text(0);

    SqliteTable& categories = ctx_.productCategoriesTable;
    SqliteTable& products = ctx_.productsTable;
    ctx_.OpenTable(categories, Tables::kProductCategories);
    ctx_.OpenAlso(products, Tables::kProducts);
    bool deleted = false;
    bool committed = false;
    {
        TransactionGuard transaction(ctx_.db);
        bool failed = !transaction.began();
        if (!failed) {
            bool found = !VisitRecords(categories, [&] { return readPlain(categories, kCategoryField) != name; });
            if (found) {
                deleted = categories.DeleteCurrent();
                failed = !deleted;
            }
            categories.Close();
        }
        if (!failed) {
            failed = !DeleteMatching(products, [&] { return readPlain(products, kCategoryField) == name; });
            products.Close();
        }
        committed = !failed && transaction.commit();
    }
    categories.Close();
    products.Close();
    if (committed && deleted)
        ctx_.prompter.info(QStringLiteral("删除分类成功"));
    finishCategoryChange();
    ui_.list->clearRows();
}

void CategoryBrowser::ShowTreeSelection(QTreeWidgetItem* node, bool byMouse) {
    if (!byMouse || !node)
        return;
    bool isCategory = TreeControl::itemValue(node) == ProductTree::kCategoryNode;
    ui_.list->clearRows();
    ui_.categoryName->setText(isCategory ? node->text(0) : QString());
    ProductTree::ListProductsOf(ctx_, *ui_.list, *node);
    if (isCategory) {
        form_.ResetProductForm();
    } else {
        ui_.list->setCurrentRow(0);
        form_.ShowSelectedProduct();
    }
}
