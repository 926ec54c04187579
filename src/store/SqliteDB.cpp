#include "SqliteDB.h"

#include "SqliteTable.h"

#include <QFile>

#include <sqlite3.h>

#include <algorithm>

SqliteDB::~SqliteDB() { Close(); }

bool SqliteDB::Open(const QString& fileName, bool createIfMissing) {
    Close();
    if (fileName.isEmpty() || fileName.compare(QLatin1String(":memory:"), Qt::CaseInsensitive) == 0) {
        if (!createIfMissing)
            return false;
        return sqlite3_open(":memory:", &handle_) == SQLITE_OK || (Close(), false);
    }
    // One thread uses a connection: no need for the engine to lock around every call.
    int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX;
    if (createIfMissing) {
        flags |= SQLITE_OPEN_CREATE;
    } else {
        QFile probe(fileName);
        if (!probe.open(QIODevice::ReadOnly))
            return false;
    }
    QByteArray utf8 = fileName.toUtf8();
    if (sqlite3_open_v2(utf8.constData(), &handle_, flags, nullptr) != SQLITE_OK) {
        sqlite3_close(handle_);
        handle_ = nullptr;
        return false;
    }
    // A second program reading the file at the same moment should not make a write fail at once.
    sqlite3_busy_timeout(handle_, 2000);
    return true;
}

bool SqliteDB::Close() {
    if (!handle_)
        return true;
    closeCursors();
    if (sqlite3_close(handle_) != SQLITE_OK)
        return false;
    handle_ = nullptr;
    return true;
}

void SqliteDB::attach(SqliteTable* table) {
    if (std::find(cursors_.begin(), cursors_.end(), table) == cursors_.end())
        cursors_.push_back(table);
}

void SqliteDB::detach(SqliteTable* table) { std::erase(cursors_, table); }

void SqliteDB::closeCursors() {
    // Close() detaches, so work on a copy.
    std::vector<SqliteTable*> open = cursors_;
    for (SqliteTable* t : open)
        t->Close();
    cursors_.clear();
}

quint64 SqliteDB::changeCount() const {
    return changes_ + (handle_ ? static_cast<quint64>(sqlite3_total_changes64(handle_)) : 0);
}

bool SqliteDB::Execute(const QString& sql) {
    if (!handle_)
        return false;
    noteChange();
    QByteArray utf8 = sql.toUtf8();
    return sqlite3_exec(handle_, utf8.constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

bool SqliteDB::BeginTransaction(const QString& name) { return Execute(QStringLiteral("BEGIN TRANSACTION %1").arg(name)); }

bool SqliteDB::CommitTransaction(const QString& name) {
    return Execute(QStringLiteral("COMMIT TRANSACTION %1").arg(name));
}

bool SqliteDB::RollbackTransaction(const QString& name) {
    return Execute(QStringLiteral("ROLLBACK TRANSACTION %1").arg(name));
}

bool SqliteDB::ClearTable(const QString& tableName) {
    if (tableName.isEmpty())
        return false;
    return Execute(QStringLiteral("DELETE FROM %1").arg(tableName));
}

TransactionGuard::TransactionGuard(SqliteDB& db) : db_(db) { began_ = db_.BeginTransaction(); }

TransactionGuard::~TransactionGuard() {
    if (began_ && !finished_)
        db_.RollbackTransaction();
}

bool TransactionGuard::commit() {
    if (!began_ || finished_)
        return false;
    finished_ = true;
    if (db_.CommitTransaction())
        return true;
    db_.RollbackTransaction();
    return false;
}
