#include "QueryRowDecoder.h"

#include "QueryControls.h"
#include "store/EncodedFields.h"
#include "util/TextForms.h"

namespace {

constexpr int kBatchRecords = 2048;
// Batches decoded ahead of the rows delivered: enough to keep the second
// thread busy, few enough to keep little in memory.
constexpr size_t kMostInFlight = 2;
// A second thread when one can be had, else the work is done when its rows are asked for.
constexpr auto kOnAnotherThread = std::launch::async | std::launch::deferred;

} // namespace

QueryRowDecoder::QueryRowDecoder(int fields, Matches matches, Deliver deliver)
    : fields_(fields), matches_(std::move(matches)), deliver_(std::move(deliver)) {}

QueryRowDecoder::~QueryRowDecoder() {
    // Nothing may still be decoding once the functions it uses are gone.
    for (auto& pending : inFlight_)
        pending.wait();
}

void QueryRowDecoder::add(const SqliteTable::StoredBytes& stored) {
    for (QByteArrayView value : stored) {
        batch_.text.append(value.data(), value.size());
        batch_.ends.push_back(static_cast<qsizetype>(batch_.text.size()));
    }
    batch_.recordEnds.push_back(static_cast<int>(batch_.ends.size()));
    if (batch_.recordEnds.size() >= kBatchRecords)
        submit();
}

void QueryRowDecoder::submit() {
    if (batch_.recordEnds.empty())
        return;
    auto decode = [fields = fields_, &matches = matches_, &customers = customers_](Batch batch) {
        std::vector<Row> rows;
        RecentDecodes recent;
        qsizetype begin = 0;
        int field = 0;
        for (int recordEnd : batch.recordEnds) {
            QStringList cells(1 + fields);
            for (int column = 1; field < recordEnd; ++field, ++column) {
                const QByteArrayView stored(batch.text.data() + begin, batch.ends[field] - begin);
                if (column <= fields)
                    cells[column] = recent.decode(static_cast<size_t>(column - 1), stored);
                begin = batch.ends[field];
            }
            if (matches(cells)) {
                QString& customer = cells[QueryColumn::Customer];
                {
                    std::lock_guard<std::mutex> hold(customers.lock);
                    customer = *customers.names.insert(customer);
                }
                Row row;
                row.quantity = TextForms::toNumber(cells[QueryColumn::Quantity]);
                row.amount = TextForms::toNumber(cells[QueryColumn::Amount]);
                row.cells = std::move(cells);
                rows.push_back(std::move(row));
            }
        }
        return rows;
    };
    inFlight_.push_back(std::async(kOnAnotherThread, decode, std::move(batch_)));
    batch_ = Batch();
    while (inFlight_.size() > kMostInFlight)
        deliverOldest();
}

void QueryRowDecoder::deliverOldest() {
    std::vector<Row> rows = inFlight_.front().get();
    inFlight_.pop_front();
    for (Row& row : rows)
        deliver_(std::move(row));
}

void QueryRowDecoder::finish() {
    submit();
    while (!inFlight_.empty())
        deliverOldest();
}
