#include "util/Gbk.h"

#include <QTest>

class GbkTest : public QObject {
    Q_OBJECT

private slots:
    void encodesCodePage936_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ascii") << "abc" << QByteArray("abc");
        QTest::newRow("zhen") << "真" << QByteArray("\xD5\xE6");
        QTest::newRow("jia") << "假" << QByteArray("\xBC\xD9");
        QTest::newRow("full-width space") << "\u3000" << QByteArray("\xA1\xA1");
        QTest::newRow("euro") << "\u20AC" << QByteArray("\x80");
        QTest::newRow("mixed") << "A真1" << QByteArray("A\xD5\xE6" "1");
    }
    void encodesCodePage936() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        bool ok = false;
        QCOMPARE(Gbk::fromUnicode(text, &ok), bytes);
        QVERIFY(ok);
        QCOMPARE(Gbk::toUnicode(bytes, &ok), text);
        QVERIFY(ok);
    }

    void unmappableCharacterBecomesQuestionMark() {
        bool ok = true;
        QCOMPARE(Gbk::fromUnicode(QStringLiteral("a\U0001F600b真"), &ok), QByteArray("a?b\xD5\xE6"));
        QVERIFY(!ok);
        QVERIFY(!Gbk::canEncode(QStringLiteral("\U0001F600")));
        QVERIFY(Gbk::canEncode(QStringLiteral("岚丰销售")));
        // Mapped one way only: stored, it would read back as another character.
        QVERIFY(Gbk::toUnicode(Gbk::fromUnicode(QStringLiteral("\u206B"))) != QStringLiteral("\u206B"));
        QVERIFY(!Gbk::canEncode(QStringLiteral("a\u206B")));
    }

    void invalidBytesDecodeToEmpty() {
        bool ok = true;
        QCOMPARE(Gbk::toUnicode(QByteArray("a\x81\x20"), &ok), QString()); // lead byte without a trail byte
        QVERIFY(!ok);
        QCOMPARE(Gbk::toUnicode(QByteArray("\xD5"), &ok), QString()); // half a character
        QVERIFY(!ok);
    }

    void megabyteTextRoundTrips() {
        QString text = QString(QStringLiteral("岚丰a")).repeated(400000);
        QByteArray bytes = Gbk::fromUnicode(text);
        QCOMPARE(bytes.size(), 400000 * 5);
        QCOMPARE(Gbk::toUnicode(bytes), text);
    }
};

QTEST_APPLESS_MAIN(GbkTest)
#include "tst_gbk.moc"
