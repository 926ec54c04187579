#pragma once

#include "CustomersControls.h"

class AppContext;
class PrepaidTopUps;

// The customer categories of the 客户信息 tab, and the rebuild of the
// category list, the outlook bar of customers and the page totals.
class CustomerCategories {
public:
    CustomerCategories(AppContext& ctx, const CustomersControls& ui, PrepaidTopUps& topUps);

    void LoadCustomers();
    void ShowCustomerCategory();
    void AddCustomerCategory();
    void RenameCustomerCategory();
    void DeleteCustomerCategory();

private:
    void rebuildAfterChange();

    AppContext& ctx_;
    const CustomersControls& ui_;
    PrepaidTopUps& topUps_;
};
