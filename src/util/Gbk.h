#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Code page 936 (GBK) conversions, as Windows performs them. The stored
// format, text ordering and a few text checks work on these bytes.
namespace Gbk {

// Encodes text as code page 936 bytes. Characters the code page cannot hold
// become '?' and set *ok to false.
QByteArray fromUnicode(const QString& text, bool* ok = nullptr);

// Decodes code page 936 bytes. Invalid byte sequences make the whole result
// empty and set *ok to false.
QString toUnicode(QByteArrayView bytes, bool* ok = nullptr);

// True when every character (byte) is ASCII, where the code page and UTF-8 agree with it.
bool isAscii(const QString& text);
bool isAscii(QByteArrayView bytes);

// True when text survives code page 936 unchanged: every character exists
// there and reads back as itself.
bool canEncode(const QString& text);

} // namespace Gbk
