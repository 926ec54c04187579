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

// Several fields of the current record, decoded; empty texts when there is no record.
inline QStringList readPlainFields(SqliteTable& table, const QStringList& fields) {
    SqliteTable::StoredBytes stored;
    table.ReadFieldBytes(fields, stored);
    QStringList values(fields.size());
    for (qsizetype i = 0; i < stored.size(); ++i)
        values[i] = FieldCodec::DecodeStoredBytes(stored[i]);
    return values;
}
