#pragma once

#include "SalesControls.h"

#include <QString>

class AppContext;
class ListControl;
class ProductBrowser;

// The shopping cart: the lines of one sale, kept only in the cart list until
// checkout. While a product sits in the cart, the product list's stock column
// shows what would remain after the sale.
class Cart {
public:
    Cart(AppContext& ctx, const SalesControls& ui, ProductBrowser& browser);

    void UpdateEntryAmount();
    void AddToCart();
    void CheckCartAgainstStock();
    void ClearCart();
    void DeleteCartLine();
    void UpdateCartTotal();
    // Double-click on a line: the line editor, then the total again.
    void EditSelectedLine();
    void OnRightClick();

    // The exact total of the lines, as checkout charges it.
    double linesTotal() const;
    bool isEmpty() const;

    // Cart columns.
    enum Column { Serial = 0, Number = 1, Name = 2, Price = 3, Quantity = 4, Amount = 5, Remark = 6 };

private:
    AppContext& ctx_;
    const SalesControls& ui_;
    ProductBrowser& browser_;
};

// The exact total of a cart list's lines.
double CartLinesTotal(const ListControl& cart);


// Columns of the product list the cart works with.
namespace ProductListColumn {
constexpr int Number = 1;
constexpr int Negative = 5;
constexpr int Stock = 6;
} // namespace ProductListColumn

// Whether a product row's stock allows taking quantity away: false when the
// stock would go below zero and the product does not allow that.
bool StockAllows(const QString& stockText, const QString& negativeText, double quantity);

// Adds delta to the remaining stock shown in every listed row of the product
// (unlimited stock stays as it is).
void AdjustListedStock(ListControl& products, const QString& number, double delta);
