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
    QStringList values = table.ReadFields(fields);
    values.resize(fields.size());
    for (QString& v : values)
        v = FieldCodec::DecodeField(v);
    return values;
}
