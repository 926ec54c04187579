// The customers page with 2,000 customers in 20 categories and 20,000
// top-ups: entering the page, picking a prepaid customer (history walk),
// showing a customer from the bar, and a top-up.
// Usage: bench_customers [CUSTOMERS] [TOPUPS]; QT_QPA_PLATFORM=offscreen headless.

#include "app/AllocatorTuning.h"
#include "BenchShop.h"

#include "customers/CustomersPage.h"
#include "store/Tables.h"
#include "ui/ListControl.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

#include <cstdio>

int main(int argc, char** argv) {
    TuneAllocatorForLongLists(); // as the program does
    QApplication app(argc, argv);
    const int customers = argc > 1 ? QByteArray(argv[1]).toInt() : 2000;
    const int topUps = argc > 2 ? QByteArray(argv[2]).toInt() : 20000;
    BenchShop shop;
    {
        TransactionGuard transaction(shop.fillDb());
        SqliteTable table;
        table.Open(Tables::kCustomerCategories, shop.fillDb());
        for (int c = 0; c < 20; ++c)
            appendPlainRecord(table, Tables::kCustomerCategories, {QStringLiteral("客户分类%1").arg(c)});
        table.Open(Tables::kCustomers, shop.fillDb());
        for (int c = 0; c < customers; ++c)
            appendPlainRecord(table, Tables::kCustomers,
                              {QStringLiteral("客户%1").arg(c), QStringLiteral("客户分类%1").arg(c % 20),
                               c % 2 ? QStringLiteral("真") : QStringLiteral("假"), QStringLiteral("1380000%1").arg(c),
                               QStringLiteral("地址%1").arg(c), QStringLiteral("500"), QStringLiteral("120.5"), QString()});
        table.Open(Tables::kTopUps, shop.fillDb());
        for (int t = 0; t < topUps; ++t)
            appendPlainRecord(table, Tables::kTopUps,
                              {QStringLiteral("2024年1月%1日").arg(1 + t % 28), QStringLiteral("客户%1").arg((t * 2 + 1) % customers),
                               QStringLiteral("50"), QStringLiteral("现金")});
        table.Close();
        transaction.commit();
    }
    std::printf("%d customers in 20 categories, %d top-ups\n", customers, topUps);
    shop.startWindow();
    MainWindow& window = *shop.window;
    CustomersPage& page = *window.customersPage();
    auto* prepaid = window.findChild<ListControl*>(QStringLiteral("超级列表框_预存充值"));
    auto* history = window.findChild<ListControl*>(QStringLiteral("超级列表框_充值记录"));

    BenchShop::measure("enter 客户资料 (bar, totals, prepaid list)", [&] { window.OnToolbarClick(5); });
    std::printf("  prepaid rows: %d\n", prepaid->rowCount());
    prepaid->setCurrentRow(prepaid->rowCount() / 2);
    BenchShop::measure("select a prepaid customer (history walk)", [&] { page.topUps().ShowPrepaidCustomer(); });
    std::printf("  history rows: %d\n", history->rowCount());
    BenchShop::measure("show a customer from the bar", [&] { page.form().ShowCustomer(3, 10); });
    window.findChild<QLineEdit*>(QStringLiteral("编辑框_本次预存"))->setText(QStringLiteral("100"));
    BenchShop::measure("top-up (store, reload both tabs)", [&] { page.topUps().TopUp(); });
    return 0;
}
