#include "SqliteTable.h"

#include "SqliteDB.h"

#include "util/Gbk.h"

#include <QStringDecoder>

#include <algorithm>

#include <sqlite3.h>

namespace {

constexpr int kMaxTableNameBytes = 1024;

// Compares two names with ASCII letters upper-cased on both sides and
// everything else exactly.
bool sameFieldName(const QString& a, const QString& b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        char16_t x = a[i].unicode(), y = b[i].unicode();
        if (x >= 'a' && x <= 'z')
            x -= 32;
        if (y >= 'a' && y <= 'z')
            y -= 32;
        if (x != y)
            return false;
    }
    return true;
}

// The text of bytes kept by textFromColumn (valid UTF-8).
QString textOf(QByteArrayView bytes) {
    return Gbk::isAscii(bytes) ? QString::fromLatin1(bytes) : QString::fromUtf8(bytes);
}

// Text as the engine returned it, up to the first NUL; invalid UTF-8 reads as empty.
QByteArrayView textFromColumn(sqlite3_stmt* stmt, int column) {
    const char* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
    if (!text)
        return {};
    QByteArrayView bytes(text, qstrnlen(text, sqlite3_column_bytes(stmt, column)));
    if (Gbk::isAscii(bytes))
        return bytes;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString checked = decoder(bytes);
    Q_UNUSED(checked);
    return decoder.hasError() ? QByteArrayView() : bytes;
}

QString cutName(const QString& name) {
    QByteArray bytes = name.toUtf8();
    if (bytes.size() <= kMaxTableNameBytes)
        return name;
    return QString::fromUtf8(bytes.left(kMaxTableNameBytes));
}

struct StatementFinalizer {
    sqlite3_stmt* stmt;
    ~StatementFinalizer() { sqlite3_finalize(stmt); }
};

sqlite3_stmt* prepare(sqlite3* db, const QString& sql) {
    QByteArray utf8 = sql.toUtf8();
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, utf8.constData(), static_cast<int>(utf8.size()), &stmt, nullptr) != SQLITE_OK) {
        sqlite3_finalize(stmt);
        return nullptr;
    }
    return stmt;
}

bool bindValue(sqlite3_stmt* stmt, int index, const SqliteTable::Value& value) {
    if (auto i = std::get_if<qint64>(&value))
        return sqlite3_bind_int64(stmt, index, *i) == SQLITE_OK;
    if (auto d = std::get_if<double>(&value))
        return sqlite3_bind_double(stmt, index, *d) == SQLITE_OK;
    if (auto s = std::get_if<QString>(&value)) {
        QByteArray utf8 = s->toUtf8();
        return sqlite3_bind_text(stmt, index, utf8.constData(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT) ==
               SQLITE_OK;
    }
    if (auto b = std::get_if<QByteArray>(&value))
        return sqlite3_bind_blob(stmt, index, b->constData(), static_cast<int>(b->size()), SQLITE_TRANSIENT) ==
               SQLITE_OK;
    return false;
}

} // namespace

SqliteTable::~SqliteTable() { Close(); }

bool SqliteTable::Open(const QString& tableName, SqliteDB& db) {
    Close();
    if (tableName.isEmpty() || !db.IsOpen())
        return false;
    tableName_ = cutName(tableName);
    db_ = &db;
    db.attach(this);
    state_ = Browsing;
    if (!loadColumns() || !loadRowids()) {
        Close();
        return false;
    }
    pending_.assign(columns_.size(), Value{});
    current_ = 0;
    return true;
}

bool SqliteTable::Close() {
    finalizeStatements();
    if (db_)
        db_->detach(this);
    db_ = nullptr;
    state_ = Closed;
    columns_.clear();
    rowids_.clear();
    pending_.clear();
    current_ = 0;
    return true;
}

void SqliteTable::finalizeStatements() {
    sqlite3_finalize(lockHolder_);
    lockHolder_ = nullptr;
    sqlite3_finalize(blockStatement_);
    blockStatement_ = nullptr;
    block_ = Block();
}

void SqliteTable::holdReadLock() {
    if (!lockHolder_)
        lockHolder_ = prepare(db_->handle(), QStringLiteral("SELECT count(*) FROM sqlite_master"));
    if (lockHolder_ && !sqlite3_stmt_busy(lockHolder_)) {
        // The lock was let go (or never taken): what was read ahead may be out of date.
        ++lockEpoch_;
        sqlite3_reset(lockHolder_);
        sqlite3_step(lockHolder_);
    }
}

namespace {
constexpr int kBlockRecords = 256;
}

