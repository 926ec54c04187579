#include "AppContext.h"

#include "DatabaseProblem.h"

#include <QDir>

AppContext::AppContext(QString programDir, Clock& clock, Prompter& prompter)
    : programDir(std::move(programDir)), clock(clock), prompter(prompter) {}

QString AppContext::databasePath() const { return QDir(programDir).filePath(QStringLiteral("xssj.db")); }

void AppContext::OpenTable(SqliteTable& cursor, const QString& tableName) {
    if (db.IsOpen() && cursor.IsOpen())
        return;
    db.Close();
    if (db.Open(databasePath()) && cursor.Open(tableName, db))
        databaseProblemReported = false;
    else
        ReportUnreachableDatabase(*this);
}

void AppContext::OpenAlso(SqliteTable& cursor, const QString& tableName) {
    if (!db.IsOpen()) {
        OpenTable(cursor, tableName);
        return;
    }
    if (!cursor.IsOpen())
        cursor.Open(tableName, db);
}

void ShutdownCleanup(AppContext& ctx) {
    ctx.db.Close(); // closes every cursor opened on it
    for (SqliteTable* t : {&ctx.settingsTable, &ctx.customersTable, &ctx.customerCategoriesTable, &ctx.productsTable,
                           &ctx.productCategoriesTable, &ctx.topUpsTable, &ctx.salesTable})
        t->Close();
    ctx.settings = Settings();
}
