#pragma once

#include <QString>

// Picture-based date-time formatting; together with DropLeadingChars it makes
// the twelve-digit time stamps of product numbers.
namespace DateTimeFormat {

// style 0-3 picks the picture set (others count as 0); part 0-5 picks which
// pictures (others count as 0); clock 1 = 12-hour, 2 = 24-hour, other = the
// computer's setting (24-hour here).
QString FormatDateTime(double oleDate, int style, int part, int clock);

// Drops the first n UTF-16 code units of the text.
QString DropLeadingChars(const QString& text, int n);

} // namespace DateTimeFormat