qsizetype SqliteTable::currentValues() {
    holdReadLock();
    const quint64 changes = db_->changeCount();
    const bool blockValid = current_ >= block_.first && current_ <= block_.last && block_.changeCount == changes &&
                            block_.lockEpoch == lockEpoch_ && sqlite3_stmt_busy(lockHolder_);
    const size_t columns = static_cast<size_t>(columns_.size());
    if (!blockValid) {
        if (!blockStatement_) {
            blockStatement_ = prepare(
                db_->handle(),
                QStringLiteral("SELECT _ROWID_, * FROM %1 WHERE _ROWID_ BETWEEN ? AND ? ORDER BY _ROWID_").arg(tableName_));
            if (!blockStatement_)
                return -1;
        }
        // The arrays keep their room from block to block.
        block_.rowids.clear();
        block_.text.clear();
        block_.ends.clear();
        block_.lastFound = 0;
        block_.first = current_;
        block_.last = std::min(current_ + kBlockRecords - 1, static_cast<int>(rowids_.size()));
        block_.rowids.reserve(block_.last - block_.first + 1);
        block_.ends.reserve((block_.last - block_.first + 1) * columns);
        sqlite3_reset(blockStatement_);
        sqlite3_bind_int64(blockStatement_, 1, rowids_[block_.first - 1]);
        sqlite3_bind_int64(blockStatement_, 2, rowids_[block_.last - 1]);
        while (sqlite3_step(blockStatement_) == SQLITE_ROW) {
            block_.rowids.push_back(sqlite3_column_int64(blockStatement_, 0));
            for (size_t c = 0; c < columns; ++c) {
                const QByteArrayView value = textFromColumn(blockStatement_, static_cast<int>(c) + 1);
                block_.text.append(value.data(), value.size());
                block_.ends.push_back(static_cast<qsizetype>(block_.text.size()));
            }
        }
        sqlite3_reset(blockStatement_);
        block_.changeCount = changes;
        block_.lockEpoch = lockEpoch_;
    }
    const qint64 rowid = rowids_[current_ - 1];
    const std::vector<qint64>& ids = block_.rowids;
    size_t at = block_.lastFound;
    if (at >= ids.size() || ids[at] != rowid) {
        if (at + 1 < ids.size() && ids[at + 1] == rowid)
            ++at;
        else
            at = std::lower_bound(ids.begin(), ids.end(), rowid) - ids.begin();
    }
    if (at >= ids.size() || ids[at] != rowid)
        return -1; // the record vanished from the file
    block_.lastFound = at;
    return static_cast<qsizetype>(at);
}

QByteArrayView SqliteTable::storedBytes(qsizetype record, int column) const {
    const size_t value = static_cast<size_t>(record) * columns_.size() + column;
    const qsizetype begin = value == 0 ? 0 : block_.ends[value - 1];
    return QByteArrayView(block_.text.data() + begin, block_.ends[value] - begin);
}


const std::vector<int>& SqliteTable::resolveAll(const QStringList& names) {
    if (names != resolvedNames_ || resolvedNames_.isEmpty()) {
        resolvedColumns_.clear();
        for (const QString& name : names)
            resolvedColumns_.push_back(resolve(name));
        resolvedNames_ = names;
    }
    return resolvedColumns_;
}

bool SqliteTable::loadColumns() {
    sqlite3_stmt* stmt = prepare(db_->handle(), QStringLiteral("SELECT * FROM %1 LIMIT 0").arg(tableName_));
    if (!stmt)
        return false;
    StatementFinalizer finalizer{stmt};
    sqlite3_step(stmt);
    columns_.clear();
    resolvedNames_.clear();
    int count = sqlite3_column_count(stmt);
    for (int i = 0; i < count; ++i)
        columns_.append(QString::fromUtf8(sqlite3_column_name(stmt, i)));
    return true;
}

bool SqliteTable::loadRowids() {
    sqlite3_stmt* stmt =
        prepare(db_->handle(), QStringLiteral("SELECT _ROWID_ FROM %1 ORDER BY _ROWID_ ").arg(tableName_));
    if (!stmt)
        return false;
    StatementFinalizer finalizer{stmt};
    rowids_.clear();
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW)
        rowids_.push_back(sqlite3_column_int64(stmt, 0));
    return rc == SQLITE_DONE;
}

bool SqliteTable::GoTo(int n) {
    if (!IsOpen())
        return false;
    int count = RecordCount();
    if (n >= 1 && n <= count) {
        current_ = n;
        return true;
    }
    current_ = n > count ? count + 1 : 0;
    return false;
}

bool SqliteTable::Skip(int n) {
    if (n == 0)
        return false;
    return GoTo(current_ + n);
}

