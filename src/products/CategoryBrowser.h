#pragma once

#include "WarehouseControls.h"

#include <QString>

class AppContext;
class ProductForm;
class QTreeWidgetItem;

// The category column of the warehouse page: the tree of categories and
// their products, the category drop-down, and adding, renaming and deleting
// categories (with their products).
class CategoryBrowser {
public:
    CategoryBrowser(AppContext& ctx, const WarehouseControls& ui, ProductForm& form);

    void LoadWarehouseBrowser(bool fillList);
    void AddProductCategory();
    void RenameProductCategory();
    void DeleteProductCategory();
    // Selection change of the tree; only a change made with the mouse is handled.
    void ShowTreeSelection(QTreeWidgetItem* item, bool byMouse);

private:
    bool categoryNodeExists(const QString& name) const;
    void finishCategoryChange();

    AppContext& ctx_;
    const WarehouseControls& ui_;
    ProductForm& form_;
};
