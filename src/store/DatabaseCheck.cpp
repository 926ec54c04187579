#include "DatabaseCheck.h"

#include "Tables.h"

#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

namespace {

// The first column of every row of a statement; false when it cannot be read,
// with the engine's code in *code.
bool readColumn(sqlite3* db, const QByteArray& sql, QStringList* values, int* code) {
    sqlite3_stmt* stmt = nullptr;
    *code = sqlite3_prepare_v2(db, sql.constData(), -1, &stmt, nullptr);
    if (*code != SQLITE_OK)
        return false;
    while ((*code = sqlite3_step(stmt)) == SQLITE_ROW)
        *values << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
    sqlite3_finalize(stmt);
    return *code == SQLITE_DONE;
}

bool isBusy(int code) { return (code & 0xff) == SQLITE_BUSY || (code & 0xff) == SQLITE_LOCKED; }

} // namespace

DatabaseCheck DatabaseCheck::Run(const QString& path) {
    DatabaseCheck check;
    QFile probe(path);
    if (!probe.open(QIODevice::ReadOnly)) {
        check.problem = Missing;
        return check;
    }
    probe.close();
    sqlite3* db = nullptr;
    QStringList present;
    int code = SQLITE_OK;
    bool readable = sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK;
    if (readable) {
        // As long as the program itself would wait for another program to finish writing.
        sqlite3_busy_timeout(db, 2000);
        readable = readColumn(db, "SELECT name FROM sqlite_master WHERE type = 'table'", &present, &code);
    }
    for (const Tables::Definition& table : Tables::all()) {
        if (!readable)
            break;
        if (!present.contains(table.name)) {
            check.missingTables << table.name;
            continue;
        }
        QStringList columns;
        const QByteArray sql = QStringLiteral("SELECT name FROM pragma_table_info('%1')").arg(table.name).toUtf8();
        readable = readColumn(db, sql, &columns, &code);
        for (const QString& field : table.fields)
            if (!columns.contains(field))
                check.missingColumns << table.name + QLatin1Char('.') + field;
    }
    sqlite3_close(db);
    if (!readable)
        check.problem = isBusy(code) ? Locked : NotDatabase;
    else if (!check.missingTables.isEmpty())
        check.problem = MissingTables;
    else if (!check.missingColumns.isEmpty())
        check.problem = MissingColumns;
    // The journal goes beside the file, so its folder must take new files too.
    else if (!QFileInfo(path).isWritable() || !QFileInfo(QFileInfo(path).absolutePath()).isWritable())
        check.problem = ReadOnly;
    return check;
}
