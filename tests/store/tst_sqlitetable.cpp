#include "store/SqliteDB.h"
#include "store/SqliteTable.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>

namespace {

const QString kTable = QStringLiteral("货品");

// Reads a column of every record straight from the file, in rowid order.
QStringList columnInFile(const QString& path, const QString& column) {
    sqlite3* db = nullptr;
    QStringList out;
    sqlite3_open(path.toUtf8().constData(), &db);
    sqlite3_stmt* stmt = nullptr;
    QByteArray sql = QStringLiteral("SELECT %1 FROM 货品 ORDER BY rowid").arg(column).toUtf8();
    if (sqlite3_prepare_v2(db, sql.constData(), -1, &stmt, nullptr) == SQLITE_OK)
        while (sqlite3_step(stmt) == SQLITE_ROW)
            out << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return out;
}

} // namespace

class SqliteTableTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString path;
    SqliteDB db;
    SqliteTable table;

    // Five records n1..n5 in a table with a Chinese and a Latin column name.
    void makeFile(int records) {
        path = dir.filePath(QStringLiteral("t%1.db").arg(QTest::currentTestFunction()));
        QFile::remove(path);
        QVERIFY(db.Open(path, true));
        QVERIFY(db.Execute(QStringLiteral("CREATE TABLE 货品 (名称 TEXT, Price TEXT, 备注 TEXT)")));
        for (int i = 1; i <= records; ++i)
            QVERIFY(db.Execute(QStringLiteral("INSERT INTO 货品 VALUES ('n%1', '%1', NULL)").arg(i)));
        QVERIFY(table.Open(kTable, db));
    }

