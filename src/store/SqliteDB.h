#pragma once

#include <QString>

#include <vector>

struct sqlite3;
class SqliteTable;

// The one connection to the database file. Cursors opened on it are told when
// it closes, so none of them ever touches a closed handle.
class SqliteDB {
public:
    SqliteDB() = default;
    ~SqliteDB();
    SqliteDB(const SqliteDB&) = delete;
    SqliteDB& operator=(const SqliteDB&) = delete;

    // Closes any open connection first. Without createIfMissing the file must
    // already exist and be readable; nothing is ever created then.
    bool Open(const QString& fileName, bool createIfMissing = false);
    bool Close();
    bool IsOpen() const { return handle_ != nullptr; }

    bool BeginTransaction(const QString& name = {});
    bool CommitTransaction(const QString& name = {});
    bool RollbackTransaction(const QString& name = {});
    bool ClearTable(const QString& tableName);

    // Runs one statement without results; false when not open or on an engine error.
    bool Execute(const QString& sql);

    sqlite3* handle() const { return handle_; }

    // Changes whenever this connection may have changed what the file holds
    // (any statement run here, any cursor write); cursors drop what they
    // read ahead when it moves.
    quint64 changeCount() const;
    void noteChange() { ++changes_; }

private:
    friend class SqliteTable;
    void attach(SqliteTable* table);
    void detach(SqliteTable* table);
    void closeCursors();

    sqlite3* handle_ = nullptr;
    std::vector<SqliteTable*> cursors_;
    quint64 changes_ = 0;
};

// Rolls the transaction back unless it was committed: a failure half-way
// through a multi-record change leaves the file as it was.
class TransactionGuard {
public:
    explicit TransactionGuard(SqliteDB& db);
    ~TransactionGuard();
    TransactionGuard(const TransactionGuard&) = delete;
    TransactionGuard& operator=(const TransactionGuard&) = delete;

    bool began() const { return began_; }
    bool commit();

private:
    SqliteDB& db_;
    bool began_ = false;
    bool finished_ = false;
};
