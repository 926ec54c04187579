#pragma once

#include "FieldCodec.h"
#include "SqliteTable.h"

#include <array>
#include <cstring>
#include <vector>

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

// The last few values decoded per field during a long walk. Neighbouring
// records often store the same text (a checkout's lines share their date,
// customer and method), and those then share one decoded copy: a long list
// holds fewer texts and reading it decodes less.
class RecentDecodes {
public:
    const QString& decode(size_t field, QByteArrayView stored) {
        if (field >= fields_.size())
            fields_.resize(field + 1);
        Field& f = fields_[field];
        for (Slot& slot : f.kept)
            if (slot.used && slot.stored.size() == stored.size() &&
                (stored.isEmpty() || std::memcmp(slot.stored.constData(), stored.data(), stored.size()) == 0))
                return slot.plain;
        Slot& slot = f.kept[f.next];
        f.next = (f.next + 1) % f.kept.size();
        slot.stored.resize(stored.size()); // keeps its room
        if (!stored.isEmpty())
            std::memcpy(slot.stored.data(), stored.data(), stored.size());
        slot.plain = FieldCodec::DecodeStoredBytes(stored);
        slot.used = true;
        return slot.plain;
    }

private:
    struct Slot {
        QByteArray stored;
        QString plain;
        bool used = false;
    };
    struct Field {
        std::array<Slot, 4> kept;
        size_t next = 0;
    };
    std::vector<Field> fields_;
};
