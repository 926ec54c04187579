#include "TextForms.h"

#include "OleDate.h"

#include <QVarLengthArray>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// glibc writes at least two exponent digits; the stored format has three.
QString widenExponent(const char* printed) {
    QString text = QString::fromLatin1(printed);
    int e = text.indexOf(QLatin1Char('e'));
    if (e < 0 || e + 2 > text.size())
        return text;
    int digitsStart = e + 2; // after 'e' and its sign
    int digits = text.size() - digitsStart;
    if (digits < 3)
        text.insert(digitsStart, QString(3 - digits, QLatin1Char('0')));
    return text;
}

QString formatG(double value, int precision) {
    char buffer[64];
    // to_chars writes exactly what printf "%.*g" writes, several times faster;
    // printf keeps the spelling of infinities and NaN.
    if (std::isfinite(value)) {
        *std::to_chars(buffer, buffer + sizeof buffer - 1, value, std::chars_format::general, precision).ptr = '\0';
    } else {
        std::snprintf(buffer, sizeof buffer, "%.*g", precision, value);
    }
    return widenExponent(buffer);
}

// strtod of a decimal number text (no hexadecimal, no infinity): from_chars
// gives the same correctly rounded value; out of range goes to strtod for its
// infinity or zero.
double parseDecimal(const char* begin, const char* end) {
    if (begin < end && *begin == '+')
        ++begin; // from_chars takes no plus sign
    double value = 0;
    if (std::from_chars(begin, end, value).ec == std::errc())
        return value;
    return std::strtod(std::string(begin, end).c_str(), nullptr);
}

QChar foldFullWidth(QChar ch) {
    ushort u = ch.unicode();
    if (u >= 0xFF10 && u <= 0xFF19) // ０..９
        return QChar(u - 0xFF10 + '0');
    switch (u) {
    case 0xFF0B: return QLatin1Char('+'); // ＋
    case 0xFF0D: return QLatin1Char('-'); // －
    case 0xFF0E: return QLatin1Char('.'); // ．
    default: return ch;
    }
}

QString foldFullWidth(const QString& text) {
    // Most texts hold no full-width digit, sign or point: share them instead of copying.
    bool any = false;
    for (QChar ch : text)
        if (ch.unicode() >= 0xFF0B && ch.unicode() <= 0xFF19) {
            any = true;
            break;
        }
    if (!any)
        return text;
    QString out = text;
    for (QChar& ch : out)
        ch = foldFullWidth(ch);
    return out;
}

bool isDigit(QChar ch) { return ch >= QLatin1Char('0') && ch <= QLatin1Char('9'); }

bool isCSpace(QChar ch) {
    ushort u = ch.unicode();
    return u == ' ' || (u >= '\t' && u <= '\r');
}

// Reads up to maxDigits decimal digits at pos; missing digits count as 0.
int readNumber(const QString& s, int& pos, int maxDigits) {
    int value = 0;
    for (int n = 0; n < maxDigits && pos < s.size() && isDigit(s[pos]); ++n, ++pos)
        value = value * 10 + (s[pos].unicode() - '0');
    return value;
}

void skipSeparator(const QString& s, int& pos, QStringView separators) {
    if (pos < s.size() && separators.contains(s[pos]))
        ++pos;
}

} // namespace

namespace TextForms {

QString dateTimeText(double oleDate) {
    OleDate::Fields f;
    if (!OleDate::toFields(OleDate::clamp(oleDate), f))
        return {};
    QString text = QStringLiteral("%1年%2月%3日").arg(f.year).arg(f.month).arg(f.day);
    if (f.second != 0)
        text += QStringLiteral("%1时%2分%3秒").arg(f.hour).arg(f.minute).arg(f.second);
    else if (f.minute != 0)
        text += QStringLiteral("%1时%2分").arg(f.hour).arg(f.minute);
    else if (f.hour != 0)
        text += QStringLiteral("%1时").arg(f.hour);
    return text;
}

QString dateText(double oleDate) { return dateTimeText(OleDate::datePart(OleDate::clamp(oleDate))); }

QString numberText(double value) { return formatG(value, 13); }

double throughText(double value) {
    if (!std::isfinite(value))
        return toNumber(numberText(value));
    char buffer[64];
    // When the shortest text that reads back as the value has at most 13
    // digits, "%.13g" writes that same number (13-digit numbers lie far
    // further apart than neighbouring doubles), so it reads back unchanged.
    const char* shortestEnd = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific).ptr;
    int digits = 0;
    for (const char* c = buffer; c < shortestEnd && *c != 'e'; ++c)
        digits += *c >= '0' && *c <= '9';
    if (digits <= 13)
        return value;
    const char* end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 13).ptr;
    return parseDecimal(buffer, end);
}

