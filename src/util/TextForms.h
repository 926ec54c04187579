#pragma once

#include <QString>

// The text forms in which dates, amounts and flags are stored and shown.
namespace TextForms {

inline const QString kTrue = QStringLiteral("真");
inline const QString kFalse = QStringLiteral("假");

// "%d年%d月%d日" followed by the time as far as it is not zero.
QString dateTimeText(double oleDate);
// "%d年%d月%d日" of the day alone.
QString dateText(double oleDate);

// printf "%.13g" with the exponent written with a sign and at least three digits.
QString numberText(double value);
// printf "%.6g", exponent as for numberText.
QString singleText(float value);
QString integerText(int value);
QString flagText(bool value);
// A stored flag counts as set only when it is exactly "真".
bool isFlagSet(const QString& text);

// toNumber(numberText(value)): what a sum keeps when it is held as its text,
// worked out without making the texts.
double throughText(double value);

// Full-width digits, signs and point folded to ASCII, then the longest leading
// decimal number; 0 when there is none.
double toNumber(const QString& text);

// The text parsed as a date-time; the lower bound (1 January 100) when it does
// not parse. *valid tells which.
double toDateTime(const QString& text, bool* valid = nullptr);

// Nothing left after removing every half-width and full-width space.
bool isBlank(const QString& text);

// Amounts compare with a tolerance of 1e-7.
constexpr double kTolerance = 0.0000001;
inline bool isPositive(double value) { return value > kTolerance; }
inline bool isNegative(double value) { return value < -kTolerance; }

} // namespace TextForms
