#include "FieldCodec.h"

#include "util/Gbk.h"

#include <QCryptographicHash>

#include <cstdio>
#include <optional>

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

// The common case, read straight from the text: ASCII hex digits and the
// fixed key's tag, giving ASCII plain text. Empty optional when the value is
// anything else, so the general path below decides.
std::optional<QString> decodeSimple(const QString& stored, const QString& key) {
    if (key != kKey || stored.size() < kTagLength)
        return std::nullopt;
    static const QString tag = keyTag(kKey);
    const qsizetype body = stored.size() - kTagLength;
    if (QStringView(stored).mid(body) != tag || body % 2 != 0)
        return std::nullopt;
    const QChar* data = stored.constData();
    QString plain(body / 2, Qt::Uninitialized);
    QChar* out = plain.data();
    for (qsizetype i = 0; i < body; i += 2) {
        const ushort a = data[i].unicode(), b = data[i + 1].unicode();
        if (a >= 0x80 || b >= 0x80)
            return std::nullopt;
        const int hi = hexValue(static_cast<char>(a)), lo = hexValue(static_cast<char>(b));
        if (hi < 0 || lo < 0)
            return std::nullopt;
        const unsigned char byte = static_cast<unsigned char>(hi * 16 + lo) ^ kMask;
        if (byte == 0 || byte >= 0x80)
            return std::nullopt;
        *out++ = QChar(byte);
    }
    return plain;
}

} // namespace

QString DecodeField(const QString& stored, const QString& key) {
    if (std::optional<QString> simple = decodeSimple(stored, key))
        return *simple;
    bool converted = true;
    QByteArray bytes = Gbk::fromUnicode(stored, &converted);
    if (!converted)
        return {};
    QByteArray tag = keyTag(key).toLatin1();
    QByteArray tail = bytes.size() <= kTagLength ? bytes : bytes.right(kTagLength);
    if (tail != tag)
        return {};
    qsizetype bodyLength = bytes.size() - kTagLength;
    QByteArray plain;
    plain.reserve(bodyLength / 2);
    for (qsizetype i = 0; i + 1 < bodyLength; i += 2) {
        unsigned char b;
        if (!parsePair(bytes[i], bytes[i + 1], b))
            continue;
        b ^= kMask;
        if (b == 0)
            break; // the text ends at the first zero byte
        plain.append(static_cast<char>(b));
    }
    bool ok = true;
    QString text = Gbk::toUnicode(plain, &ok);
    return ok ? text : QString();
}

} // namespace FieldCodec
