// The sales page on a shop of 20,000 products: entering it (tree build and
// customer choice), "显示全部", a category click, a keyword search, and adding
// to the cart (whose consistency check walks every product).
// Usage: bench_sales [PRODUCTS]; QT_QPA_PLATFORM=offscreen headless.

#include "app/AllocatorTuning.h"
#include "BenchShop.h"

#include "sales/SalesPage.h"
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
    BenchShop shop;
    shop.fillProducts(products, 50);
    std::printf("%d products in 50 categories\n", products);
    shop.startWindow();
    MainWindow& window = *shop.window;
    auto* list = window.findChild<ListControl*>(QStringLiteral("超级列表框_销售"));
    auto* tree = window.findChild<TreeControl*>(QStringLiteral("树型框_销售"));
    auto button = [&](const char* name) { return window.findChild<QPushButton*>(QString::fromUtf8(name)); };

    BenchShop::measure("enter 销售出库 (tree + customers)", [&] { window.OnToolbarClick(1); });
    BenchShop::measure("显示全部", [&] { button("按钮35")->click(); });
    std::printf("  list rows: %d\n", list->rowCount());
    BenchShop::measure("category click", [&] { window.salesPage()->browser().OnTreeSelection(tree->topLevelItem(3), true); });
    std::printf("  list rows: %d\n", list->rowCount());
    window.findChild<QLineEdit*>(QStringLiteral("编辑框_销售关键字"))->setText(QStringLiteral("商品1999"));
    BenchShop::measure("keyword search", [&] { button("按钮1")->click(); });
    std::printf("  list rows: %d\n", list->rowCount());
    list->setCurrentRow(0);
    window.salesPage()->browser().OnProductListClick();
    BenchShop::measure("加入购物车 (with CheckCartAgainstStock)", [&] { button("按钮2")->click(); });
    BenchShop::measure("CheckCartAgainstStock alone", [&] { window.salesPage()->cart().CheckCartAgainstStock(); });
    std::printf("  messages: %d\n", shop.prompter.messages);
    return 0;
}
