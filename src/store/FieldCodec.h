#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Every stored value is the hexadecimal form of its code page 936 bytes, each
// XORed with 0x10, followed by a nine-character tag derived from the key.
namespace FieldCodec {

// The one key every stored value carries; values stored with another key read as empty.
inline const QString kKey = QStringLiteral("58216047");

QString EncodeField(const QString& value, const QString& key = kKey);
// The plain text, or the empty text when the tag does not match or the
// bytes are no code page 936 text.
QString DecodeField(const QString& stored, const QString& key = kKey);
// The same for a stored text given as its UTF-8 bytes, with the fixed key.
QString DecodeStoredBytes(QByteArrayView storedUtf8);
// MD5 of the bytes as 32 lowercase hexadecimal digits.
QString KeyDigestHex(const QByteArray& data);

// The nine-character tag of a key: digest characters 3 to 11, upper-cased.
QString keyTag(const QString& key = kKey);

} // namespace FieldCodec
