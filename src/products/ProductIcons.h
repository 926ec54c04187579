#pragma once

#include <QIcon>

// The small pictures of the product tree and lists, drawn in code.
namespace ProductIcons {

QIcon categoryIcon();
QIcon productIcon();
QIcon negativeSaleIcon(bool allowed);
// The tree's image list: index 1 category, index 24 product.
QList<QIcon> treeImages();

} // namespace ProductIcons
