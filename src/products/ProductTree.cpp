#include "ProductTree.h"

#include "ProductIcons.h"
#include "ProductRow.h"

#include "app/TableWalk.h"
#include "store/EncodedFields.h"
#include "store/Tables.h"
#include "ui/EventPump.h"
#include "ui/ListControl.h"
#include "ui/TreeControl.h"

#include <QHash>

namespace ProductTree {

namespace {
constexpr int kCategoryImage = 1;
constexpr int kProductImage = 24;
} // namespace

void setUpTree(TreeControl& tree) { tree.setImages(ProductIcons::treeImages()); }

void Load(AppContext& ctx, TreeControl& tree, ListControl& list, bool fillList,
          const std::function<void(const QString&)>& onCategory) {
    tree.clearTree();
    list.clearRows();

    // Category name → its nodes (a name may stand more than once), so placing
    // a product costs one lookup instead of a pass over every node.
    QHash<QString, QList<QTreeWidgetItem*>> nodesByName;
    WalkTable(ctx, ctx.productCategoriesTable, Tables::kProductCategories, [&] {
        QString name = readPlain(ctx.productCategoriesTable, QStringLiteral("分类"));
        nodesByName[name] << tree.addItem(nullptr, name, kCategoryImage, kCategoryNode);
        if (onCategory)
            onCategory(name);
        return true;
    });
    PumpEventsNow();

    int record = 0;
    WalkTable(ctx, ctx.productsTable, Tables::kProducts, [&] {
        ++record;
        ProductRecord product = ProductRow::read(ctx.productsTable);
        for (QTreeWidgetItem* node : nodesByName.value(product.category))
            tree.addItem(node, product.name, kProductImage, kProductNode);
        if (fillList)
            ProductRow::append(list, product, QString::number(record));
        PumpEvents();
        return true;
    });
    tree.clearSelection();
    tree.setCurrentItem(nullptr);
}

void ListProductsOf(AppContext& ctx, ListControl& list, const QTreeWidgetItem& node) {
    list.clearRows();
    const bool isCategory = TreeControl::itemValue(&node) == kCategoryNode;
    const QString text = node.text(0);
    const QString field = isCategory ? QStringLiteral("分类") : QStringLiteral("名称");
    WalkTable(ctx, ctx.productsTable, Tables::kProducts, [&] {
        if (readPlain(ctx.productsTable, field) == text)
            ProductRow::append(list, ProductRow::read(ctx.productsTable), QString::number(list.rowCount() + 1));
        PumpEvents();
        return true;
    });
}

} // namespace ProductTree
