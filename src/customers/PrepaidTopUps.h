#pragma once

#include "CustomersControls.h"

#include <QMap>

class AppContext;
class CustomerCategories;

// The 预存充值 tab: the customers who pay from a prepaid balance, their
// top-up history, and recording a top-up.
class PrepaidTopUps {
public:
    PrepaidTopUps(AppContext& ctx, const CustomersControls& ui) : ctx_(ctx), ui_(ui) {}
    // The customers tab is rebuilt after a top-up.
    void setCategories(CustomerCategories* categories) { categories_ = categories; }

    void LoadPrepaidCustomers();
    void ShowPrepaidCustomer();
    void SearchPrepaidCustomers();
    void TopUp();
    void ResetTopUpPanel();

    static const QMap<int, int>& sortModes();

private:
    // The history record and the customer's amounts in one transaction; false when nothing was stored.
    bool storeTopUp(double amount);
    // Lists the prepaid customers for which keep() holds.
    template <typename Keep> void listPrepaidCustomers(Keep keep);

    AppContext& ctx_;
    const CustomersControls& ui_;
    CustomerCategories* categories_ = nullptr;
};
