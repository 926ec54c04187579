#pragma once

#include "CustomersControls.h"

#include <QString>

class AppContext;
class SqliteTable;
class CustomerCategories;
class PrepaidTopUps;

// The customer form of the 客户信息 tab: showing a customer picked in the
// outlook bar, adding, modifying and deleting customers, and the name search.
class CustomerForm {
public:
    CustomerForm(AppContext& ctx, const CustomersControls& ui, CustomerCategories& categories, PrepaidTopUps& topUps);

    void ResetCustomerForm();
    void ShowCustomer(int group, int item);
    void AddCustomer();
    void ModifyCustomer();
    void DeleteCustomer();
    void SearchCustomer();

private:
    void rebuildAfterChange();
    bool writeEditableFields(SqliteTable& customers, const QString& name);

    AppContext& ctx_;
    const CustomersControls& ui_;
    CustomerCategories& categories_;
    PrepaidTopUps& topUps_;
};
