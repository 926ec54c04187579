#pragma once

#include "FieldCodec.h"
#include "SqliteTable.h"

// Reading and writing plain texts through the field codec.
inline QString readPlain(SqliteTable& table, const QString& field) {
    return FieldCodec::DecodeField(table.Read(field));
}

inline bool writePlain(SqliteTable& table, const QString& field, const QString& plain) {
    return table.Write(field, FieldCodec::EncodeField(plain));
}
