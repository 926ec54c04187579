#include "util/SortOrder.h"

#include <QTest>

#include <random>

using SortOrder::insertionOrder;
using SortOrder::insertionOrderByArrays;

Q_DECLARE_METATYPE(std::vector<int>)

class SortOrderTest : public QObject {
    Q_OBJECT

private slots:
    void orders_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<std::vector<int>>("order");
        QTest::newRow("equal first key goes in front") << 0 << QStringList{"1", "3", "1"} << std::vector<int>{2, 0, 1};
        QTest::newRow("ties do not keep their order")
            << 0 << QStringList{"5", "1", "9", "5", "5", "2"} << std::vector<int>{1, 5, 0, 4, 3, 2};
        QTest::newRow("numeric 9 before 10") << 0 << QStringList{"10", "9"} << std::vector<int>{1, 0};
        QTest::newRow("text A10 before A9") << 1 << QStringList{"A9", "A10"} << std::vector<int>{1, 0};
        QTest::newRow("text B before a") << 1 << QStringList{"a", "B"} << std::vector<int>{1, 0};
        QTest::newRow("no number sorts as 0") << 0 << QStringList{"5", "*999999*", "-1"} << std::vector<int>{2, 1, 0};
        QTest::newRow("within tolerance is equal") << 0 << QStringList{"1", "1.00000001", "0.5"}
                                                   << std::vector<int>{2, 0, 1};
        QTest::newRow("chinese in GBK order") << 1 << QStringList{"饮料", "啊", "粮油"} << std::vector<int>{1, 2, 0};
        QTest::newRow("dates") << 2 << QStringList{"2024年1月5日", "2023年12月31日", "不是日期", "2024年1月5日"}
                               << std::vector<int>{2, 1, 0, 3};
        QTest::newRow("spaces trimmed") << 1 << QStringList{" b", "a\u3000"} << std::vector<int>{1, 0};
        QTest::newRow("empty list") << 1 << QStringList{} << std::vector<int>{};
    }
    void orders() {
        QFETCH(int, mode);
        QFETCH(QStringList, keys);
        QFETCH(std::vector<int>, order);
        QCOMPARE(insertionOrder(keys, mode), order);
        QCOMPARE(insertionOrderByArrays(keys, mode), order);
    }

    void caseInsensitiveTextWhenAsked() {
        QCOMPARE(insertionOrder({"b", "A"}, 1, false), (std::vector<int>{1, 0}));
        QCOMPARE(insertionOrder({"b", "A", "a"}, 1, true), (std::vector<int>{1, 2, 0}));
    }

    // The fast order must be exactly the array algorithm's, ties and all.
    void matchesArrayInsertionOnRandomKeys_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("distinct");
        QTest::newRow("numeric, many ties") << 0 << 7;
        QTest::newRow("numeric, few ties") << 0 << 5000;
        QTest::newRow("text, many ties") << 1 << 11;
        QTest::newRow("dates") << 2 << 40;
    }
    void matchesArrayInsertionOnRandomKeys() {
        QFETCH(int, mode);
        QFETCH(int, distinct);
        std::mt19937 random(static_cast<unsigned>(distinct * 31 + mode));
        for (int round = 0; round < 20; ++round) {
            QStringList keys;
            int n = 1 + static_cast<int>(random() % 3000);
            for (int i = 0; i < n; ++i) {
                int v = static_cast<int>(random() % distinct);
                if (mode == 2)
                    keys << QStringLiteral("2024年%1月%2日").arg(1 + v % 12).arg(1 + v % 28);
                else if (mode == 1)
                    keys << QStringLiteral("商品%1").arg(v);
                else
                    keys << QString::number(v / 4.0);
            }
            QCOMPARE(insertionOrder(keys, mode), insertionOrderByArrays(keys, mode));
        }
    }
};

QTEST_APPLESS_MAIN(SortOrderTest)
#include "tst_sortorder.moc"
