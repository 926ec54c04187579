#pragma once

#include "store/SqliteDB.h"
#include "store/SqliteTable.h"
#include "util/Clock.h"

#include <QString>

class Prompter;

// Which sections are current; see the toolbar's section entry.
struct PageFlags {
    bool salesBrowserStale = true;
    bool warehouseBrowserLoaded = false;
    bool customersPageLoaded = false;
    bool queryPageEntered = false;
    bool settingsPageFilled = false;
};

// The nine fields of the settings record, read once at start-up.
struct Settings {
    QString password;          // 密码: empty means passwords are off
    QString loginPassword;     // 登录密码 flag
    QString warehousePassword; // 仓库密码 flag
    QString customerPassword;  // 客户密码 flag
    QString queryPassword;     // 查询密码 flag
    QString skin;              // 皮肤
    QString autoBackup;        // 自动备份: date of the last automatic backup, empty = off
    QString backupCycle;       // 备份周期
    QString backupPath;        // 备份路径
};

// The process-wide objects: the one connection, the seven table cursors, the
// in-memory settings, the page flags, the program directory, the clock and
// the prompter. Created in main() (and by each test); pages get it by reference.
class AppContext {
public:
    AppContext(QString programDir, Clock& clock, Prompter& prompter);
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    QString databasePath() const;

    // The opening rule: use db and the cursor when both are open, otherwise
    // reopen db on xssj.db in the program directory (never creating it) and
    // open the cursor on its table.
    void OpenTable(SqliteTable& cursor, const QString& tableName);
    // Opens a second cursor on the connection already open (so both share one
    // transaction); falls back to the opening rule when db is closed.
    void OpenAlso(SqliteTable& cursor, const QString& tableName);

    SqliteDB db;
    SqliteTable settingsTable;
    SqliteTable customersTable;
    SqliteTable customerCategoriesTable;
    SqliteTable productsTable;
    SqliteTable productCategoriesTable;
    SqliteTable topUpsTable;
    SqliteTable salesTable;

    Settings settings;
    PageFlags flags;
    const QString programDir;
    Clock& clock;
    Prompter& prompter;
    // Name of the single-instance marker; empty (as in tests) skips the check.
    QString singleInstanceName;
    // A problem with xssj.db was told and the file has not opened since.
    bool databaseProblemReported = false;
};

// Closes the database and every cursor and forgets the in-memory state.
// Nothing is written.
void ShutdownCleanup(AppContext& ctx);
