#pragma once

#include "SalesControls.h"

#include <QStringList>

class AppContext;
class Cart;
class ProductBrowser;

// Turns the cart into stored sales: one 销售记录 record per line, the stock of
// each sold product lowered, and for 代扣 the customer's prepaid balance
// lowered, all in one transaction. Also owns the customer choice.
class Checkout {
public:
    Checkout(AppContext& ctx, const SalesControls& ui, Cart& cart, ProductBrowser& browser);

    void FillCustomerChoice();
    // The operator picked a customer: 代扣 only for customers who accept it.
    void OnCustomerPicked(int index);
    void RunCheckout();

private:
    enum class Outcome { Done, Failed, CustomerMissing, BalanceShort };
    Outcome writeSale(const QString& method, QString& storedBalance);

    AppContext& ctx_;
    const SalesControls& ui_;
    Cart& cart_;
    ProductBrowser& browser_;
    QStringList prepaidFlags_; // one per customer item: "真" or "假"
};
