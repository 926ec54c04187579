// Reads nine fields of every sales record through the table cursor and
// compares it with one plain SELECT of the same fields.
// Usage: bench_store [RECORDS]   (default 200000)

#include "store/EncodedFields.h"
#include "store/Schema.h"
#include "store/SqliteDB.h"
#include "store/Tables.h"
#include "util/TextForms.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <cstdio>

namespace {

bool fillSales(SqliteDB& db, int records) {
    TransactionGuard transaction(db);
    SqliteTable sales;
    if (!sales.Open(Tables::kSales, db))
        return false;
    const QStringList fields = Tables::fieldsOf(Tables::kSales);
    for (int i = 0; i < records; ++i) {
        sales.BeginAppend();
        QStringList values = {TextForms::dateText(44000 + i % 900), QStringLiteral("客户%1").arg(i % 300),
                              QStringLiteral("LF%1").arg(240000000000LL + i % 20000), QStringLiteral("商品%1").arg(i % 20000),
                              QStringLiteral("12.5"), QStringLiteral("2"), QStringLiteral("25"), QString(),
                              QStringLiteral("已结")};
        for (int f = 0; f < fields.size(); ++f)
            writePlain(sales, fields[f], values[f]);
        if (!sales.Update())
            return false;
    }
    return transaction.commit();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    int records = argc > 1 ? QByteArray(argv[1]).toInt() : 200000;
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("xssj.db"));
    Schema::CreateDatabaseFile(path);
    SqliteDB db;
    db.Open(path);
    QElapsedTimer timer;
    timer.start();
    if (!fillSales(db, records))
        return 1;
    std::printf("append %d records through the cursor: %lld ms\n", records, timer.restart());

    const QStringList fields = Tables::fieldsOf(Tables::kSales);
    SqliteTable sales;
    sales.Open(Tables::kSales, db);
    qint64 characters = 0;
    int count = sales.RecordCount();
    for (int n = 1; n <= count; ++n) {
        sales.GoTo(n);
        for (const QString& f : fields)
            characters += readPlain(sales, f).size();
    }
    std::printf("cursor: read+decode 9 fields of %d records: %lld ms (%lld chars)\n", count, timer.restart(),
                characters);

    characters = 0;
    for (int n = 1; n <= count; ++n) {
        sales.GoTo(n);
        for (const QString& f : fields)
            characters += sales.Read(f).size();
    }
    std::printf("cursor: read 9 fields of %d records (no decode): %lld ms\n", count, timer.restart());
    db.BeginTransaction();
    for (int n = 1; n <= count; ++n) {
        sales.GoTo(n);
        for (const QString& f : fields)
            characters += sales.Read(f).size();
    }
    db.CommitTransaction();
    std::printf("cursor inside one transaction: %lld ms\n", timer.restart());
    sales.Close();

    characters = 0;
    sqlite3_stmt* stmt = nullptr;
    QByteArray sql = QStringLiteral("SELECT %1 FROM %2").arg(fields.join(QLatin1Char(',')), Tables::kSales).toUtf8();
    sqlite3_prepare_v2(db.handle(), sql.constData(), -1, &stmt, nullptr);
    while (sqlite3_step(stmt) == SQLITE_ROW)
        for (int i = 0; i < fields.size(); ++i)
            characters += QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, i))).size();
    sqlite3_finalize(stmt);
    std::printf("plain SELECT of 9 fields (no decode): %lld ms\n", timer.restart());
    return 0;
}
