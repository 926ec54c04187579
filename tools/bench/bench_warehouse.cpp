// The warehouse page on a shop of 20,000 products in 50 categories: entering
// the page (tree build), "显示全部", a category click and a keyword search.
// Usage: bench_warehouse [PRODUCTS] [CATEGORIES]; QT_QPA_PLATFORM=offscreen headless.

#include "app/AllocatorTuning.h"
#include "BenchShop.h"

#include "products/WarehousePage.h"
#include "ui/ListControl.h"
#include "ui/TreeControl.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

#include <cstdio>

int main(int argc, char** argv) {
    TuneAllocatorForLongLists(); // as the program does
    QApplication app(argc, argv);
    const int products = argc > 1 ? QByteArray(argv[1]).toInt() : 20000;
    const int categories = argc > 2 ? QByteArray(argv[2]).toInt() : 50;
    BenchShop shop;
    shop.fillProducts(products, categories);
    std::printf("%d products in %d categories\n", products, categories);
    shop.startWindow();
    MainWindow& window = *shop.window;
    auto* list = window.findChild<ListControl*>(QStringLiteral("超级列表框_仓库"));
    auto* tree = window.findChild<TreeControl*>(QStringLiteral("树型框_商品信息"));

    BenchShop::measure("enter 仓库管理 (tree build)", [&] { window.OnToolbarClick(3); });
    BenchShop::measure("显示全部", [&] { window.findChild<QPushButton*>(QStringLiteral("按钮28"))->click(); });
    std::printf("  list rows: %d, tree nodes: %d\n", list->rowCount(), tree->topLevelItemCount());
    BenchShop::measure("category click", [&] {
        window.warehousePage()->categories().ShowTreeSelection(tree->topLevelItem(7), true);
    });
    std::printf("  list rows: %d\n", list->rowCount());
    window.findChild<QLineEdit*>(QStringLiteral("编辑框_关键字"))->setText(QStringLiteral("商品1999"));
    BenchShop::measure("keyword search", [&] { window.findChild<QPushButton*>(QStringLiteral("按钮12"))->click(); });
    std::printf("  list rows: %d\n", list->rowCount());
    window.findChild<QPushButton*>(QStringLiteral("按钮28"))->click();
    BenchShop::measure("header click: sort 20,000 rows by name", [&] { emit list->headerClicked(3); });
    return 0;
}
