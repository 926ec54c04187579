#include "ListModel.h"

#include "EventPump.h"

#include <algorithm>

namespace {
// Lists shorter than this show every batch at once, and let go of their rows at once.
constexpr int kSmallList = 2000;
// A second thread when one can be had, else the rows go when the next clear waits for them.
constexpr auto kOnAnotherThread = std::launch::async | std::launch::deferred;
} // namespace

ListModel::ListModel(QObject* parent) : QAbstractTableModel(parent) {
    publishTimer_.setSingleShot(true);
    publishTimer_.setInterval(0);
    connect(&publishTimer_, &QTimer::timeout, this, &ListModel::publishBatch);
}

void ListModel::setHeaders(const QStringList& headers) {
    beginResetModel();
    headers_ = headers;
    for (Row& r : rows_)
        while (r.cells.size() < headers_.size())
            r.cells.append(QString());
    endResetModel();
}

bool ListModel::valid(int row, int column) const {
    return row >= 0 && row < count() && column >= 0 && column < columns();
}

int ListModel::addRow(const QStringList& cells) {
    Row r;
    r.cells = cells;
    if (r.cells.size() > columns())
        r.cells.resize(columns());
    while (r.cells.size() < columns())
        r.cells.append(QString());
    rows_.push_back(std::move(r));
    schedulePublish();
    return count() - 1;
}

void ListModel::schedulePublish() {
    if (!publishTimer_.isActive())
        publishTimer_.start();
}

void ListModel::publishBatch() {
    const int pending = count() - published_;
    if (InsideEventPump() && published_ >= kSmallList && pending < published_) {
        publishTimer_.start(); // at a later turn; at the latest when the operation has ended
        return;
    }
    publish();
}

void ListModel::publish() {
    publishTimer_.stop();
    if (published_ >= count())
        return;
    beginInsertRows({}, published_, count() - 1);
    published_ = count();
    endInsertRows();
}

void ListModel::removeRow(int row) {
    if (row < 0 || row >= count())
        return;
    publish();
    beginRemoveRows({}, row, row);
    rows_.erase(rows_.begin() + row);
    published_ = count();
    endRemoveRows();
}

void ListModel::retainRows(const std::vector<bool>& keep) {
    beginResetModel();
    size_t kept = 0;
    for (size_t r = 0; r < rows_.size(); ++r)
        if (r < keep.size() && keep[r]) {
            if (kept != r)
                rows_[kept] = std::move(rows_[r]);
            ++kept;
        }
    rows_.resize(kept);
    published_ = count();
    endResetModel();
}

ListModel::~ListModel() {
    if (letGo_.valid())
        letGo_.wait();
}

void ListModel::clear() {
    beginResetModel();
    if (rows_.size() >= kSmallList) {
        if (letGo_.valid())
            letGo_.wait();
        letGo_ = std::async(kOnAnotherThread, [rows = std::move(rows_)]() mutable { rows.clear(); });
    }
    rows_.clear();
    published_ = 0;
    endResetModel();
}

QString ListModel::cell(int row, int column) const { return valid(row, column) ? rows_[row].cells[column] : QString(); }

void ListModel::setCell(int row, int column, const QString& text) {
    if (!valid(row, column))
        return;
    rows_[row].cells[column] = text;
    if (row < published_)
        emit dataChanged(index(row, column), index(row, column), {Qt::DisplayRole});
}

int ListModel::cellIcon(int row, int column) const {
    if (!valid(row, column) || column >= kIconColumns)
        return -1;
    return rows_[row].icons[column];
}

void ListModel::setCellIcon(int row, int column, int image) {
    if (!valid(row, column) || column >= kIconColumns)
        return;
    rows_[row].icons[column] = static_cast<qint16>(std::clamp(image, -1, 0x7fff));
    if (row < published_)
        emit dataChanged(index(row, column), index(row, column), {Qt::DecorationRole});
}

qint64 ListModel::value(int row) const { return row >= 0 && row < count() ? rows_[row].value : 0; }

void ListModel::setValue(int row, qint64 value) {
    if (row >= 0 && row < count())
        rows_[row].value = value;
}

void ListModel::reorder(const std::vector<int>& order) {
    std::vector<Row> sorted;
    sorted.reserve(rows_.size());
    for (size_t s = 0; s < order.size(); ++s) {
        Row r;
        r.cells = std::move(rows_[order[s]].cells);
        r.value = rows_[order[s]].value;
        sorted.push_back(std::move(r));
    }
    for (size_t s = 0; s < sorted.size(); ++s) {
        rows_[s].cells = std::move(sorted[s].cells);
        rows_[s].value = sorted[s].value;
    }
    if (published_ > 0)
        emit dataChanged(index(0, 0), index(published_ - 1, columns() - 1));
}

int ListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : published_; }

int ListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : columns(); }

QVariant ListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !valid(index.row(), index.column()))
        return {};
    const Row& r = rows_[index.row()];
    if (role == Qt::DisplayRole)
        return r.cells[index.column()];
    if (role == Qt::DecorationRole && index.column() < kIconColumns) {
        int image = r.icons[index.column()];
        if (image >= 0 && image < images_.size())
            return images_[image];
    }
    return {};
}

QVariant ListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < headers_.size())
        return headers_[section];
    return {};
}
