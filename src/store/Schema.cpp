#include "Schema.h"

#include "EncodedFields.h"
#include "SqliteDB.h"
#include "Tables.h"

#include <QFile>
#include <QFileInfo>

namespace Schema {

namespace {

bool fail(QString* error, const QString& message) {
    if (error)
        *error = message;
    return false;
}

bool createTablesAndSettings(SqliteDB& db) {
    TransactionGuard transaction(db);
    if (!transaction.began())
        return false;
    for (const Tables::Definition& table : Tables::all()) {
        QStringList columns;
        for (const QString& field : table.fields)
            columns << field + QStringLiteral(" TEXT");
        if (!db.Execute(QStringLiteral("CREATE TABLE %1 (%2)").arg(table.name, columns.join(QStringLiteral(", ")))))
            return false;
    }
    SqliteTable settings;
    if (!settings.Open(Tables::kSettings, db) || !settings.BeginAppend())
        return false;
    for (const QString& field : Tables::fieldsOf(Tables::kSettings))
        writePlain(settings, field, QString());
    if (!settings.Update())
        return false;
    settings.Close();
    return transaction.commit();
}

} // namespace

bool CreateDatabaseFile(const QString& path, QString* error) {
    if (QFileInfo::exists(path))
        return fail(error, QStringLiteral("文件已存在，不会覆盖：%1").arg(path));
    SqliteDB db;
    if (!db.Open(path, true))
        return fail(error, QStringLiteral("无法创建数据库文件：%1").arg(path));
    bool made = createTablesAndSettings(db);
    db.Close();
    if (!made) {
        QFile::remove(path);
        return fail(error, QStringLiteral("无法写入数据库文件：%1").arg(path));
    }
    return true;
}

} // namespace Schema
