// xssj-bench: the program at shop scale. Generates a shop of years (20,000
// products, 2,000 customers, 20,000 top-ups, 200,000 sales), then times the
// real pages in a shown main window (offscreen works), next to two references
// over the same sales records: the floor (one SELECT of the nine fields plus
// decoding) and the literal design (a statement prepared per field read and
// the key digest worked out per value).
// Usage: QT_QPA_PLATFORM=offscreen xssj-bench [--runs N] [--sales N] [--skip-literal] [--trace] [--loads-only]
// --loads-only times the two loads and the floor, and stops.
// --trace prints when each operation ran and every pause over 100 ms, on the
// clock "perf record -k CLOCK_MONOTONIC" uses.

#include "BenchShop.h"
#include "ShopGenerator.h"

#include "app/AllocatorTuning.h"
#include "query/QueryPage.h"
#include "sales/SalesPage.h"
#include "store/FieldCodec.h"
#include "store/Tables.h"
#include "ui/EventPump.h"
#include "ui/ListControl.h"
#include "ui/TreeControl.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

// The clock perf records with "-k CLOCK_MONOTONIC", so a trace lines up with a profile.
double monotonicSeconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// Ticks whenever the event loop turns; the longest pause between ticks is the
// longest time the window could not repaint.
class Heartbeat : public QObject {
public:
    static inline bool trace = false;

    Heartbeat() {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, this, [this] { tick(); });
        timer_.start();
    }
    void restart() {
        clock_.start();
        longest_ = 0;
    }
    qint64 longest() {
        tick();
        return longest_;
    }

private:
    void tick() {
        const qint64 pause = clock_.restart();
        longest_ = std::max(longest_, pause);
        if (trace && pause > 100)
            std::printf("    pause %lld ms ending at %.3f\n", pause, monotonicSeconds());
    }

    QTimer timer_;
    QElapsedTimer clock_;
    qint64 longest_ = 0;
};

struct Row {
    QString name;
    qint64 median = 0;
    qint64 longestPause = 0;
    bool readsSales = false;
};

qint64 medianOf(std::vector<qint64> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

qint64 peakMemoryMb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong() / 1024;
    return -1;
}

const QStringList kSalesFields = Tables::fieldsOf(Tables::kSales);

// The floor: one SELECT of the nine fields, every value decoded.
qint64 floorWalk(const QString& path) {
    QElapsedTimer t;
    t.start();
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* stmt = nullptr;
    QByteArray sql = QStringLiteral("SELECT %1 FROM %2").arg(kSalesFields.join(QLatin1Char(',')), Tables::kSales).toUtf8();
    sqlite3_prepare_v2(db, sql.constData(), -1, &stmt, nullptr);
    qint64 characters = 0;
    while (sqlite3_step(stmt) == SQLITE_ROW)
        for (int i = 0; i < kSalesFields.size(); ++i)
            characters += FieldCodec::DecodeField(
                              QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, i))))
                              .size();
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return characters > 0 ? t.elapsed() : -1;
}

// The literal design: per field read a statement of its own, prepared afresh,
// and the key's digest recomputed for every value.
qint64 literalWalk(const QString& path) {
    QElapsedTimer t;
    t.start();
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    std::vector<qint64> rowids;
    sqlite3_stmt* ids = nullptr;
    QByteArray idSql = QStringLiteral("SELECT _ROWID_ FROM %1 ORDER BY _ROWID_ ").arg(Tables::kSales).toUtf8();
    sqlite3_prepare_v2(db, idSql.constData(), -1, &ids, nullptr);
    while (sqlite3_step(ids) == SQLITE_ROW)
        rowids.push_back(sqlite3_column_int64(ids, 0));
    sqlite3_finalize(ids);
    qint64 characters = 0;
    for (qint64 rowid : rowids) {
        for (const QString& field : kSalesFields) {
            QByteArray sql =
                QStringLiteral("SELECT %1 FROM %2 WHERE _ROWID_ = %3 ").arg(field, Tables::kSales).arg(rowid).toUtf8();
            sqlite3_stmt* stmt = nullptr;
            sqlite3_prepare_v2(db, sql.constData(), -1, &stmt, nullptr);
            QString stored;
            if (sqlite3_step(stmt) == SQLITE_ROW)
                stored = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
            sqlite3_finalize(stmt);
            const QString tag = FieldCodec::KeyDigestHex(FieldCodec::kKey.toLatin1()).mid(2, 9).toUpper();
            if (stored.endsWith(tag))
                characters += FieldCodec::DecodeField(stored).size();
        }
    }
    sqlite3_close(db);
    return characters > 0 ? t.elapsed() : -1;
}

} // namespace

