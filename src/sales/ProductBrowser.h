#pragma once

#include "SalesControls.h"

class AppContext;
class QTreeWidgetItem;

// The product side of the sales page: the tree, the product list, the
// keyword search and the entry panel filled from a clicked product.
class ProductBrowser {
public:
    ProductBrowser(AppContext& ctx, const SalesControls& ui) : ctx_(ctx), ui_(ui) {}

    void LoadSalesBrowser(bool fillList);
    // Selection change of the tree; only a change made with the mouse is handled.
    void OnTreeSelection(QTreeWidgetItem* item, bool byMouse);
    void SearchSalesProducts();
    void OnProductListClick();
    void ResetSalesEntry();

private:
    AppContext& ctx_;
    const SalesControls& ui_;
};
