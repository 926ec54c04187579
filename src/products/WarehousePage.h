#pragma once

#include "CategoryBrowser.h"
#include "ProductForm.h"
#include "WarehouseControls.h"

#include <QWidget>

class AppContext;

// The "仓库管理" page: category tree and buttons on the left, the product
// list with its search above and the product form below on the right.
class WarehousePage : public QWidget {
    Q_OBJECT

public:
    explicit WarehousePage(AppContext& ctx, QWidget* parent = nullptr);

    // The toolbar's entry steps (after the password check).
    void EnterSection();

    CategoryBrowser& categories() { return categories_; }
    ProductForm& form() { return form_; }

private:
    void buildControls();
    void wireEvents();

    AppContext& ctx_;
    WarehouseControls ui_;
    ProductForm form_;
    CategoryBrowser categories_;
};
