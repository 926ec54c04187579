#pragma once

#include <QDateTime>

// Date-time values are OLE automation dates: days since 30 December 1899
// 00:00, the fraction being the time of day.
namespace OleDate {

constexpr double kMinimum = -657434.0; // 1 January 100 00:00:00
constexpr double kMaximum = 2958465.0; // 31 December 9999 00:00:00

struct Fields {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

double clamp(double value);

// Calendar fields of a date-time value, rounded to the second. False for
// values outside the supported range (and NaN).
bool toFields(double value, Fields& fields);

// The value of a calendar date and time; the caller makes sure it is valid.
double fromFields(const Fields& fields);

bool isValidDate(int year, int month, int day);

double fromQDateTime(const QDateTime& dt);
QDateTime toQDateTime(double value);

// The same day at 00:00:00.
double datePart(double value);

} // namespace OleDate
