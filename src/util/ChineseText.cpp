#include "ChineseText.h"

#include "Gbk.h"

#include <cstring>

namespace ChineseText {

bool IsAllChineseText(const QString& text) {
    QByteArray bytes = Gbk::fromUnicode(text);
    QByteArray withoutSpaces = Gbk::fromUnicode(QString(text).remove(QLatin1Char(' ')).remove(QChar(0x3000)));
    qsizetype n = withoutSpaces.size();
    if (n <= 1)
        return false;
    for (qsizetype i = 0; i < n; ++i)
        if (!(static_cast<unsigned char>(bytes[i]) & 0x80))
            return false;
    return true;
}

QString upperAscii(const QString& text) {
    QString out = text;
    for (QChar& ch : out)
        if (ch >= QLatin1Char('a') && ch <= QLatin1Char('z'))
            ch = QChar(ch.unicode() - 'a' + 'A');
    return out;
}

int compareGbkBytes(const QByteArray& a, const QByteArray& b) {
    qsizetype n = std::min(a.size(), b.size());
    int r = std::memcmp(a.constData(), b.constData(), static_cast<size_t>(n));
    if (r != 0)
        return r;
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

int compareGbk(const QString& a, const QString& b) { return compareGbkBytes(Gbk::fromUnicode(a), Gbk::fromUnicode(b)); }

} // namespace ChineseText