int SqliteTable::resolve(const Field& field) const {
    if (const int* number = std::get_if<int>(&field))
        return *number >= 1 && *number <= columns_.size() ? *number - 1 : -1;
    const QString& name = std::get<QString>(field);
    if (name.isEmpty())
        return -1;
    for (qsizetype i = 0; i < columns_.size(); ++i)
        if (sameFieldName(columns_[i], name))
            return static_cast<int>(i);
    return -1;
}

QString SqliteTable::Read(const Field& field, bool* ok) {
    if (ok)
        *ok = false;
    if (!IsOpen() || !currentIsValid())
        return {};
    int column = resolve(field);
    if (column < 0)
        return {};
    const qsizetype record = currentValues();
    if (ok)
        *ok = record >= 0;
    return record >= 0 ? textOf(storedBytes(record, column)) : QString();
}

QStringList SqliteTable::ReadFields(const QStringList& names) {
    StoredBytes stored;
    if (!ReadFieldBytes(names, stored))
        return {};
    QStringList out;
    out.reserve(stored.size());
    for (QByteArrayView bytes : stored)
        out << textOf(bytes);
    return out;
}

bool SqliteTable::ReadFieldBytes(const QStringList& names, StoredBytes& out) {
    out.clear();
    if (!IsOpen() || !currentIsValid())
        return false;
    const std::vector<int>& columns = resolveAll(names);
    if (std::find(columns.begin(), columns.end(), -1) != columns.end())
        return false;
    const qsizetype record = currentValues();
    if (record < 0)
        return false;
    for (int column : columns)
        out.append(storedBytes(record, column));
    return true;
}

bool SqliteTable::writeValue(const Field& field, Value value) {
    if (!IsOpen())
        return false;
    int column = resolve(field);
    if (column < 0 || column >= static_cast<int>(pending_.size()))
        return false;
    pending_[column] = std::move(value);
    return true;
}

bool SqliteTable::BeginAppend() {
    if (!IsOpen())
        return false;
    pending_.assign(columns_.size(), Value{});
    state_ = Appending;
    return true;
}

bool SqliteTable::BeginEdit() {
    if (!IsOpen() || !currentIsValid())
        return false;
    pending_.assign(columns_.size(), Value{});
    state_ = Editing;
    return true;
}

bool SqliteTable::Update() {
    if (!IsOpen() || (state_ != Appending && state_ != Editing) || columns_.isEmpty() ||
        pending_.size() != static_cast<size_t>(columns_.size()))
        return false;
    std::vector<int> collected;
    for (int i = 0; i < columns_.size(); ++i)
        if (!std::holds_alternative<std::monostate>(pending_[i]))
            collected.push_back(i);
    if (collected.empty())
        return false;

    QString sql;
    if (state_ == Editing) {
        if (!currentIsValid())
            return false;
        QStringList sets;
        for (int i : collected)
            sets << columns_[i] + QStringLiteral("=?");
        sql = QStringLiteral("UPDATE %1 SET %2 WHERE _ROWID_=%3")
                  .arg(tableName_, sets.join(QLatin1Char(',')))
                  .arg(rowids_[current_ - 1]);
    } else {
        QStringList names, marks;
        for (int i : collected) {
            names << columns_[i];
            marks << QStringLiteral("?");
        }
        sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                  .arg(tableName_, names.join(QLatin1Char(',')), marks.join(QLatin1Char(',')));
    }
    sqlite3_stmt* stmt = prepare(db_->handle(), sql);
    if (!stmt)
        return false;
    StatementFinalizer finalizer{stmt};
    for (size_t k = 0; k < collected.size(); ++k)
        if (!bindValue(stmt, static_cast<int>(k) + 1, pending_[collected[k]]))
            return false;
    db_->noteChange();
    if (sqlite3_step(stmt) != SQLITE_DONE)
        return false;

    // An append adds the largest rowid; keeping the list up to date directly
    // spares re-reading every rowid of a large table after each write.
    if (state_ == Appending) {
        qint64 added = sqlite3_last_insert_rowid(db_->handle());
        if (rowids_.empty() || added > rowids_.back())
            rowids_.push_back(added);
        else if (!loadRowids())
            return false;
    }
    state_ = Browsing;
    pending_.assign(columns_.size(), Value{});
    return true;
}

bool SqliteTable::DeleteCurrent() {
    if (!IsOpen() || !currentIsValid())
        return false;
    sqlite3_stmt* stmt = prepare(
        db_->handle(), QStringLiteral("DELETE FROM %1 WHERE _ROWID_ = %2").arg(tableName_).arg(rowids_[current_ - 1]));
    db_->noteChange();
    bool done = stmt && sqlite3_step(stmt) == SQLITE_DONE;
    sqlite3_finalize(stmt);
    if (done)
        rowids_.erase(rowids_.begin() + (current_ - 1));
    current_ = 0;
    return done;
}
