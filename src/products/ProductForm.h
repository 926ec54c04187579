#pragma once

#include "WarehouseControls.h"

#include <QString>

class AppContext;
struct ProductRecord;

// The product form of the warehouse page: numbering, showing a listed
// product, and adding, modifying and deleting 商品信息 records.
class ProductForm {
public:
    ProductForm(AppContext& ctx, const WarehouseControls& ui);

    void ResetProductForm();
    void ApplyNumberingMode();
    void OnPrefixChanged(const QString& prefix);
    void OnUnlimitedStockClicked(bool ticked);
    void ShowSelectedProduct();
    void AddProduct();
    void ModifyProduct();
    void DeleteProduct();
    // The prefix followed by twelve digits yyMMddHHmmss of the current time.
    QString GenerateProductNumber(const QString& prefix) const;
    // The toolbar's entry into the page: automatic numbering on, a fresh number.
    void EnterWithAutomaticNumbering();

private:
    ProductRecord formRecord(const QString& number) const;
    // Category, name, price and quantity, checked in that order; true (after the message) when one is missing.
    bool formIncomplete();

    AppContext& ctx_;
    const WarehouseControls& ui_;
};
