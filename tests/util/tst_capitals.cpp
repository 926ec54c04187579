#include "util/MoneyCapitals.h"

#include <QTest>

#include <limits>

class CapitalsTest : public QObject {
    Q_OBJECT

private slots:
    void capitalSet_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0.0 << "零";
        QTest::newRow("below half fen") << 0.004 << "零";
        QTest::newRow("half fen") << 0.005 << "壹分";
        QTest::newRow("one jiao") << 0.1 << "壹角整";
        QTest::newRow("1.005 lifted onto the half") << 1.005 << "壹元零壹分";
        QTest::newRow("1.05") << 1.05 << "壹元零伍分";
        QTest::newRow("10.5") << 10.5 << "壹拾元零伍角整";
        QTest::newRow("105") << 105.0 << "壹佰零伍元整";
        QTest::newRow("10001") << 10001.0 << "壹万零壹元整";
        QTest::newRow("100000") << 100000.0 << "壹拾万元整";
        QTest::newRow("1234567.89") << 1234567.89 << "壹佰贰拾叁万肆仟伍佰陆拾柒元捌角玖分";
        QTest::newRow("100010000") << 100010000.0 << "壹亿零壹万元整";
        QTest::newRow("1000000000.05") << 1000000000.05 << "壹拾亿元零伍分";
        QTest::newRow("1e12") << 1000000000000.0 << "壹万亿元整";
        QTest::newRow("largest") << 9999999999999.99
                                 << "玖万玖仟玖佰玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖元玖角玖分";
        QTest::newRow("overflow") << 10000000000000.0 << "溢出";
        QTest::newRow("negative") << -3.5 << "负叁元伍角整";
        QTest::newRow("negative rounds to zero") << -0.001 << "零";
        QTest::newRow("negative overflow") << -1e14 << "溢出";
        QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << "溢出";
        QTest::newRow("negative infinity") << -std::numeric_limits<double>::infinity() << "溢出";
        QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << "溢出";
        QTest::newRow("beyond any integer") << 1e300 << "溢出";
        QTest::newRow("wan section gap") << 20000005.0 << "贰仟万零伍元整";
        QTest::newRow("jiao only with yuan") << 3.4 << "叁元肆角整";
    }
    void capitalSet() {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(MoneyToCapitals(value), text);
    }

    void simplifiedSet_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("10.5") << 10.5 << "一十元零五角整";
        QTest::newRow("1234567.89") << 1234567.89 << "一百二十三万四千五百六十七元八角九分";
        QTest::newRow("zero") << 0.0 << "零";
    }
    void simplifiedSet() {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(MoneyToCapitals(value, true), text);
    }
};

QTEST_APPLESS_MAIN(CapitalsTest)
#include "tst_capitals.moc"
