#pragma once

#include <QList>
#include <QMap>
#include <QString>

// Reads a table straight from the file with plain SQL and decodes every
// value: the tests' own view of what was stored, independent of the cursor.
using StoredRecord = QMap<QString, QString>;
QList<StoredRecord> readStoredRecords(const QString& databasePath, const QString& table);
// Raw stored texts (not decoded).
QList<StoredRecord> readRawRecords(const QString& databasePath, const QString& table);
