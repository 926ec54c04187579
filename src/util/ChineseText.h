#pragma once

#include <QByteArray>
#include <QString>

// Checks and orderings that work on the code page 936 bytes of a text.
namespace ChineseText {

// True when the text (with at least two bytes besides spaces) consists of
// double-byte characters only, as far as its length without spaces reaches.
bool IsAllChineseText(const QString& text);

// ASCII letters upper-cased; double-byte characters stay as they are.
QString upperAscii(const QString& text);

// Byte-wise, case-sensitive comparison of the code page 936 forms: Chinese
// text orders by GBK code. Negative, zero or positive.
int compareGbk(const QString& a, const QString& b);
int compareGbkBytes(const QByteArray& a, const QByteArray& b);

} // namespace ChineseText
