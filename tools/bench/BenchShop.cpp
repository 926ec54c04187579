#include "BenchShop.h"

#include "store/EncodedFields.h"
#include "store/Schema.h"
#include "store/Tables.h"
#include "ui/EventPump.h"

#include <cstdio>

BenchShop::BenchShop() {
    QString path = dir.filePath(QStringLiteral("xssj.db"));
    Schema::CreateDatabaseFile(path);
    fill_.Open(path);
}

BenchShop::~BenchShop() {
    window.reset();
    if (ctx)
        ShutdownCleanup(*ctx);
}

void BenchShop::startWindow() {
    fill_.Close();
    ctx = std::make_unique<AppContext>(dir.path(), clock, prompter);
    window = std::make_unique<MainWindow>(*ctx);
    window->OnMainWindowCreated();
    window->show();
    PumpEventsNow();
}

qint64 BenchShop::measure(const char* what, const std::function<void()>& action) {
    QElapsedTimer timer;
    timer.start();
    action();
    PumpEventsNow();
    qint64 ms = timer.elapsed();
    std::printf("%-50s %6lld ms\n", what, ms);
    std::fflush(stdout);
    return ms;
}

void appendPlainRecord(SqliteTable& table, const QString& tableName, const QStringList& values) {
    table.BeginAppend();
    const QStringList fields = Tables::fieldsOf(tableName);
    for (int i = 0; i < fields.size() && i < values.size(); ++i)
        writePlain(table, fields[i], values[i]);
    table.Update();
}

void BenchShop::fillProducts(int products, int categories) {
    TransactionGuard transaction(fill_);
    SqliteTable table;
    table.Open(Tables::kProductCategories, fill_);
    for (int c = 0; c < categories; ++c)
        appendPlainRecord(table, Tables::kProductCategories, {QStringLiteral("分类%1").arg(c)});
    table.Open(Tables::kProducts, fill_);
    for (int p = 0; p < products; ++p)
        appendPlainRecord(table, Tables::kProducts,
                          {QStringLiteral("LFXS-%1").arg(240000000000LL + p), QStringLiteral("分类%1").arg(p % categories),
                           QStringLiteral("商品%1").arg(p), QStringLiteral("%1.5").arg(p % 90), QStringLiteral("假"),
                           QStringLiteral("假"), QString::number(p % 500 + 10), QStringLiteral("备注%1").arg(p % 7)});
    table.Close();
    transaction.commit();
}
