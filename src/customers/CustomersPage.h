#pragma once

#include "CustomerCategories.h"
#include "CustomerForm.h"
#include "CustomersControls.h"
#include "PrepaidTopUps.h"

#include <QWidget>

class AppContext;
class QTabWidget;

// The "客户资料" page: the inner page control 高级选择夹2 with the tabs
// "客户信息" (categories, the customer bar, the form, the totals) and
// "预存充值" (prepaid customers and top-ups).
class CustomersPage : public QWidget {
    Q_OBJECT

public:
    explicit CustomersPage(AppContext& ctx, QWidget* parent = nullptr);

    // The toolbar's entry steps (after the password check).
    void EnterSection();
    QLabel* customerCountLabel() const { return ui_.count; }

    CustomerCategories& categories() { return categories_; }
    CustomerForm& form() { return form_; }
    PrepaidTopUps& topUps() { return topUps_; }

private:
    QWidget* buildCustomersTab();
    QWidget* buildTopUpTab();
    void wireEvents();

    AppContext& ctx_;
    CustomersControls ui_;
    PrepaidTopUps topUps_;
    CustomerCategories categories_;
    CustomerForm form_;
    QTabWidget* tabs_ = nullptr;
};
