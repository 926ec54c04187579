#pragma once

#include "support/TestShop.h"

#include "store/Tables.h"
#include "ui/ListControl.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

// A shop on the sales page: four products (one with little stock, one that may
// go below zero, one unlimited) and three customers.
struct SalesShop : TestShop {
    static inline const QString kProducts = QStringLiteral("超级列表框_销售");
    static inline const QString kCart = QStringLiteral("超级列表框_购物车");
    static inline const QString kTree = QStringLiteral("树型框_销售");

    explicit SalesShop(bool seed = true) {
        if (seed) {
            for (const char* c : {"水果", "饮料", "杂货"})
                addRecord(Tables::kProductCategories, {QString::fromUtf8(c)});
            addRecord(Tables::kProducts, {"A1", "水果", "苹果", "5", "假", "假", "3", "红富士"});
            addRecord(Tables::kProducts, {"A2", "水果", "香蕉", "2.5", "假", "真", "3", ""});
            addRecord(Tables::kProducts, {"B1", "饮料", "可乐", "3.5", "真", "假", "*999999*", ""});
            addRecord(Tables::kProducts, {"C1", "杂货", "大米", "12.50", "假", "假", "100", "5kg"});
            addRecord(Tables::kCustomers, {"张三", "老顾客", "真", "138", "东街", "300", "100", ""});
            addRecord(Tables::kCustomers, {"李四", "零售", "假", "", "", "0", "0", ""});
            addRecord(Tables::kCustomers, {"王五", "批发", "真", "", "", "10", "10", ""});
        }
        window->OnMainWindowCreated();
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            qWarning("window not exposed");
        toolbar(1);
        prompter.clear();
    }

    ListControl* products() { return find<ListControl>(kProducts); }
    ListControl* cart() { return find<ListControl>(kCart); }
    QComboBox* customer() { return find<QComboBox>(QStringLiteral("组合框_客户")); }
    QRadioButton* radio(const QString& name) { return find<QRadioButton>(name); }

    void showAll() { click(QStringLiteral("按钮35")); }
    // Lists every product, picks the row of the number, types quantity (and price, remark) and adds it.
    void addLine(const QString& number, const QString& quantity, const QString& price = {}, const QString& remark = {}) {
        if (products()->rowCount() == 0)
            showAll();
        int row = listColumn(kProducts, 1).indexOf(number);
        if (row < 0)
            qFatal("product %s not listed", qPrintable(number));
        clickListRow(kProducts, row);
        if (!price.isNull())
            type(QStringLiteral("编辑框_单价"), price);
        type(QStringLiteral("编辑框_数量"), quantity);
        type(QStringLiteral("编辑框_备注"), remark);
        click(QStringLiteral("按钮2"));
    }
    void pickCustomer(const QString& name) { choose(QStringLiteral("组合框_客户"), name); }
    void pay(const QString& radioName) { radio(radioName)->click(); }
    void checkout(const QString& customerName, const QString& radioName) {
        pickCustomer(customerName);
        pay(radioName);
        click(QStringLiteral("按钮3"));
    }    QString storedStock(const QString& number) const {
        for (const StoredRecord& r : stored(Tables::kProducts))
            if (r.value(QStringLiteral("编号")) == number)
                return r.value(QStringLiteral("数量"));
        return QStringLiteral("?");
    }
    QString listedStock(const QString& number) const {
        int row = listColumn(kProducts, 1).indexOf(number);
        return row < 0 ? QStringLiteral("?") : listRows(kProducts)[row][6];
    }
};
