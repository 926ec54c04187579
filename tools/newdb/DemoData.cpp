#include "DemoData.h"

#include "store/EncodedFields.h"
#include "store/SqliteDB.h"
#include "store/Tables.h"
#include "util/OleDate.h"
#include "util/TextForms.h"

#include <QMap>

#include <random>

namespace {

using TextForms::flagText;
using TextForms::numberText;

struct Product {
    QString number, category, name, price;
    bool unlimited, negativeAllowed;
    double stock;
    QString remark;
};

struct Customer {
    QString name, category;
    bool prepaid;
    QString phone, address, remark;
    double toppedUp = 0, balance = 0;
};

bool appendRecord(SqliteTable& table, const QString& tableName, const QStringList& values) {
    if (!table.BeginAppend())
        return false;
    const QStringList fields = Tables::fieldsOf(tableName);
    for (int i = 0; i < fields.size(); ++i)
        writePlain(table, fields[i], values.value(i));
    return table.Update();
}

QList<Product> demoProducts() {
    return {
        {"LF240301090000", "饮料", "农夫山泉550ml", "2", false, false, 240, "整箱24瓶"},
        {"LF240301090001", "饮料", "可口可乐330ml", "3.5", false, false, 120, ""},
        {"LF240301090002", "饮料", "康师傅冰红茶", "3", false, false, 96, ""},
        {"LF240301090003", "粮油", "东北大米5kg", "45", false, false, 30, "新米"},
        {"LF240301090004", "粮油", "金龙鱼调和油5L", "69.9", false, false, 18, ""},
        {"LF240301090005", "粮油", "散装大米", "2.6", false, true, 50, "按斤卖，可先售后补货"},
        {"LF240301090006", "文具", "A4打印纸", "25", false, false, 40, "每包500张"},
        {"LF240301090007", "文具", "中性笔（黑）", "1.5", false, false, 300, ""},
        {"LF240301090008", "服务", "送货上门", "5", true, false, 0, "不限次数"},
        {"LF240301090009", "零食", "旺旺雪饼", "12.50", false, false, 35, ""},
    };
}

QList<Customer> demoCustomers() {
    return {
        {"散客", "零售", false, "", "", "现款顾客", 0, 0},
        {"张三", "老顾客", true, "13800138000", "东街12号", "", 0, 0},
        {"李四", "老顾客", true, "13900139000", "西街8号", "常买粮油", 0, 0},
        {"王五小卖部", "批发", false, "0755-1234567", "南门市场3号", "月底结账", 0, 0},
        {"赵六食堂", "批发", true, "13700137000", "工业园食堂", "", 0, 0},
    };
}

} // namespace

bool FillDemoData(SqliteDB& db, const QDateTime& today) {
    std::mt19937 random(20240301);
    QList<Product> products = demoProducts();
    QList<Customer> customers = demoCustomers();
    const double todayOle = OleDate::datePart(OleDate::fromQDateTime(today));

    TransactionGuard transaction(db);
    if (!transaction.began())
        return false;
    SqliteTable table;

    if (!table.Open(Tables::kProductCategories, db))
        return false;
    for (const char* c : {"饮料", "粮油", "文具", "零食", "服务"})
        if (!appendRecord(table, Tables::kProductCategories, {QString::fromUtf8(c)}))
            return false;

    if (!table.Open(Tables::kCustomerCategories, db))
        return false;
    for (const char* c : {"零售", "老顾客", "批发"})
        if (!appendRecord(table, Tables::kCustomerCategories, {QString::fromUtf8(c)}))
            return false;

    // Top-ups over the last six weeks for the customers who pay from a balance.
    if (!table.Open(Tables::kTopUps, db))
        return false;
    for (Customer& c : customers) {
        if (!c.prepaid)
            continue;
        for (double amount : {500.0, 300.0}) {
            double day = todayOle - 42 + static_cast<int>(random() % 10) + (amount < 400 ? 14 : 0);
            c.toppedUp += amount;
            c.balance += amount;
            if (!appendRecord(table, Tables::kTopUps,
                              {TextForms::dateText(day), c.name, numberText(amount), QStringLiteral("现金预存")}))
                return false;
        }
    }

    // Four weeks of sales, a few lines a day, in all three payment states.
    if (!table.Open(Tables::kSales, db))
        return false;
    for (int dayOffset = 27; dayOffset >= 0; --dayOffset) {
        double day = todayOle - dayOffset;
        int lines = 1 + static_cast<int>(random() % 4);
        for (int l = 0; l < lines; ++l) {
            Customer& customer = customers[random() % customers.size()];
            Product& product = products[random() % products.size()];
            double quantity = 1 + static_cast<int>(random() % 5);
            // As at the till: no sale takes a product below zero unless it may go there.
            if (!product.unlimited && !product.negativeAllowed && product.stock < quantity)
                continue;
            double amount = TextForms::toNumber(product.price) * quantity;
            QString method = QStringLiteral("已结");
            if (customer.prepaid && customer.balance - amount > 0 && random() % 2 == 0) {
                method = QStringLiteral("代扣");
                customer.balance -= amount;
            } else if (customer.category == QStringLiteral("批发")) {
                method = dayOffset > 14 ? QStringLiteral("已结") : QStringLiteral("记账");
            }
            if (!product.unlimited)
                product.stock -= quantity;
            if (!appendRecord(table, Tables::kSales,
                              {TextForms::dateText(day), customer.name, product.number, product.name, product.price,
                               numberText(quantity), numberText(amount), QString(), method}))
                return false;
        }
    }

    if (!table.Open(Tables::kProducts, db))
        return false;
    for (const Product& p : products) {
        QString stock = p.unlimited ? QStringLiteral("*999999*") : numberText(p.stock);
        if (!appendRecord(table, Tables::kProducts,
                          {p.number, p.category, p.name, p.price, flagText(p.unlimited), flagText(p.negativeAllowed),
                           stock, p.remark}))
            return false;
    }

    if (!table.Open(Tables::kCustomers, db))
        return false;
    for (const Customer& c : customers)
        if (!appendRecord(table, Tables::kCustomers,
                          {c.name, c.category, flagText(c.prepaid), c.phone, c.address, numberText(c.toppedUp),
                           numberText(c.balance), c.remark}))
            return false;
    table.Close();
    return transaction.commit();
}
