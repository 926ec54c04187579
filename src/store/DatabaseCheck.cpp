#include "DatabaseCheck.h"

#include "Tables.h"

#include <QFile>

#include <sqlite3.h>

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
    bool readable = sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK;
    sqlite3_stmt* stmt = nullptr;
    readable = readable &&
               sqlite3_prepare_v2(db, "SELECT name FROM sqlite_master WHERE type = 'table'", -1, &stmt, nullptr) == SQLITE_OK;
    int rc = SQLITE_DONE;
    while (readable && (rc = sqlite3_step(stmt)) == SQLITE_ROW)
        present << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
    readable = readable && rc == SQLITE_DONE;
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    if (!readable) {
        check.problem = NotDatabase;
        return check;
    }
    for (const Tables::Definition& table : Tables::all())
        if (!present.contains(table.name))
            check.missingTables << table.name;
    if (!check.missingTables.isEmpty())
        check.problem = MissingTables;
    return check;
}