int main(int argc, char** argv) {
    TuneAllocatorForLongLists(); // as the program does
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    int runs = 3;
    ShopSize size;
    if (int i = args.indexOf(QStringLiteral("--runs")); i > 0 && i + 1 < args.size())
        runs = std::max(1, args[i + 1].toInt());
    if (int i = args.indexOf(QStringLiteral("--sales")); i > 0 && i + 1 < args.size())
        size.sales = args[i + 1].toInt();
    const bool skipLiteral = args.contains(QStringLiteral("--skip-literal"));
    Heartbeat::trace = args.contains(QStringLiteral("--trace"));
    const bool loadsOnly = args.contains(QStringLiteral("--loads-only"));

    BenchShop shop;
    QElapsedTimer generation;
    generation.start();
    if (!GenerateShop(shop.fillDb(), size)) {
        std::fprintf(stderr, "cannot generate the shop\n");
        return 1;
    }
    shop.fillDb().Close();
    std::printf("shop: %d products, %d customers, %d top-ups, %d sales records (generated in %lld ms)\n", size.products,
                size.customers, size.topUps, size.sales, generation.elapsed());
    std::fflush(stdout);
    const QString path = shop.dir.filePath(QStringLiteral("xssj.db"));

    auto floorRuns = [&] {
        std::vector<qint64> floors;
        for (int r = 0; r < runs; ++r)
            floors.push_back(floorWalk(path));
        return floors;
    };
    Heartbeat heartbeat;
    QList<Row> rows;
    auto measure = [&](const QString& name, bool readsSales, const std::function<void()>& setup,
                       const std::function<void()>& action) {
        std::vector<qint64> times;
        qint64 pause = 0;
        for (int r = 0; r < runs; ++r) {
            if (setup)
                setup();
            PumpEventsNow();
            heartbeat.restart();
            QElapsedTimer t;
            t.start();
            if (Heartbeat::trace)
                std::printf("    %s from %.3f\n", qPrintable(name), monotonicSeconds());
            action();
            PumpEventsNow();
            if (Heartbeat::trace)
                std::printf("    %s to %.3f\n", qPrintable(name), monotonicSeconds());
            times.push_back(t.elapsed());
            pause = std::max(pause, heartbeat.longest());
        }
        rows.append({name, medianOf(times), pause, readsSales});
        std::printf("  %s: %lld ms (", qPrintable(name), rows.last().median);
        for (qint64 time : times)
            std::printf(" %lld", time);
        std::printf(" )\n");
        std::fflush(stdout);
    };

    // Start-up to the window shown, on a context and window of their own.
    measure(QStringLiteral("启动到窗口显示 (start-up)"), false, {}, [&] {
        SilentPrompter prompter;
        Clock clock;
        AppContext ctx(shop.dir.path(), clock, prompter);
        MainWindow window(ctx);
        window.OnMainWindowCreated();
        window.show();
        PumpEventsNow();
        ShutdownCleanup(ctx);
    });

    shop.startWindow();
    MainWindow& window = *shop.window;
    auto child = [&](const char* name) { return window.findChild<QWidget*>(QString::fromUtf8(name)); };
    auto button = [&](const char* name) { return static_cast<QPushButton*>(child(name)); };
    auto* list = window.findChild<ListControl*>(QStringLiteral("超级列表框_查询"));
    SalesQuery& query = window.queryPage()->query();
    window.OnToolbarClick(7);
    static_cast<QDateEdit*>(child("日期框_起"))->setDate(QDate(2000, 1, 1));
    static_cast<QDateEdit*>(child("日期框_止"))->setDate(QDate(2099, 1, 1));
    auto loadAll = [&] { button("按钮23")->click(); };

    measure(QStringLiteral("日期范围载入全部 (date-range load)"), true, {}, loadAll);
    const int listed = list->rowCount();
    static_cast<QLineEdit*>(child("编辑框_查询关键字"))->setText(QStringLiteral("送货上门"));
    measure(QStringLiteral("关键字载入约十分之一 (keyword load)"), true, {}, [&] { button("按钮_查询")->click(); });
    const int keywordRows = list->rowCount();
    if (loadsOnly) {
        const std::vector<qint64> floors = floorRuns();
        std::printf("floor: %lld ms (fastest %lld ms)\n", medianOf(floors), *std::min_element(floors.begin(), floors.end()));
        return 0;
    }
    auto* customers = static_cast<QComboBox*>(child("组合框_查询客户"));
    measure(QStringLiteral("客户过滤 (customer filter)"), false, loadAll, [&] {
        customers->setCurrentIndex(0);
        query.FilterByCustomer();
    });
    static_cast<QLineEdit*>(child("编辑框_查询金额起"))->setText(QStringLiteral("10"));
    static_cast<QLineEdit*>(child("编辑框_查询金额止"))->setText(QStringLiteral("100"));
    measure(QStringLiteral("金额过滤 (amount filter)"), false, loadAll, [&] { button("按钮24")->click(); });
    query.setMethodFlag(QStringLiteral("已结"), true);
    measure(QStringLiteral("方式过滤 (method filter)"), false, loadAll, [&] { button("按钮22")->click(); });
    loadAll();
    measure(QStringLiteral("按日期排序 (sort by date)"), false, {}, [&] { query.OnHeaderClick(1); });
    measure(QStringLiteral("按金额排序 (sort by amount)"), false, {}, [&] { query.OnHeaderClick(7); });
    measure(QStringLiteral("按客户排序 (sort by customer)"), false, {}, [&] { query.OnHeaderClick(2); });
    shop.prompter.saveAnswer = shop.dir.filePath(QStringLiteral("export.xls"));
    measure(QStringLiteral("导出全部 (export)"), false, {}, [&] { button("按钮25")->click(); });
    const qint64 memoryWithList = peakMemoryMb();

    window.OnToolbarClick(3);
    measure(QStringLiteral("仓库显示全部 (warehouse show all)"), false, {}, [&] { button("按钮28")->click(); });
    window.OnToolbarClick(1);
    auto* tree = window.findChild<TreeControl*>(QStringLiteral("树型框_销售"));
    SalesPage& sales = *window.salesPage();
    measure(QStringLiteral("销售页分类点击 (sales category click)"), false, {},
            [&] { sales.browser().OnTreeSelection(tree->topLevelItem(7), true); });
    static_cast<QLineEdit*>(child("编辑框_销售关键字"))->setText(QStringLiteral("商品1999"));
    measure(QStringLiteral("销售页查询 (sales search)"), false, {}, [&] { button("按钮1")->click(); });
    auto* products = window.findChild<ListControl*>(QStringLiteral("超级列表框_销售"));
    measure(
        QStringLiteral("20 行结账 (20-line checkout)"), false,
        [&] {
            sales.browser().LoadSalesBrowser(true);
            for (int line = 0; line < 20; ++line) {
                products->setCurrentRow(line * 41);
                sales.browser().OnProductListClick();
                static_cast<QLineEdit*>(child("编辑框_数量"))->setText(QStringLiteral("1"));
                sales.cart().AddToCart();
            }
        },
        [&] {
            auto* customer = static_cast<QComboBox*>(child("组合框_客户"));
            customer->setCurrentIndex(0);
            sales.checkout().OnCustomerPicked(0);
            static_cast<QRadioButton*>(child("单选框_现款"))->setChecked(true);
            sales.checkout().RunCheckout();
        });
    measure(QStringLiteral("进入客户资料 (enter customers page)"), false,
            [&] { shop.ctx->flags.customersPageLoaded = false; }, [&] { window.OnToolbarClick(5); });

    const qint64 floor = medianOf(floorRuns());
    const qint64 literal = skipLiteral ? -1 : literalWalk(path);
    const qint64 memory = peakMemoryMb();

    std::printf("\nlisted %d rows by date range, %d by keyword; median of %d runs\n\n", listed, keywordRows, runs);
    std::printf("| operation | median ms | × floor | longest pause ms |\n|---|---:|---:|---:|\n");
    for (const Row& r : rows) {
        QString ratio = r.readsSales && floor > 0 ? QString::number(double(r.median) / floor, 'f', 2) : QStringLiteral("");
        std::printf("| %s | %lld | %s | %lld |\n", qPrintable(r.name), r.median, qPrintable(ratio), r.longestPause);
    }
    std::printf("| floor: one SELECT + decoding, %d records | %lld | 1.00 | |\n", size.sales, floor);
    if (literal >= 0)
        std::printf("| literal design: statement and digest per read | %lld | %.2f | |\n", literal, double(literal) / floor);
    std::printf("\npeak resident memory: %lld MB (%lld MB with the %d-row list shown)\n", memory, memoryWithList, listed);
    if (literal >= 0 && !rows.isEmpty())
        std::printf("date-range load is %.1f× faster than the literal design's walk\n",
                    double(literal) / std::max<qint64>(1, rows[1].median));
    return 0;
}
