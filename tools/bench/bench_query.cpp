// The query page with 200,000 sales records: a date-range load of all of
// them, a keyword load, each filter, a sort by each kind of column, the
// selection total, marking, and an export.
// Usage: bench_query [RECORDS]; QT_QPA_PLATFORM=offscreen headless.

#include "app/AllocatorTuning.h"
#include "BenchShop.h"

#include "query/QueryPage.h"
#include "query/SpreadsheetExport.h"
#include "store/Tables.h"
#include "ui/ListControl.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>

#include <cstdio>

int main(int argc, char** argv) {
    TuneAllocatorForLongLists(); // as the program does
    QApplication app(argc, argv);
    const int records = argc > 1 ? QByteArray(argv[1]).toInt() : 200000;
    BenchShop shop;
    {
        TransactionGuard transaction(shop.fillDb());
        SqliteTable sales;
        sales.Open(Tables::kSales, shop.fillDb());
        const QString methods[] = {QStringLiteral("已结"), QStringLiteral("记账"), QStringLiteral("代扣")};
        for (int i = 0; i < records; ++i) {
            int day = i / 200; // about 200 sales a day over the years
            QDate date = QDate(2020, 1, 1).addDays(day);
            appendPlainRecord(sales, Tables::kSales,
                              {QStringLiteral("%1年%2月%3日").arg(date.year()).arg(date.month()).arg(date.day()),
                               QStringLiteral("客户%1").arg(i % 300), QStringLiteral("LFXS-%1").arg(240000000000LL + i % 20000),
                               QStringLiteral("商品%1").arg(i % 20000), QStringLiteral("%1.5").arg(i % 90),
                               QString::number(1 + i % 5), QString::number((i % 90 + 0.5) * (1 + i % 5)),
                               i % 7 == 0 ? QStringLiteral("送货") : QString(), methods[i % 3]});
        }
        sales.Close();
        transaction.commit();
    }
    std::printf("%d sales records\n", records);
    shop.startWindow();
    MainWindow& window = *shop.window;
    auto find = [&](const char* name) { return window.findChild<QWidget*>(QString::fromUtf8(name)); };
    auto* list = window.findChild<ListControl*>(QStringLiteral("超级列表框_查询"));
    auto click = [&](const char* name) { static_cast<QPushButton*>(find(name))->click(); };
    window.OnToolbarClick(7);

    static_cast<QDateEdit*>(find("日期框_起"))->setDate(QDate(2019, 1, 1));
    static_cast<QDateEdit*>(find("日期框_止"))->setDate(QDate(2030, 1, 1));
    BenchShop::measure("date-range load of every record", [&] { click("按钮23"); });
    std::printf("  rows: %d\n", list->rowCount());
    for (auto [column, kind] : {std::pair{1, "date"}, std::pair{7, "number"}, std::pair{4, "text"}}) {
        QByteArray what = QByteArray("sort by ") + kind + " (header click)";
        BenchShop::measure(what.constData(), [&] { window.queryPage()->query().OnHeaderClick(column); });
    }
    list->setCurrentRow(0);
    for (int r = 0; r < 1000; ++r)
        list->selectRow(r * 50, true);
    BenchShop::measure("selection total of 1,000 rows", [&] { window.queryPage()->query().UpdateSelectionTotal(); });
    BenchShop::measure("mark 1,000 selected rows 已结", [&] { window.queryPage()->records().MarkSelectedRecords(QStringLiteral("已结")); });
    shop.prompter.saveAnswer = shop.dir.filePath(QStringLiteral("export.xls"));
    BenchShop::measure("export every row", [&] { click("按钮25"); });
    auto* settled = static_cast<QCheckBox*>(find("选择框_查询现结"));
    settled->click();
    BenchShop::measure("method filter (已结)", [&] { click("按钮22"); });
    std::printf("  rows: %d\n", list->rowCount());
    static_cast<QLineEdit*>(find("编辑框_查询金额起"))->setText(QStringLiteral("10"));
    static_cast<QLineEdit*>(find("编辑框_查询金额止"))->setText(QStringLiteral("100"));
    BenchShop::measure("amount filter (10 to 100)", [&] { click("按钮24"); });
    std::printf("  rows: %d\n", list->rowCount());
    auto* customer = static_cast<QComboBox*>(find("组合框_查询客户"));
    customer->setCurrentIndex(5);
    BenchShop::measure("customer filter", [&] { window.queryPage()->query().FilterByCustomer(); });
    std::printf("  rows: %d\n", list->rowCount());
    static_cast<QLineEdit*>(find("编辑框_查询关键字"))->setText(QStringLiteral("送货"));
    BenchShop::measure("keyword load (送货)", [&] { click("按钮_查询"); });
    std::printf("  rows: %d\n", list->rowCount());
    return 0;
}
