#include "store/EncodedFields.h"
#include "store/FieldCodec.h"
#include "store/Schema.h"
#include "store/SqliteDB.h"
#include "store/Tables.h"
#include "util/TextForms.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>

namespace {

// Every value of a table as the file holds it, read with plain SQL.
QList<QStringList> rawRecords(const QString& path, const QString& table, int* nonText = nullptr) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* stmt = nullptr;
    QList<QStringList> out;
    QByteArray sql = QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(table).toUtf8();
    if (sqlite3_prepare_v2(db, sql.constData(), -1, &stmt, nullptr) == SQLITE_OK) {
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            QStringList record;
            for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
                if (nonText && sqlite3_column_type(stmt, i) != SQLITE_TEXT)
                    ++*nonText;
                record << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, i)));
            }
            out << record;
        }
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return out;
}

QStringList columnNames(const QString& path, const QString& table) {
    SqliteDB db;
    SqliteTable t;
    if (!db.Open(path) || !t.Open(table, db))
        return {};
    return t.columns();
}

int runNewDb(const QStringList& args, QString* output = nullptr) {
    QProcess p;
    p.start(QStringLiteral(XSSJ_NEWDB), args);
    p.waitForFinished(60000);
    if (output)
        *output = QString::fromLocal8Bit(p.readAllStandardError() + p.readAllStandardOutput());
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

} // namespace

class SchemaTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

private slots:
    void newFileHasSevenTablesAndOneSettingsRecord() {
        QString path = dir.filePath(QStringLiteral("new.db"));
        QVERIFY(Schema::CreateDatabaseFile(path));
        for (const Tables::Definition& table : Tables::all())
            QCOMPARE(columnNames(path, table.name), table.fields);
        QList<QStringList> settings = rawRecords(path, Tables::kSettings);
        QCOMPARE(settings.size(), 1);
        for (const QString& value : settings[0])
            QCOMPARE(value, FieldCodec::keyTag());
        for (const QString& table : {Tables::kProducts, Tables::kSales, Tables::kCustomers})
            QCOMPARE(rawRecords(path, table).size(), 0);
    }

    void existingFileIsNeverOverwritten() {
        QString path = dir.filePath(QStringLiteral("existing.db"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("keep me");
        f.close();
        QString error;
        QVERIFY(!Schema::CreateDatabaseFile(path, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("keep me"));
    }

    void unwritablePlaceLeavesNoFile() {
        QString path = dir.filePath(QStringLiteral("no/such/folder/xssj.db"));
        QString error;
        QVERIFY(!Schema::CreateDatabaseFile(path, &error));
        QVERIFY(!QFile::exists(path));
    }

    void toolRefusesToOverwrite() {
        QString path = dir.filePath(QStringLiteral("tool.db"));
        QCOMPARE(runNewDb({path}), 0);
        QByteArray before = [&] { QFile f(path); f.open(QIODevice::ReadOnly); return f.readAll(); }();
        QString output;
        QCOMPARE(runNewDb({path, QStringLiteral("--demo")}, &output), 1);
        QVERIFY2(output.contains(path), qPrintable(output));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
        QCOMPARE(runNewDb({}), 2);
    }

    void demoShopIsStoredAsTheProgramStoresIt() {
        QString path = dir.filePath(QStringLiteral("demo.db"));
        QCOMPARE(runNewDb({path, QStringLiteral("--demo")}), 0);
        int nonText = 0;
        const QString tag = FieldCodec::keyTag();
        for (const Tables::Definition& table : Tables::all()) {
            for (const QStringList& record : rawRecords(path, table.name, &nonText))
                for (const QString& value : record)
                    QVERIFY2(value.endsWith(tag), qPrintable(table.name + ": " + value));
        }
        QCOMPARE(nonText, 0);

        SqliteDB db;
        SqliteTable products;
        QVERIFY(db.Open(path));
        QVERIFY(products.Open(Tables::kProducts, db));
        QVERIFY(products.RecordCount() >= 5);
        bool unlimited = false, negative = false;
        for (products.GoFirst(); products.RecordNumber() <= products.RecordCount(); products.Skip()) {
            if (readPlain(products, QStringLiteral("数量")) == QStringLiteral("*999999*")) {
                QCOMPARE(readPlain(products, QStringLiteral("无限")), QStringLiteral("真"));
                unlimited = true;
            }
            negative |= readPlain(products, QStringLiteral("负数")) == QStringLiteral("真");
        }
        QVERIFY(unlimited);
        QVERIFY(negative);

        SqliteTable sales;
        QVERIFY(sales.Open(Tables::kSales, db));
        QSet<QString> methods;
        for (sales.GoFirst(); sales.RecordNumber() <= sales.RecordCount(); sales.Skip()) {
            methods << readPlain(sales, QStringLiteral("方式"));
            bool valid = false;
            TextForms::toDateTime(readPlain(sales, QStringLiteral("日期")), &valid);
            QVERIFY(valid);
            double amount = TextForms::toNumber(readPlain(sales, QStringLiteral("单价"))) *
                            TextForms::toNumber(readPlain(sales, QStringLiteral("数量")));
            QCOMPARE(readPlain(sales, QStringLiteral("金额")), TextForms::numberText(amount));
        }
        QCOMPARE(methods, QSet<QString>({"已结", "记账", "代扣"}));

        // Balances: top-ups minus what was deducted.
        SqliteTable customers;
        QVERIFY(customers.Open(Tables::kCustomers, db));
        int withBalance = 0;
        for (customers.GoFirst(); customers.RecordNumber() <= customers.RecordCount(); customers.Skip())
            if (TextForms::isPositive(TextForms::toNumber(readPlain(customers, QStringLiteral("剩余金额")))))
                ++withBalance;
        QVERIFY(withBalance >= 2);
    }
};

QTEST_GUILESS_MAIN(SchemaTest)
#include "tst_schema.moc"
