#include "store/EncodedFields.h"
#include "store/FieldCodec.h"

#include <QTest>

using namespace FieldCodec;

namespace {
const QString kTag = QStringLiteral("376A77591");
}

class FieldCodecTest : public QObject {
    Q_OBJECT

private slots:
    void recentDecodesGiveEachValueItsOwnText_data() {
        QTest::addColumn<int>("distinct");
        QTest::newRow("repeats within the kept few") << 3;
        QTest::newRow("more values than are kept") << 7;
    }
    void recentDecodesGiveEachValueItsOwnText() {
        QFETCH(int, distinct);
        QStringList plain;
        for (int i = 0; i < distinct; ++i)
            plain << QStringLiteral("客户%1").arg(i) + (i % 2 ? QStringLiteral("x") : QString());
        RecentDecodes recent;
        for (int round = 0; round < 4; ++round)
            for (int i = 0; i < distinct; ++i)
                for (size_t field : {size_t(0), size_t(3)}) {
                    const QByteArray stored = FieldCodec::EncodeField(plain[(i + int(field)) % distinct]).toUtf8();
                    QCOMPARE(recent.decode(field, stored), plain[(i + int(field)) % distinct]);
                }
        QCOMPARE(recent.decode(1, "not stored by the program"), QString());
        QCOMPARE(recent.decode(1, QByteArrayView()), QString()); // a NULL field
        QCOMPARE(recent.decode(1, QByteArrayView()), QString());
    }

    void tagComesFromTheKeyDigest() {
        QCOMPARE(KeyDigestHex(QByteArray("58216047")).mid(2, 9).toUpper(), kTag);
        QCOMPARE(keyTag(), kTag);
        QCOMPARE(KeyDigestHex(QByteArray("abc")), QStringLiteral("900150983cd24fb0d6963f7d28e17f72"));
        QCOMPARE(KeyDigestHex(QByteArray()), QStringLiteral("d41d8cd98f00b204e9800998ecf8427e"));
    }

    void encodeDecodeRoundTrip_data() {
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("stored");
        QTest::newRow("empty is the tag alone") << "" << kTag;
        QTest::newRow("abc") << "abc" << "717273" + kTag;
        QTest::newRow("zhen") << "真" << "C5F6" + kTag;
        QTest::newRow("jia") << "假" << "ACC9" + kTag;
        QTest::newRow("digit zero") << "0" << "20" + kTag;
        QTest::newRow("spaces kept") << " a " << "307130" + kTag;
        QTest::newRow("unlimited stock") << "*999999*" << "3A2929292929293A" + kTag;
    }
    void encodeDecodeRoundTrip() {
        QFETCH(QString, plain);
        QFETCH(QString, stored);
        QCOMPARE(EncodeField(plain), stored);
        QCOMPARE(DecodeField(stored), plain);
    }

    void decodeOddValues_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("plain");
        QTest::newRow("lower-case body") << "c5f6" + kTag << "真";
        QTest::newRow("lower-case tag") << "C5F6" + kTag.toLower() << "";
        QTest::newRow("plain text") << "真" << "";
        QTest::newRow("eight characters") << "376A7759" << "";
        QTest::newRow("other key") << "717273ABCDEF012" << "";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("odd length drops last digit") << "7172737" + kTag << "abc";
        QTest::newRow("non-hex pair skipped") << "71ZZ73" + kTag << "ac";
        QTest::newRow("lone digit pair") << "7G73" + kTag << "\x17" "c";
        QTest::newRow("zero byte ends text") << "711073" + kTag << "a";
        QTest::newRow("invalid code page bytes") << "9130" + kTag << "";
        QTest::newRow("byte FF is a private-use character") << "EF" + kTag << "\uF8F5";
        QTest::newRow("half a double-byte char") << "71C5" + kTag << "";
        QTest::newRow("non-ascii inside") << "71真" + kTag << "a";
    }
    void decodeOddValues() {
        QFETCH(QString, stored);
        QFETCH(QString, plain);
        QCOMPARE(DecodeField(stored), plain);
    }

    // 0x10 is stored as "00"; decoding gives the 0x10 back instead of cutting the text.
    void controlCharacter0x10RoundTrips() {
        QString text = QStringLiteral("a\x10" "b");
        QCOMPARE(EncodeField(text), QStringLiteral("710072") + kTag);
        QCOMPARE(DecodeField(EncodeField(text)), text);
    }

    void megabyteValueRoundTrips() {
        QString text = QString(QStringLiteral("价格12.5 ")).repeated(150000);
        QString stored = EncodeField(text);
        QCOMPARE(stored.size(), 2 * 150000 * 9 + 9);
        QCOMPARE(DecodeField(stored), text);
    }
};

QTEST_APPLESS_MAIN(FieldCodecTest)
#include "tst_fieldcodec.moc"
