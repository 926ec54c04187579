#include "DateTimeFormat.h"

#include "OleDate.h"

namespace {

struct Pictures {
    const char16_t* date;
    const char16_t* monthDay;
    const char16_t* time;
    const char16_t* hourMinute;
    const char16_t* minuteSecond;
};

const Pictures kStyles[4] = {
    {u"yyyy年MM月dd日 ", u"MM月dd日", u"hh时mm分ss秒", u"hh时mm分", u"mm分ss秒"},
    {u"yyyy-MM-dd ", u"MM-dd", u"hh:mm:ss", u"hh:mm", u"mm:ss"},
    {u"yyyy/MM/dd ", u"MM/dd", u"hh/mm/ss", u"hh/mm", u"mm/ss"},
    {u"yyyyMMdd", u"MMdd", u"hhmmss", u"hhmm", u"mmss"},
};

// Without a locale setting of the Windows kind the computer's clock is 24-hour.
constexpr bool kComputerUses24Hours = true;

QString twoDigits(int v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); }

// Expands the picture letters; every other character is copied. Each side is
// limited to 49 characters, as the Windows formatting buffers were.
QString expand(const QString& picture, const OleDate::Fields& f) {
    QString out;
    for (int i = 0; i < picture.size();) {
        QStringView rest = QStringView(picture).mid(i);
        if (rest.startsWith(u"yyyy")) {
            out += QStringLiteral("%1").arg(f.year, 4, 10, QLatin1Char('0'));
            i += 4;
        } else if (rest.startsWith(u"MM")) {
            out += twoDigits(f.month), i += 2;
        } else if (rest.startsWith(u"dd")) {
            out += twoDigits(f.day), i += 2;
        } else if (rest.startsWith(u"HH")) {
            out += twoDigits(f.hour), i += 2;
        } else if (rest.startsWith(u"hh")) {
            int h = f.hour % 12;
            out += twoDigits(h == 0 ? 12 : h), i += 2;
        } else if (rest.startsWith(u"mm")) {
            out += twoDigits(f.minute), i += 2;
        } else if (rest.startsWith(u"ss")) {
            out += twoDigits(f.second), i += 2;
        } else {
            out += picture[i++];
        }
    }
    return out.left(49);
}

} // namespace

namespace DateTimeFormat {

QString FormatDateTime(double oleDate, int style, int part, int clock) {
    if (style < 0 || style > 3)
        style = 0;
    const Pictures& p = kStyles[style];
    QString datePicture, timePicture;
    switch (part) {
    case 1: datePicture = QString::fromUtf16(p.date).trimmed(); break;
    case 2: datePicture = QString::fromUtf16(p.monthDay); break;
    case 3: timePicture = QString::fromUtf16(p.time); break;
    case 4: timePicture = QString::fromUtf16(p.hourMinute); break;
    case 5: timePicture = QString::fromUtf16(p.minuteSecond); break;
    default:
        datePicture = QString::fromUtf16(p.date);
        timePicture = QString::fromUtf16(p.time);
        break;
    }
    bool use24 = clock == 2 || (clock != 1 && kComputerUses24Hours);
    if (use24)
        timePicture.replace(QStringLiteral("hh"), QStringLiteral("HH"));

    OleDate::Fields fields;
    if (!OleDate::toFields(oleDate, fields))
        return {};
    return expand(datePicture, fields) + expand(timePicture, fields);
}

QString DropLeadingChars(const QString& text, int n) {
    if (n <= 0)
        return text;
    return n >= text.size() ? QString() : text.mid(n);
}

} // namespace DateTimeFormat
