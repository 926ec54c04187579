#pragma once

#include "WarehouseControls.h"

class AppContext;

// The keyword search over products of the warehouse page.
class ProductSearch {
public:
    ProductSearch(AppContext& ctx, const WarehouseControls& ui) : ctx_(ctx), ui_(ui) {}

    void SearchWarehouseProducts();

private:
    AppContext& ctx_;
    const WarehouseControls& ui_;
};