private slots:
    void cleanup() {
        table.Close();
        db.Close();
    }

    void openMissingFileCreatesNothing() {
        QString missing = dir.filePath(QStringLiteral("missing.db"));
        QVERIFY(!db.Open(missing));
        QVERIFY(!QFile::exists(missing));
        QVERIFY(!db.IsOpen());
        QVERIFY(!table.Open(kTable, db));
        QCOMPARE(table.RecordCount(), 0);
        QVERIFY(!table.GoFirst());
        QCOMPARE(table.Read(QStringLiteral("名称")), QString());
        QVERIFY(!table.BeginAppend());
        QVERIFY(!table.Update());
    }

    void memoryDatabaseOnlyWhenAskedFor() {
        QVERIFY(!db.Open(QString()));
        QVERIFY(!db.Open(QStringLiteral(":MEMORY:")));
        QVERIFY(db.Open(QStringLiteral(":memory:"), true));
        QVERIFY(db.IsOpen());
        QVERIFY(db.Close());
        QVERIFY(!db.IsOpen());
        QVERIFY(db.Close()); // nothing open is fine
    }

    void fileThatIsNoDatabase() {
        QString junk = dir.filePath(QStringLiteral("junk.db"));
        QFile f(junk);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(4096, 'x'));
        f.close();
        db.Open(junk);
        QVERIFY(!table.Open(kTable, db));
        QVERIFY(!table.IsOpen());
        QCOMPARE(table.RecordCount(), 0);
    }

    void emptyTable() {
        makeFile(0);
        QVERIFY(table.IsOpen());
        QCOMPARE(table.RecordCount(), 0);
        QVERIFY(!table.GoFirst());
        QCOMPARE(table.RecordNumber(), 1); // past the end of nothing
        bool ok = true;
        QCOMPARE(table.Read(QStringLiteral("名称"), &ok), QString());
        QVERIFY(!ok);
    }

    void nonexistentTableLeavesCursorClosed() {
        makeFile(1);
        QVERIFY(!table.Open(QStringLiteral("没有"), db));
        QVERIFY(!table.IsOpen());
        QVERIFY(!table.Open(QString(), db));
    }

    void movingAndReading() {
        makeFile(5);
        QCOMPARE(table.RecordNumber(), 0);
        QVERIFY(table.GoFirst());
        QCOMPARE(table.Read(QStringLiteral("名称")), QStringLiteral("n1"));
        QVERIFY(table.GoLast());
        QCOMPARE(table.Read(1), QStringLiteral("n5"));
        QVERIFY(!table.Skip());
        QCOMPARE(table.RecordNumber(), 6);
        QCOMPARE(table.Read(QStringLiteral("名称")), QString());
        QVERIFY(table.Skip(-1));
        QCOMPARE(table.Read(QStringLiteral("名称")), QStringLiteral("n5"));
        QVERIFY(!table.Skip(0));
        QCOMPARE(table.RecordNumber(), 5);
        QVERIFY(!table.GoTo(0));
        QCOMPARE(table.RecordNumber(), 0);
        QVERIFY(!table.GoTo(-3));
        QCOMPARE(table.RecordNumber(), 0);
        QVERIFY(!table.GoTo(99));
        QCOMPARE(table.RecordNumber(), 6);
    }

    void fieldAddressing_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("found");
        QTest::newRow("exact chinese") << "名称" << true;
        QTest::newRow("ascii case ignored") << "pRICE" << true;
        QTest::newRow("upper") << "PRICE" << true;
        QTest::newRow("chinese differs") << "名字" << false;
        QTest::newRow("trailing space") << "Price " << false;
        QTest::newRow("empty") << "" << false;
    }
    void fieldAddressing() {
        QFETCH(QString, name);
        QFETCH(bool, found);
        makeFile(1);
        QVERIFY(table.GoFirst());
        bool ok = !found;
        table.Read(name, &ok);
        QCOMPARE(ok, found);
        QVERIFY(table.BeginEdit());
        QCOMPARE(table.Write(name, QStringLiteral("x")), found);
    }

    void columnNumbers() {
        makeFile(1);
        QVERIFY(table.GoFirst());
        bool ok = false;
        QCOMPARE(table.Read(2, &ok), QStringLiteral("1"));
        QVERIFY(ok);
        table.Read(0, &ok);
        QVERIFY(!ok);
        table.Read(4, &ok);
        QVERIFY(!ok);
        QCOMPARE(table.Read(3, &ok), QString()); // NULL
        QVERIFY(ok);
    }

    void editChangesTheRecordCurrentAtUpdate() {
        makeFile(5);
        QVERIFY(!table.BeginEdit()); // before GoFirst
        QVERIFY(table.GoFirst());
        QVERIFY(table.BeginEdit());
        QVERIFY(table.GoTo(4));
        QVERIFY(table.Write(QStringLiteral("名称"), QStringLiteral("四")));
        QVERIFY(table.Update());
        QCOMPARE(table.state(), SqliteTable::Browsing);
        QCOMPARE(table.RecordNumber(), 4);
        QCOMPARE(columnInFile(path, QStringLiteral("名称")),
                 QStringList({"n1", "n2", "n3", "四", "n5"}));
    }

    void updateWithNothingWrittenAddsNothing() {
        makeFile(2);
        QVERIFY(table.BeginAppend());
        QVERIFY(!table.Update());
        QCOMPARE(table.state(), SqliteTable::Appending);
        QCOMPARE(table.RecordCount(), 2);
        QCOMPARE(columnInFile(path, QStringLiteral("名称")).size(), 2);
    }

    void appendAddsLastRecordWithoutMoving() {
        makeFile(3);
        QVERIFY(table.GoTo(2));
        QVERIFY(table.BeginAppend());
        QVERIFY(table.Write(QStringLiteral("名称"), QStringLiteral("新的")));
        QVERIFY(table.Write(QStringLiteral("price"), QStringLiteral("9")));
        QVERIFY(table.Update());
        QCOMPARE(table.RecordCount(), 4);
        QCOMPARE(table.RecordNumber(), 2);
        QVERIFY(table.GoLast());
        QCOMPARE(table.Read(QStringLiteral("名称")), QStringLiteral("新的"));
        QCOMPARE(table.Read(QStringLiteral("备注")), QString()); // left NULL
    }

    void failedUpdateKeepsStateAndValues() {
        makeFile(2);
        QVERIFY(table.GoTo(2));
        QVERIFY(table.BeginEdit());
        QVERIFY(table.Write(QStringLiteral("名称"), QStringLiteral("x")));
        QVERIFY(!table.GoTo(3)); // no record current at Update
        QVERIFY(!table.Update());
        QCOMPARE(table.state(), SqliteTable::Editing);
        QVERIFY(table.GoTo(2));
        QVERIFY(table.Update()); // the pending value was kept
        QCOMPARE(columnInFile(path, QStringLiteral("名称")), QStringList({"n1", "x"}));
    }

    void deleteWhileWalking() {
        makeFile(5);
        QVERIFY(table.GoTo(3));
        int at = table.RecordNumber();
        QVERIFY(table.DeleteCurrent());
        QCOMPARE(table.RecordNumber(), 0);
        QCOMPARE(table.RecordCount(), 4);
        QVERIFY(table.GoTo(at));
        QCOMPARE(table.Read(QStringLiteral("名称")), QStringLiteral("n4"));
        QVERIFY(!table.GoTo(0));
        QVERIFY(!table.DeleteCurrent());
    }

    void readSeesCommittedWriteAtOnce() {
        makeFile(1);
        QVERIFY(table.GoFirst());
        QCOMPARE(table.Read(QStringLiteral("名称")), QStringLiteral("n1"));
        QVERIFY(db.Execute(QStringLiteral("UPDATE 货品 SET 名称 = 'changed'")));
        QCOMPARE(table.Read(QStringLiteral("名称")), QStringLiteral("changed"));
    }

    void writeThroughAnotherCursorIsSeenAtOnce() {
        makeFile(300);
        SqliteTable other;
        QVERIFY(other.Open(kTable, db));
        QVERIFY(table.GoFirst());
        QCOMPARE(table.Read(QStringLiteral("名称")), QStringLiteral("n1")); // reads ahead past record 2
        QVERIFY(other.GoTo(2) && other.BeginEdit());
        QVERIFY(other.Write(QStringLiteral("名称"), QStringLiteral("changed")) && other.Update());
        QVERIFY(table.GoTo(2));
        QCOMPARE(table.Read(QStringLiteral("名称")), QStringLiteral("changed"));
        {
            TransactionGuard rolledBack(db);
            QVERIFY(other.GoTo(3) && other.BeginEdit());
            QVERIFY(other.Write(QStringLiteral("名称"), QStringLiteral("gone")) && other.Update());
            QVERIFY(table.GoTo(3));
            QCOMPARE(table.Read(QStringLiteral("名称")), QStringLiteral("gone"));
        }
        QCOMPARE(table.Read(QStringLiteral("名称")), QStringLiteral("n3")); // the rollback is seen too
        QVERIFY(table.GoTo(299));
        QCOMPARE(table.Read(QStringLiteral("名称")), QStringLiteral("n299"));
    }

    void vanishedRecordReadsEmpty() {
        makeFile(2);
        QVERIFY(table.GoTo(2));
        QVERIFY(db.Execute(QStringLiteral("DELETE FROM 货品")));
        bool ok = true;
        QCOMPARE(table.Read(QStringLiteral("名称"), &ok), QString());
        QVERIFY(!ok);
    }

    void readFieldsReadsSeveralAtOnce() {
        makeFile(3);
        QCOMPARE(table.ReadFields({"名称"}), QStringList()); // no record current yet
        QVERIFY(table.GoTo(2));
        QCOMPARE(table.ReadFields({"price", "名称", "备注"}), QStringList({"2", "n2", ""}));
        QCOMPARE(table.ReadFields({"名称", "没有"}), QStringList());
        QVERIFY(db.Execute(QStringLiteral("UPDATE 货品 SET 名称 = 'new' WHERE rowid = 2")));
        QCOMPARE(table.ReadFields({"名称"}), QStringList({"new"})); // a committed write is seen at once
        QVERIFY(!table.Skip(5));
        QCOMPARE(table.ReadFields({"名称"}), QStringList());
    }

    void valueTypesAreStored() {
        makeFile(0);
        QVERIFY(table.BeginAppend());
        QVERIFY(table.Write(1, qint64(1) << 40));
        QVERIFY(table.Write(2, 2.5));
        QVERIFY(table.Write(3, QByteArray("blob")));
        QVERIFY(table.Update());
        QVERIFY(table.GoFirst());
        QCOMPARE(table.Read(1), QString::number(qint64(1) << 40));
        QCOMPARE(table.Read(2), QStringLiteral("2.5"));
        QCOMPARE(table.Read(3), QStringLiteral("blob"));
    }

    void cursorOfClosedConnectionCountsAsClosed() {
        makeFile(3);
        QVERIFY(table.GoFirst());
        QVERIFY(db.Close());
        QVERIFY(!table.IsOpen());
        QCOMPARE(table.RecordCount(), 0);
        QCOMPARE(table.Read(QStringLiteral("名称")), QString());
        QVERIFY(db.Open(path));
        QVERIFY(!table.IsOpen()); // reopening the connection does not revive the cursor
        QVERIFY(!table.BeginAppend());
        QVERIFY(table.Open(kTable, db));
        QCOMPARE(table.RecordCount(), 3);
    }

    void rollbackUndoesTheTransaction() {
        makeFile(2);
        {
            TransactionGuard guard(db);
            QVERIFY(guard.began());
            QVERIFY(table.GoFirst());
            QVERIFY(table.BeginEdit());
            QVERIFY(table.Write(QStringLiteral("名称"), QStringLiteral("lost")));
            QVERIFY(table.Update());
            // no commit: the guard rolls back
        }
        QCOMPARE(columnInFile(path, QStringLiteral("名称")), QStringList({"n1", "n2"}));
        {
            TransactionGuard guard(db);
            QVERIFY(table.BeginAppend());
            QVERIFY(table.Write(1, QStringLiteral("kept")));
            QVERIFY(table.Update());
            QVERIFY(guard.commit());
        }
        QCOMPARE(columnInFile(path, QStringLiteral("名称")), QStringList({"n1", "n2", "kept"}));
    }

    void transactionsNeedAConnection() {
        QVERIFY(!db.BeginTransaction());
        QVERIFY(!db.CommitTransaction());
        QVERIFY(!db.ClearTable(kTable));
        makeFile(3);
        QVERIFY(!db.ClearTable(QString()));
        QVERIFY(db.ClearTable(kTable));
        QVERIFY(table.Open(kTable, db));
        QCOMPARE(table.RecordCount(), 0);
    }

    void invalidUtf8ReadsEmpty() {
        makeFile(0);
        QVERIFY(db.Execute(QStringLiteral("INSERT INTO 货品 (名称) VALUES (CAST(X'41FF42' AS TEXT))")));
        QVERIFY(table.Open(kTable, db));
        QVERIFY(table.GoFirst());
        QCOMPARE(table.Read(1), QString());
    }
};

QTEST_GUILESS_MAIN(SqliteTableTest)
#include "tst_sqlitetable.moc"
