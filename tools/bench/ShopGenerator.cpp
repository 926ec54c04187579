#include "ShopGenerator.h"

#include "BenchShop.h"

#include "store/SqliteDB.h"
#include "store/Tables.h"
#include "util/OleDate.h"
#include "util/TextForms.h"

#include <random>

bool GenerateShop(SqliteDB& db, const ShopSize& size) {
    std::mt19937 random(20241211);
    TransactionGuard transaction(db);
    if (!transaction.began())
        return false;
    SqliteTable t;
    using TextForms::numberText;

    t.Open(Tables::kProductCategories, db);
    for (int c = 0; c < size.productCategories; ++c)
        appendPlainRecord(t, Tables::kProductCategories, {QStringLiteral("分类%1").arg(c)});
    t.Open(Tables::kProducts, db);
    for (int p = 0; p < size.products; ++p) {
        const bool unlimited = p % 97 == 0;
        appendPlainRecord(t, Tables::kProducts,
                          {QStringLiteral("LFXS-%1").arg(240000000000LL + p), QStringLiteral("分类%1").arg(p % size.productCategories),
                           QStringLiteral("商品%1").arg(p), numberText(1 + random() % 9000 / 100.0),
                           TextForms::flagText(unlimited), TextForms::flagText(p % 13 == 0),
                           unlimited ? QStringLiteral("*999999*") : QString::number(100000 + random() % 1000),
                           p % 5 == 0 ? QStringLiteral("进口") : QString()});
    }
    t.Open(Tables::kCustomerCategories, db);
    for (int c = 0; c < size.customerCategories; ++c)
        appendPlainRecord(t, Tables::kCustomerCategories, {QStringLiteral("客户分类%1").arg(c)});
    t.Open(Tables::kCustomers, db);
    for (int c = 0; c < size.customers; ++c)
        appendPlainRecord(t, Tables::kCustomers,
                          {QStringLiteral("客户%1").arg(c), QStringLiteral("客户分类%1").arg(c % size.customerCategories),
                           TextForms::flagText(c % 2 == 1), QStringLiteral("138%1").arg(10000000 + c),
                           QStringLiteral("地址%1").arg(c), QStringLiteral("1000000"), QStringLiteral("1000000"), QString()});
    const double start = OleDate::fromQDateTime(QDateTime(QDate(2022, 1, 1), QTime()));
    t.Open(Tables::kTopUps, db);
    for (int i = 0; i < size.topUps; ++i)
        appendPlainRecord(t, Tables::kTopUps,
                          {TextForms::dateText(start + i * 1095.0 / size.topUps),
                           QStringLiteral("客户%1").arg((random() % (size.customers / 2)) * 2 + 1), QStringLiteral("500"),
                           QStringLiteral("现金")});
    t.Open(Tables::kSales, db);
    const QString methods[] = {QStringLiteral("已结"), QStringLiteral("记账"), QStringLiteral("代扣")};
    for (int i = 0; i < size.sales; ++i) {
        const int product = static_cast<int>(random() % size.products);
        const double price = 1 + product % 9000 / 100.0;
        const int quantity = 1 + static_cast<int>(random() % 5);
        appendPlainRecord(t, Tables::kSales,
                          {TextForms::dateText(start + i * 1095.0 / size.sales),
                           QStringLiteral("客户%1").arg(random() % size.customers), QStringLiteral("LFXS-%1").arg(240000000000LL + product),
                           QStringLiteral("商品%1").arg(product), numberText(price), QString::number(quantity),
                           numberText(price * quantity), random() % 10 == 0 ? QStringLiteral("送货上门") : QString(),
                           methods[random() % 3]});
    }
    t.Close();
    return transaction.commit();
}
