#include "query/QueryControls.h"
#include "query/QueryRowDecoder.h"
#include "store/FieldCodec.h"

#include <QTest>

namespace {

// The nine stored fields of record n: its number in the remark, a customer of
// a few, a quantity and an amount.
QList<QByteArray> storedRecord(int n) {
    const QStringList plain = {QStringLiteral("2024年1月%1日").arg(1 + n % 28), QStringLiteral("客户%1").arg(n % 5),
                               QStringLiteral("LFXS-%1").arg(n), QStringLiteral("商品"), QStringLiteral("2.5"),
                               QString::number(n % 4), QString::number(n * 0.01, 'f', 2), QStringLiteral("已结"),
                               QString::number(n)};
    QList<QByteArray> stored;
    for (const QString& p : plain)
        stored << FieldCodec::EncodeField(p).toUtf8();
    return stored;
}

} // namespace

class QueryRowDecoderTest : public QObject {
    Q_OBJECT

private slots:
    void rowsComeInRecordOrder_data() {
        QTest::addColumn<int>("records");
        QTest::newRow("none") << 0;
        QTest::newRow("one") << 1;
        QTest::newRow("one batch less one") << 2047;
        QTest::newRow("one batch") << 2048;
        QTest::newRow("one batch and one") << 2049;
        QTest::newRow("many batches ahead") << 9000;
    }
    void rowsComeInRecordOrder() {
        QFETCH(int, records);
        QList<QueryRowDecoder::Row> delivered;
        {
            // Every third record matches; every seventh could not be read.
            QueryRowDecoder decoder(
                9, [](const QStringList& cells) { return cells[QueryColumn::Remark].toInt() % 3 == 0; },
                [&](QueryRowDecoder::Row&& row) { delivered << std::move(row); });
            for (int n = 1; n <= records; ++n) {
                const QList<QByteArray> stored = storedRecord(n);
                SqliteTable::StoredBytes bytes;
                if (n % 7 != 0)
                    for (const QByteArray& value : stored)
                        bytes.append(value);
                decoder.add(bytes);
            }
            decoder.finish();
        }
        // An unread record reads as empty texts: its remark "" reads as 0, which matches.
        QList<int> expected;
        for (int n = 1; n <= records; ++n)
            if (n % 7 == 0 || n % 3 == 0)
                expected << n;
        QCOMPARE(delivered.size(), expected.size());
        QHash<QString, const QChar*> customerTexts;
        for (int i = 0; i < delivered.size(); ++i) {
            const QueryRowDecoder::Row& row = delivered[i];
            const int n = expected[i];
            QCOMPARE(row.cells.size(), 10);
            QVERIFY(row.cells[QueryColumn::Serial].isEmpty());
            if (n % 7 == 0) {
                for (const QString& cell : row.cells)
                    QVERIFY(cell.isEmpty());
                QCOMPARE(row.amount, 0.0);
                continue;
            }
            QCOMPARE(row.cells[QueryColumn::Remark], QString::number(n));
            QCOMPARE(row.cells[QueryColumn::Number], QStringLiteral("LFXS-%1").arg(n));
            QCOMPARE(row.quantity, double(n % 4));
            QCOMPARE(row.amount, QString::number(n * 0.01, 'f', 2).toDouble());
            // Equal customer names share one text.
            const QString& customer = row.cells[QueryColumn::Customer];
            QCOMPARE(customer, QStringLiteral("客户%1").arg(n % 5));
            const QChar* text = customerTexts.value(customer, customer.constData());
            QCOMPARE(customer.constData(), text);
            customerTexts.insert(customer, text);
        }
    }
};

QTEST_APPLESS_MAIN(QueryRowDecoderTest)
#include "tst_queryrowdecoder.moc"
