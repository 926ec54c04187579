#pragma once

#include <QString>

// Creating a new, empty xssj.db: the seven tables with TEXT columns and the
// one settings record, every field holding the encoded empty text.
namespace Schema {

// Refuses to touch an existing file. On failure *error says why and no
// half-made file is left behind.
bool CreateDatabaseFile(const QString& path, QString* error = nullptr);

} // namespace Schema
