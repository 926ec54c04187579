#include "StoredRecords.h"

#include "store/FieldCodec.h"

#include <sqlite3.h>

namespace {

QList<StoredRecord> read(const QString& path, const QString& table, bool decode) {
    QList<StoredRecord> records;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        return records;
    }
    sqlite3_busy_timeout(db, 5000);
    sqlite3_stmt* stmt = nullptr;
    QByteArray sql = QStringLiteral("SELECT * FROM \"%1\" ORDER BY rowid").arg(table).toUtf8();
    if (sqlite3_prepare_v2(db, sql.constData(), -1, &stmt, nullptr) == SQLITE_OK) {
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            StoredRecord record;
            for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
                QString raw = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, i)));
                record.insert(QString::fromUtf8(sqlite3_column_name(stmt, i)),
                              decode ? FieldCodec::DecodeField(raw) : raw);
            }
            records << record;
        }
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return records;
}

} // namespace

QList<StoredRecord> readStoredRecords(const QString& path, const QString& table) { return read(path, table, true); }
QList<StoredRecord> readRawRecords(const QString& path, const QString& table) { return read(path, table, false); }
