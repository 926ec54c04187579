#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVarLengthArray>

#include <string>
#include <variant>
#include <vector>

struct sqlite3_stmt;
class SqliteDB;

// A table cursor: the records of one table numbered 1..count in rowid order,
// a current record, and fields read and written one at a time by name or
// 1-based column number.
class SqliteTable {
public:
    enum State { Closed = 0, Browsing = 1, Appending = 2, Editing = 3 };
    // A field: a column name (ASCII letters match in any case) or a 1-based number.
    using Field = std::variant<QString, int>;
    using Value = std::variant<std::monostate, qint64, double, QString, QByteArray>;

    SqliteTable() = default;
    ~SqliteTable();
    SqliteTable(const SqliteTable&) = delete;
    SqliteTable& operator=(const SqliteTable&) = delete;

    bool Open(const QString& tableName, SqliteDB& db);
    bool Close();
    bool IsOpen() const { return db_ != nullptr && state_ != Closed; }
    State state() const { return state_; }
    const QString& tableName() const { return tableName_; }
    const QStringList& columns() const { return columns_; }

    int RecordCount() const { return IsOpen() ? static_cast<int>(rowids_.size()) : 0; }
    int RecordNumber() const { return IsOpen() ? current_ : 0; }
    bool GoTo(int n);
    bool GoFirst() { return GoTo(1); }
    bool GoLast() { return GoTo(RecordCount()); }
    bool Skip(int n = 1);

    // The stored text of a field of the current record; empty with *ok false
    // when there is no such field or record. NULL reads as the empty text.
    QString Read(const Field& field, bool* ok = nullptr);

    // Several fields of the current record with one statement, in the given
    // order (the same texts Read would give); empty when there is no record
    // or a field does not exist.
    QStringList ReadFields(const QStringList& names);

    // The same fields' stored texts as UTF-8 bytes, for decoding without a
    // copy; they stay valid until the next read. False (and none) as for ReadFields.
    using StoredBytes = QVarLengthArray<QByteArrayView, 16>;
    bool ReadFieldBytes(const QStringList& names, StoredBytes& out);

    bool Write(const Field& field, const QString& value) { return writeValue(field, value); }
    bool Write(const Field& field, const char16_t* value) { return writeValue(field, QString::fromUtf16(value)); }
    bool Write(const Field& field, qint64 value) { return writeValue(field, value); }
    bool Write(const Field& field, int value) { return writeValue(field, qint64(value)); }
    bool Write(const Field& field, bool value) { return writeValue(field, qint64(value)); }
    bool Write(const Field& field, double value) { return writeValue(field, value); }
    bool Write(const Field& field, const QByteArray& value) { return writeValue(field, value); }

    bool BeginAppend();
    bool BeginEdit();
    bool Update();
    bool DeleteCurrent();

private:
    friend class SqliteDB;
    int resolve(const Field& field) const;
    bool writeValue(const Field& field, Value value);
    bool loadColumns();
    bool loadRowids();
    void finalizeStatements();
    void holdReadLock();
    // Where the current record's values stand in the read-ahead block, fetched
    // when needed; -1 when the record is gone from the file.
    qsizetype currentValues();
    QByteArrayView storedBytes(qsizetype record, int column) const;
    // The column numbers of the names, looked up once for a repeated list.
    const std::vector<int>& resolveAll(const QStringList& names);
    bool currentIsValid() const { return current_ >= 1 && current_ <= static_cast<int>(rowids_.size()); }

    SqliteDB* db_ = nullptr;
    QString tableName_;
    State state_ = Closed;
    QStringList columns_;
    std::vector<qint64> rowids_;
    int current_ = 0;
    std::vector<Value> pending_;
    // Kept stepped while the cursor is open so the connection holds its read
    // lock: taking and dropping the file lock for every single field read
    // costs twenty times the read itself.
    sqlite3_stmt* lockHolder_ = nullptr;
    // Read-ahead: the values of a block of records from one statement. Valid
    // only while this cursor's read lock has been held without a break and
    // nothing was changed through the connection, so every read still gives
    // exactly what the file holds at that moment.
    struct Block {
        int first = 0, last = -1;    // record numbers covered
        std::vector<qint64> rowids; // ascending, the records the file still holds
        std::string text;           // every column's UTF-8 text of those records, one after another
        std::vector<qsizetype> ends; // where each of those values ends in text
        size_t lastFound = 0;        // walks go forward: look here first
        quint64 changeCount = 0;
        quint64 lockEpoch = 0;
    } block_;
    QStringList resolvedNames_;
    std::vector<int> resolvedColumns_;
    sqlite3_stmt* blockStatement_ = nullptr;
    quint64 lockEpoch_ = 0;
};
