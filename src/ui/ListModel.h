#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <QList>
#include <QStringList>
#include <QTimer>

#include <algorithm>
#include <array>
#include <future>
#include <vector>

// The rows of a multi-column list: per-cell text and image index, a per-row
// integer value. Rows added during a long fill are stored at once but shown
// to the view in batches (at the next event-loop turn), so filling hundreds
// of thousands of rows stays fast while the window keeps repainting. Inside a
// long operation the batches double in size: the view lays out every row
// again for each batch.
class ListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // Images go in the first kIconColumns columns; kept in the row itself, as
    // lists of hundreds of thousands of rows give most rows one.
    static constexpr int kIconColumns = 16;
    struct Row {
        QStringList cells;
        std::array<qint16, kIconColumns> icons; // per column, -1 = none
        qint64 value = 0;
        Row() { icons.fill(-1); }
    };

    explicit ListModel(QObject* parent = nullptr);
    ~ListModel() override;

    void setHeaders(const QStringList& headers);
    void setImages(const QList<QIcon>& images) { images_ = images; }

    int addRow(const QStringList& cells);
    // Makes room for this many rows in all, so a long fill does not move them as it grows.
    void reserve(int rows) { rows_.reserve(static_cast<size_t>(std::max(rows, 0))); }
    void removeRow(int row);
    // Keeps the rows whose flag is true (whole rows, images included), in one step.
    void retainRows(const std::vector<bool>& keep);
    void clear();
    int count() const { return static_cast<int>(rows_.size()); }
    int columns() const { return static_cast<int>(headers_.size()); }

    QString cell(int row, int column) const;
    void setCell(int row, int column, const QString& text);
    int cellIcon(int row, int column) const;
    void setCellIcon(int row, int column, int image);
    qint64 value(int row) const;
    void setValue(int row, qint64 value);

    // Rewrites the cells and values in a new order; images stay with row positions.
    void reorder(const std::vector<int>& order);

    // Shows the rows added so far to the view.
    void publish();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    bool valid(int row, int column) const;
    void schedulePublish();
    void publishBatch();

    QStringList headers_;
    QList<QIcon> images_;
    std::vector<Row> rows_;
    // Letting go of a long list's rows (millions of texts) happens on a
    // second thread; the texts' shared counts are atomic, nothing else sees them.
    std::future<void> letGo_;
    int published_ = 0;
    QTimer publishTimer_;
};
