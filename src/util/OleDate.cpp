#include "OleDate.h"

#include <cmath>

namespace {

bool isLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int daysInMonth(int y, int m) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && isLeap(y) ? 29 : days[m - 1];
}

// Days from 1 January of year 1 (proleptic Gregorian) to the given date.
long long dayNumber(int y, int m, int d) {
    long long yy = y - 1;
    long long n = yy * 365 + yy / 4 - yy / 100 + yy / 400;
    for (int i = 1; i < m; ++i)
        n += daysInMonth(y, i);
    return n + d - 1;
}

const long long kEpochDayNumber = dayNumber(1899, 12, 30);

void fromDayNumber(long long n, int& y, int& m, int& d) {
    // 400-year cycles have 146097 days.
    long long cycles = n / 146097;
    long long rest = n % 146097;
    y = static_cast<int>(cycles * 400) + 1;
    while (true) {
        int len = isLeap(y) ? 366 : 365;
        if (rest < len)
            break;
        rest -= len;
        ++y;
    }
    m = 1;
    while (rest >= daysInMonth(y, m)) {
        rest -= daysInMonth(y, m);
        ++m;
    }
    d = static_cast<int>(rest) + 1;
}

} // namespace

namespace OleDate {

double clamp(double value) {
    if (std::isnan(value) || value < kMinimum)
        return kMinimum;
    if (value > kMaximum)
        return kMaximum;
    return value;
}

bool isValidDate(int year, int month, int day) {
    return year >= 100 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 && day <= daysInMonth(year, month);
}

bool toFields(double value, Fields& f) {
    if (!(value >= kMinimum && value < kMaximum + 1.0))
        return false;
    // Negative values count whole days backwards but the fraction forwards:
    // -1.25 is 29 December 1899 06:00.
    double whole = std::trunc(value);
    double fraction = std::fabs(value - whole);
    long long seconds = std::llround(fraction * 86400.0);
    long long day = static_cast<long long>(whole);
    if (seconds >= 86400) {
        seconds -= 86400;
        day += 1;
    }
    long long n = kEpochDayNumber + day;
    if (n < 0)
        return false;
    fromDayNumber(n, f.year, f.month, f.day);
    if (f.year > 9999)
        return false;
    f.hour = static_cast<int>(seconds / 3600);
    f.minute = static_cast<int>(seconds / 60 % 60);
    f.second = static_cast<int>(seconds % 60);
    return true;
}

double fromFields(const Fields& f) {
    double day = static_cast<double>(dayNumber(f.year, f.month, f.day) - kEpochDayNumber);
    double time = (f.hour * 3600.0 + f.minute * 60.0 + f.second) / 86400.0;
    // Before the epoch the fraction still runs forwards from the day's start.
    return day >= 0 ? day + time : day - time;
}

double fromQDateTime(const QDateTime& dt) {
    QDate d = dt.date();
    QTime t = dt.time();
    return fromFields({d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()});
}

QDateTime toQDateTime(double value) {
    Fields f;
    if (!toFields(clamp(value), f))
        return {};
    return QDateTime(QDate(f.year, f.month, f.day), QTime(f.hour, f.minute, f.second));
}

double datePart(double value) {
    Fields f;
    if (!toFields(clamp(value), f))
        return value;
    f.hour = f.minute = f.second = 0;
    return fromFields(f);
}

} // namespace OleDate