QString singleText(float value) { return formatG(static_cast<double>(value), 6); }

QString integerText(int value) { return QString::number(value); }

QString flagText(bool value) { return value ? kTrue : kFalse; }

bool isFlagSet(const QString& text) { return text == kTrue; }

double toNumber(const QString& text) {
    // Full-width characters are folded as they are read.
    const QChar* data = text.constData();
    const int size = static_cast<int>(text.size());
    auto at = [&](int i) { return foldFullWidth(data[i]); };
    int pos = 0;
    while (pos < size && isCSpace(at(pos)))
        ++pos;
    int start = pos;
    if (pos < size && (at(pos) == QLatin1Char('+') || at(pos) == QLatin1Char('-')))
        ++pos;
    int digits = 0;
    while (pos < size && isDigit(at(pos)))
        ++pos, ++digits;
    if (pos < size && at(pos) == QLatin1Char('.')) {
        ++pos;
        while (pos < size && isDigit(at(pos)))
            ++pos, ++digits;
    }
    if (digits == 0)
        return 0.0;
    int end = pos;
    if (pos < size && (at(pos) == QLatin1Char('e') || at(pos) == QLatin1Char('E'))) {
        int p = pos + 1;
        if (p < size && (at(p) == QLatin1Char('+') || at(p) == QLatin1Char('-')))
            ++p;
        if (p < size && isDigit(at(p))) {
            while (p < size && isDigit(at(p)))
                ++p;
            end = p;
        }
    }
    QVarLengthArray<char, 64> number(end - start);
    for (int i = start; i < end; ++i)
        number[i - start] = static_cast<char>(at(i).unicode());
    return parseDecimal(number.constData(), number.constData() + number.size());
}

double toDateTime(const QString& text, bool* valid) {
    // Each part may end with one of "-/.:" or its own character.
    static const QString afterYear = QStringLiteral("-/.:年"), afterMonth = QStringLiteral("-/.:月"),
                         afterDay = QStringLiteral("-/.: 日"), afterHour = QStringLiteral("-/.:时"),
                         afterMinute = QStringLiteral("-/.:分");
    QString s = foldFullWidth(text);
    int pos = 0;
    OleDate::Fields f;
    f.year = readNumber(s, pos, 4);
    skipSeparator(s, pos, afterYear);
    f.month = readNumber(s, pos, 2);
    skipSeparator(s, pos, afterMonth);
    f.day = readNumber(s, pos, 2);
    skipSeparator(s, pos, afterDay);
    f.hour = readNumber(s, pos, 2);
    skipSeparator(s, pos, afterHour);
    f.minute = readNumber(s, pos, 2);
    skipSeparator(s, pos, afterMinute);
    f.second = readNumber(s, pos, 2);
    bool ended = pos == s.size() || s[pos] == QChar(u'秒');
    bool ok = ended && OleDate::isValidDate(f.year, f.month, f.day) && f.hour <= 23 && f.minute <= 59 &&
              f.second <= 59;
    if (valid)
        *valid = ok;
    return ok ? OleDate::fromFields(f) : OleDate::kMinimum;
}

bool isBlank(const QString& text) {
    for (QChar ch : text)
        if (ch != QLatin1Char(' ') && ch.unicode() != 0x3000)
            return false;
    return true;
}

} // namespace TextForms
