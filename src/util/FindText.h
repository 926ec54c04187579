#pragma once

#include <QString>

// The 1-based position (in code page 936 bytes) of the first occurrence of
// find in text at or after from, comparing ASCII letters without regard to
// case; -1 when it does not occur or either text is empty.
int FindTextNoCase(const QString& text, const QString& find, int from = 1);
