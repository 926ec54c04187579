// Fills a list control with rows of ten columns, letting the window repaint
// during the fill as the table walks do, then sorts it by a text, a numeric
// and a date column.
// Usage: bench_list [ROWS]   (default 200000); run with QT_QPA_PLATFORM=offscreen headless.

#include "app/AllocatorTuning.h"
#include "ui/EventPump.h"
#include "ui/ListControl.h"
#include "ui/ListSort.h"
#include "util/SortOrder.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <random>

int main(int argc, char** argv) {
    TuneAllocatorForLongLists(); // as the program does
    QApplication app(argc, argv);
    int rows = argc > 1 ? QByteArray(argv[1]).toInt() : 200000;
    QWidget window;
    window.resize(1000, 600);
    auto* list = new ListControl(QStringLiteral("超级列表框_查询"), &window);
    list->setGeometry(0, 0, 1000, 600);
    QList<ListControl::Column> columns;
    for (int c = 0; c < 10; ++c)
        columns << ListControl::Column{QStringLiteral("列%1").arg(c), 90};
    list->setColumns(columns);
    window.show();

    std::mt19937 random(7);
    QElapsedTimer timer;
    timer.start();
    int repaints = 0;
    qint64 lastPump = 0;
    for (int r = 0; r < rows; ++r) {
        int v = static_cast<int>(random() % 50000);
        list->addRow({QString::number(r + 1), QStringLiteral("2024年%1月%2日").arg(1 + v % 12).arg(1 + v % 28),
                      QStringLiteral("客户%1").arg(v % 300), QStringLiteral("LF%1").arg(240000000000LL + v),
                      QStringLiteral("商品%1").arg(v), QString::number(v % 100 / 4.0), QString::number(1 + v % 5),
                      QString::number((v % 100 / 4.0) * (1 + v % 5)), QStringLiteral("已结"), QString()});
        PumpEvents();
        if (timer.elapsed() - lastPump >= 40) {
            ++repaints;
            lastPump = timer.elapsed();
        }
    }
    PumpEventsNow();
    std::printf("fill %d rows x 10 columns: %lld ms (window pumped about %d times)\n", rows, timer.restart(), repaints);

    list->setCurrentRow(rows / 2);
    struct Case {
        const char* name;
        int column;
        int mode;
    } cases[] = {{"text (商品名称)", 4, 1}, {"numeric (金额)", 7, 0}, {"date (销售日期)", 1, 2}};
    for (const Case& c : cases) {
        timer.restart();
        SortOnHeaderClick(*list, c.column, {{c.column, c.mode}});
        PumpEventsNow();
        std::printf("sort + renumber by %s: %lld ms\n", c.name, timer.restart());
    }

    QStringList names;
    for (int r = 0; r < rows; ++r)
        names << list->cell(r, 4);
    timer.restart();
    SortOrder::insertionOrder(names, 1);
    std::printf("order alone of %d text keys: %lld ms\n", rows, timer.restart());

    // The literal array insertion, for comparison, on a smaller list (it is quadratic).
    int small = std::min(rows, 50000);
    QStringList keys;
    for (int r = 0; r < small; ++r)
        keys << list->cell(r, 7);
    timer.restart();
    SortOrder::insertionOrder(keys, 0);
    qint64 fast = timer.restart();
    SortOrder::insertionOrderByArrays(keys, 0);
    std::printf("order of %d numeric keys: %lld ms, by array insertion: %lld ms\n", small, fast, timer.restart());
    return 0;
}
