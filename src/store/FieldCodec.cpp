#include "FieldCodec.h"

#include "util/Gbk.h"

#include <QCryptographicHash>
#include <QVarLengthArray>

#include <cstdio>

namespace {

constexpr int kTagLength = 9;
constexpr unsigned char kMask = 0x10;

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// One pair of the hexadecimal body, read as scanf "%x" reads it; false when
// scanf would find no number.
bool parsePair(char a, char b, unsigned char& out) {
    int hi = hexValue(a), lo = hexValue(b);
    if (hi >= 0 && lo >= 0) {
        out = static_cast<unsigned char>(hi * 16 + lo);
        return true;
    }
    // The unusual pairs (a lone digit, blanks, signs) go to scanf itself.
    char pair[3] = {a, b, 0};
    unsigned int value = 0;
    if (std::sscanf(pair, "%x", &value) != 1)
        return false;
    out = static_cast<unsigned char>(value & 0xFF);
    return true;
}

} // namespace

namespace FieldCodec {

QString KeyDigestHex(const QByteArray& data) {
    return QString::fromLatin1(QCryptographicHash::hash(data, QCryptographicHash::Md5).toHex());
}

QString keyTag(const QString& key) {
    // The key never changes, so its tag is worked out once.
    static const QString fixedTag = KeyDigestHex(Gbk::fromUnicode(kKey)).mid(2, kTagLength).toUpper();
    if (key == kKey)
        return fixedTag;
    return KeyDigestHex(Gbk::fromUnicode(key)).mid(2, kTagLength).toUpper();
}

QString EncodeField(const QString& value, const QString& key) {
    static const char digits[] = "0123456789ABCDEF";
    QByteArray bytes = Gbk::fromUnicode(value);
    QByteArray hex(bytes.size() * 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        unsigned char b = static_cast<unsigned char>(bytes[i]) ^ kMask;
        hex[2 * i] = digits[b >> 4];
        hex[2 * i + 1] = digits[b & 15];
    }
    return QString::fromLatin1(hex) + keyTag(key);
}

namespace {

// The plain text of a stored value's code page bytes.
QString decodeBytes(QByteArrayView bytes, const QString& key) {
    static const QByteArray fixedTag = keyTag(kKey).toLatin1();
    const QByteArray tag = key == kKey ? fixedTag : keyTag(key).toLatin1();
    if (bytes.size() < kTagLength || bytes.last(kTagLength) != tag)
        return {};
    const qsizetype bodyLength = bytes.size() - kTagLength;
    QVarLengthArray<char, 128> plain;
    bool ascii = true;
    for (qsizetype i = 0; i + 1 < bodyLength; i += 2) {
        unsigned char b;
        if (!parsePair(bytes[i], bytes[i + 1], b))
            continue;
        b ^= kMask;
        if (b == 0)
            break; // the text ends at the first zero byte
        ascii &= b < 0x80;
        plain.append(static_cast<char>(b));
    }
    const QByteArrayView plainBytes(plain.constData(), plain.size());
    if (ascii)
        return QString::fromLatin1(plainBytes);
    bool ok = true;
    QString text = Gbk::toUnicode(plainBytes, &ok);
    return ok ? text : QString();
}

} // namespace

QString DecodeField(const QString& stored, const QString& key) {
    // Stored values are ASCII, so their code page bytes are their characters.
    if (Gbk::isAscii(stored)) {
        QVarLengthArray<char, 256> bytes(stored.size());
        const QChar* data = stored.constData();
        for (qsizetype i = 0; i < stored.size(); ++i)
            bytes[i] = static_cast<char>(data[i].unicode());
        return decodeBytes(QByteArrayView(bytes.constData(), bytes.size()), key);
    }
    bool converted = true;
    const QByteArray bytes = Gbk::fromUnicode(stored, &converted);
    return converted ? decodeBytes(bytes, key) : QString();
}

QString DecodeStoredBytes(QByteArrayView storedUtf8) {
    if (!Gbk::isAscii(storedUtf8))
        return DecodeField(QString::fromUtf8(storedUtf8));
    return decodeBytes(storedUtf8, kKey);
}

} // namespace FieldCodec
