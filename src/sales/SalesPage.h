#pragma once

#include "Cart.h"
#include "Checkout.h"
#include "ProductBrowser.h"
#include "SalesControls.h"

#include <QWidget>

class AppContext;
class QLabel;

// The "销售录入" page: product tree and list with the entry panel, the cart,
// and checkout.
class SalesPage : public QWidget {
    Q_OBJECT

public:
    explicit SalesPage(AppContext& ctx, QWidget* parent = nullptr);

    // The toolbar's entry steps: rebuild tree and customer choice when stale.
    void EnterSection();
    // The customers page's 标签_总人数, which the customer choice keeps current.
    void setCustomerCountLabel(QLabel* label) { ui_.customerCount = label; }

    ProductBrowser& browser() { return browser_; }
    Cart& cart() { return cart_; }
    Checkout& checkout() { return checkout_; }

private:
    void buildControls();
    void wireEvents();

    AppContext& ctx_;
    SalesControls ui_;
    ProductBrowser browser_;
    Cart cart_;
    Checkout checkout_;
};
