#include "util/ChineseText.h"
#include "util/DateTimeFormat.h"
#include "util/OleDate.h"
#include "util/TextForms.h"

#include <QRandomGenerator>
#include <QTest>

#include <cmath>
#include <cstring>
#include <limits>

using namespace TextForms;

namespace {

double ole(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) { return OleDate::fromFields({y, mo, d, h, mi, s}); }

} // namespace

class TextFormsTest : public QObject {
    Q_OBJECT

private slots:
    void numberTextMatchesStoredFormat_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("sum") << 0.1 + 0.2 << "0.3";
        QTest::newRow("hundred") << 100.0 << "100";
        QTest::newRow("1e15") << 1e15 << "1e+015";
        QTest::newRow("small") << 0.00001 << "1e-005";
        QTest::newRow("half") << 5.5 << "5.5";
        QTest::newRow("merged amount") << 12.5 * 2 << "25";
        QTest::newRow("negative") << -3.25 << "-3.25";
        QTest::newRow("thirteen digits") << 1234567890123.0 << "1234567890123";
        QTest::newRow("fourteen digits") << 12345678901234.0 << "1.234567890123e+013";
        QTest::newRow("huge exponent") << 1e300 << "1e+300";
        QTest::newRow("zero") << 0.0 << "0";
    }
    void numberTextMatchesStoredFormat() {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(numberText(value), text);
    }

    void singleAndIntegerTexts() {
        QCOMPARE(singleText(1.5f), QStringLiteral("1.5"));
        QCOMPARE(singleText(1e7f), QStringLiteral("1e+007"));
        QCOMPARE(integerText(-42), QStringLiteral("-42"));
        QCOMPARE(flagText(true), QStringLiteral("真"));
        QCOMPARE(flagText(false), QStringLiteral("假"));
        QVERIFY(isFlagSet(QStringLiteral("真")));
        QVERIFY(!isFlagSet(QStringLiteral("真 ")));
        QVERIFY(!isFlagSet(QString()));
    }

    void textToNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("plain") << "12.50" << 12.5;
        QTest::newRow("full-width digits") << "３.５" << 3.5;
        QTest::newRow("full-width point") << "．５" << 0.5;
        QTest::newRow("full-width sign") << "－２" << -2.0;
        QTest::newRow("leading blanks") << "  7kg" << 7.0;
        QTest::newRow("exponent") << "1e+015" << 1e15;
        QTest::newRow("dangling exponent") << "2e" << 2.0;
        QTest::newRow("double sign") << "--5" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("unlimited stock") << "*999999*" << 0.0;
        QTest::newRow("hex is not decimal") << "0x10" << 0.0;
        QTest::newRow("no digits") << "." << 0.0;
        QTest::newRow("trailing point") << "5." << 5.0;
    }
    void textToNumber() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(toNumber(text), value);
    }

    void sumHeldAsTextReadsAsItsText_data() {
        QTest::addColumn<double>("value");
        QTest::newRow("sum") << 0.1 + 0.2;
        QTest::newRow("long sum") << 1e15 + 0.3;
        QTest::newRow("fourteen digits") << 12345678901234.56;
        QTest::newRow("negative zero") << -0.0;
        QTest::newRow("smallest") << 5e-324;
        QTest::newRow("huge") << 1.7e308;
        QTest::newRow("thirds") << 1.0 / 3.0;
        QTest::newRow("infinity") << std::numeric_limits<double>::infinity();
        QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN();
    }
    void sumHeldAsTextReadsAsItsText() {
        QFETCH(double, value);
        const double expected = toNumber(numberText(value));
        const double held = throughText(value);
        QCOMPARE(std::signbit(held), std::signbit(expected));
        QCOMPARE(held, expected);
    }

    void sumHeldAsTextAgreesOverManyValues() {
        // Running sums of amounts with cents, and doubles of every kind.
        QRandomGenerator random(20261211);
        double sum = 0;
        for (int i = 0; i < 200000; ++i) {
            sum += static_cast<double>(random.bounded(1000000)) / 100.0;
            quint64 bits = random.generate64();
            double any;
            std::memcpy(&any, &bits, sizeof any);
            for (double value : {sum, any, sum / 3.0}) {
                const double expected = toNumber(numberText(value));
                const double held = throughText(value);
                if (std::memcmp(&held, &expected, sizeof held) != 0 && !(std::isnan(held) && std::isnan(expected)))
                    QFAIL(qPrintable(QStringLiteral("%1 held as %2, its text reads %3")
                                         .arg(value, 0, 'g', 17)
                                         .arg(held, 0, 'g', 17)
                                         .arg(expected, 0, 'g', 17)));
            }
        }
    }

    void hugeNumberTextIsInfiniteNotACrash() { QVERIFY(std::isinf(toNumber(QStringLiteral("1e999")))); }

    void dateTimeText_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("midnight") << ole(2024, 1, 5) << "2024年1月5日";
        QTest::newRow("seconds") << ole(2023, 1, 5, 9, 7, 3) << "2023年1月5日9时7分3秒";
        QTest::newRow("minutes") << ole(2023, 1, 5, 9, 7) << "2023年1月5日9时7分";
        QTest::newRow("hour") << ole(2023, 1, 5, 9) << "2023年1月5日9时";
        QTest::newRow("half past midnight") << ole(2024, 1, 5, 0, 30) << "2024年1月5日0时30分";
        QTest::newRow("five seconds") << ole(2024, 1, 5, 0, 0, 5) << "2024年1月5日0时0分5秒";
        QTest::newRow("epoch") << 0.0 << "1899年12月30日";
        QTest::newRow("before epoch") << -1.25 << "1899年12月29日6时";
        QTest::newRow("below range") << -1e9 << "100年1月1日";
        QTest::newRow("above range") << 1e9 << "9999年12月31日";
    }
    void dateTimeText() {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(TextForms::dateTimeText(value), text);
    }

    void dateTextDropsTime() { QCOMPARE(dateText(ole(2022, 1, 5, 13, 45, 1)), QStringLiteral("2022年1月5日")); }

    void parseDate_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<double>("value");
        QTest::newRow("chinese") << "2022年1月5日" << true << ole(2022, 1, 5);
        QTest::newRow("dashes") << "2022-1-5" << true << ole(2022, 1, 5);
        QTest::newRow("slashes and time") << "2022/01/05 14:30:05" << true << ole(2022, 1, 5, 14, 30, 5);
        QTest::newRow("chinese time") << "2023年1月5日9时7分3秒" << true << ole(2023, 1, 5, 9, 7, 3);
        QTest::newRow("full-width") << "２０２２年１月５日" << true << ole(2022, 1, 5);
        QTest::newRow("after seconds ignored") << "2022-1-5 1:2:3秒之后" << true << ole(2022, 1, 5, 1, 2, 3);
        QTest::newRow("leap day") << "2024年2月29日" << true << ole(2024, 2, 29);
        QTest::newRow("leap day 2000") << "2000-2-29" << true << ole(2000, 2, 29);
        QTest::newRow("no leap day") << "2022年2月29日" << false << OleDate::kMinimum;
        QTest::newRow("no leap day 1900") << "1900-2-29" << false << OleDate::kMinimum;
        QTest::newRow("month 13") << "2022年13月1日" << false << OleDate::kMinimum;
        QTest::newRow("no day") << "2022年1月" << false << OleDate::kMinimum;
        QTest::newRow("junk") << "2022-1-5x" << false << OleDate::kMinimum;
        QTest::newRow("empty") << "" << false << OleDate::kMinimum;
        QTest::newRow("hour 24") << "2022-1-5 24:00" << false << OleDate::kMinimum;
        QTest::newRow("year 99") << "99-1-1" << false << OleDate::kMinimum;
    }
    void parseDate() {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(double, value);
        bool ok = !valid;
        QCOMPARE(toDateTime(text, &ok), value);
        QCOMPARE(ok, valid);
    }

    void formatDateTime_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("part");
        QTest::addColumn<int>("clock");
        QTest::addColumn<QString>("text");
        QTest::newRow("style 0, 24h") << 0 << 0 << 2 << "2024年03月15日 14时30分05秒";
        QTest::newRow("style 0, 12h") << 0 << 0 << 1 << "2024年03月15日 02时30分05秒";
        QTest::newRow("style 1 date") << 1 << 1 << 2 << "2024-03-15";
        QTest::newRow("style 3 stamp") << 3 << 0 << 2 << "20240315143005";
        QTest::newRow("style 7 as 0") << 7 << 0 << 2 << "2024年03月15日 14时30分05秒";
        QTest::newRow("part 9 as 0") << 1 << 9 << 2 << "2024-03-15 14:30:05";
        QTest::newRow("month-day") << 2 << 2 << 2 << "03/15";
        QTest::newRow("time") << 1 << 3 << 2 << "14:30:05";
        QTest::newRow("hour-minute") << 0 << 4 << 2 << "14时30分";
        QTest::newRow("minute-second") << 3 << 5 << 2 << "3005";
        QTest::newRow("computer clock") << 1 << 3 << 0 << "14:30:05";
    }
    void formatDateTime() {
        QFETCH(int, style);
        QFETCH(int, part);
        QFETCH(int, clock);
        QFETCH(QString, text);
        QCOMPARE(DateTimeFormat::FormatDateTime(ole(2024, 3, 15, 14, 30, 5), style, part, clock), text);
    }

    void formatDateTimeOutsideCalendarIsEmpty() {
        QCOMPARE(DateTimeFormat::FormatDateTime(1e12, 0, 0, 2), QString());
        QCOMPARE(DateTimeFormat::FormatDateTime(std::numeric_limits<double>::quiet_NaN(), 0, 0, 2), QString());
    }

    void productNumberStampHasTwelveDigits() {
        QString stamp = DateTimeFormat::FormatDateTime(ole(2024, 3, 15, 14, 30, 5), 3, 0, 2);
        QCOMPARE(DateTimeFormat::DropLeadingChars(stamp, 2), QStringLiteral("240315143005"));
    }

    void dropLeadingChars_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("result");
        QTest::newRow("chinese counts one") << "岚丰ABC" << 2 << "ABC";
        QTest::newRow("zero") << "abc" << 0 << "abc";
        QTest::newRow("all") << "abc" << 3 << "";
        QTest::newRow("beyond") << "abc" << 9 << "";
        QTest::newRow("negative") << "abc" << -1 << "abc";
    }
    void dropLeadingChars() {
        QFETCH(QString, text);
        QFETCH(int, n);
        QFETCH(QString, result);
        QCOMPARE(DateTimeFormat::DropLeadingChars(text, n), result);
    }

    void blankMeansOnlySpaces_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("blank");
        QTest::newRow("empty") << "" << true;
        QTest::newRow("half-width") << "   " << true;
        QTest::newRow("full-width") << "\u3000 \u3000" << true;
        QTest::newRow("tab is content") << "\t" << false;
        QTest::newRow("text") << " a " << false;
    }
    void blankMeansOnlySpaces() {
        QFETCH(QString, text);
        QFETCH(bool, blank);
        QCOMPARE(isBlank(text), blank);
    }

    void isAllChineseText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("result");
        QTest::newRow("chinese") << "商品" << true;
        QTest::newRow("one character") << "商" << true;
        QTest::newRow("mixed") << "商A" << false;
        QTest::newRow("letters") << "AB12" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("single letter") << "A" << false;
        QTest::newRow("inner space") << "商 品" << false;
        QTest::newRow("trailing space") << "商品 " << true;
        QTest::newRow("full-width letters") << "ＡＢ" << true;
    }
    void isAllChineseText() {
        QFETCH(QString, text);
        QFETCH(bool, result);
        QCOMPARE(ChineseText::IsAllChineseText(text), result);
    }

    void gbkOrderingIsBytewise() {
        QVERIFY(ChineseText::compareGbk(QStringLiteral("B"), QStringLiteral("a")) < 0);
        QVERIFY(ChineseText::compareGbk(QStringLiteral("A10"), QStringLiteral("A9")) < 0);
        // 啊 (B0A1) comes before 饮 (D2FB) in GBK though not in Unicode order of their radicals.
        QVERIFY(ChineseText::compareGbk(QStringLiteral("啊"), QStringLiteral("饮")) < 0);
        QVERIFY(ChineseText::compareGbk(QStringLiteral("ab"), QStringLiteral("abc")) < 0);
        QCOMPARE(ChineseText::compareGbk(QStringLiteral("同"), QStringLiteral("同")), 0);
        QCOMPARE(ChineseText::upperAscii(QStringLiteral("ab中c")), QStringLiteral("AB中C"));
    }
};

QTEST_APPLESS_MAIN(TextFormsTest)
#include "tst_textforms.moc"
