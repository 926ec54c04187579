#pragma once

#include <QString>

#include <functional>

class AppContext;
class ListControl;
class TreeControl;
class QTreeWidgetItem;

// The category/product tree and the product list that the warehouse and the
// sales page both show.
namespace ProductTree {

constexpr qint64 kCategoryNode = 1;
constexpr qint64 kProductNode = 2;

// Empties tree and list, adds a node per category (onCategory is told each
// name, in storage order) and under every category node of a product's
// category a node for the product; with fillList also lists every product,
// numbered by record. The window repaints during the walk.
void Load(AppContext& ctx, TreeControl& tree, ListControl& list, bool fillList,
          const std::function<void(const QString&)>& onCategory = {});

// Lists the products of a category node, or every product named like a
// product node, numbered 1..n.
void ListProductsOf(AppContext& ctx, ListControl& list, const QTreeWidgetItem& node);

// The tree's pictures: image 1 for categories, 24 for products.
void setUpTree(TreeControl& tree);

} // namespace ProductTree
