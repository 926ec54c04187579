#pragma once

#include "store/SqliteTable.h"

#include <QSet>
#include <QStringList>

#include <deque>
#include <functional>
#include <string>
#include <future>
#include <mutex>
#include <vector>

// Turns the stored fields of a walk's records into query list rows on a
// second thread while the walk reads on. Reading the file, and the order of
// everything, stay with the window's thread: only the pure work of decoding
// texts, checking them and reading their numbers moves. Rows are delivered in
// the order their records were added. Equal customer names share one text, so
// the window's thread can tell customers apart by their texts' addresses.
class QueryRowDecoder {
public:
    struct Row {
        QStringList cells; // the serial number's column left empty
        double quantity = 0;
        double amount = 0;
    };
    using Matches = std::function<bool(const QStringList& cells)>;
    using Deliver = std::function<void(Row&& row)>;

    // fields: how many stored fields a record has; they go to columns 1 on.
    QueryRowDecoder(int fields, Matches matches, Deliver deliver);
    ~QueryRowDecoder();
    QueryRowDecoder(const QueryRowDecoder&) = delete;
    QueryRowDecoder& operator=(const QueryRowDecoder&) = delete;

    // One record's stored texts, or none when it could not be read (its
    // fields then read as empty texts). Copies them: they may go at the next read.
    void add(const SqliteTable::StoredBytes& stored);
    // Delivers every remaining row.
    void finish();

private:
    struct Batch {
        std::string text;
        std::vector<qsizetype> ends; // where each field ends in text; a record unread has none
        std::vector<int> recordEnds; // per record, where its fields end in ends
    };
    void submit();
    void deliverOldest();

    const int fields_;
    Matches matches_;
    Deliver deliver_;
    struct Customers {
        std::mutex lock;
        QSet<QString> names;
    } customers_;
    Batch batch_;
    std::deque<std::future<std::vector<Row>>> inFlight_;
};
