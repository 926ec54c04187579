#include "FindText.h"

#include "Gbk.h"

int FindTextNoCase(const QString& text, const QString& find, int from) {
    if (text.isEmpty() || find.isEmpty())
        return -1;
    QByteArray haystack = Gbk::fromUnicode(text).toLower(); // QByteArray::toLower touches ASCII letters only
    QByteArray needle = Gbk::fromUnicode(find).toLower();
    qsizetype at = haystack.indexOf(needle, std::max(from, 1) - 1);
    return at < 0 ? -1 : static_cast<int>(at) + 1;
}
