#include "ListControl.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMouseEvent>

ListControl::ListControl(const QString& name, QWidget* parent) : QTreeView(parent), model_(new ListModel(this)) {
    setObjectName(name);
    setModel(model_);
    setRootIsDecorated(false);
    setUniformRowHeights(true); // keeps very long lists fast
    setItemsExpandable(false);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    header()->setSectionsClickable(true);
    header()->setSectionsMovable(false);
    header()->setStretchLastSection(false);
    connect(header(), &QHeaderView::sectionClicked, this, &ListControl::headerClicked);
}

void ListControl::setColumns(const QList<Column>& columns) {
    QStringList titles;
    for (const Column& c : columns)
        titles << c.title;
    model_->setHeaders(titles);
    for (int i = 0; i < columns.size(); ++i)
        setColumnWidth(i, columns[i].width);
}

int ListControl::currentRow() const {
    // The focused row counts only while it is selected; otherwise the first selected row.
    QModelIndex current = selectionModel()->currentIndex();
    if (current.isValid() && selectionModel()->isRowSelected(current.row(), {}))
        return current.row();
    QList<int> rows = selectedRows();
    return rows.isEmpty() ? -1 : rows.first();
}

void ListControl::setCurrentRow(int row) {
    model_->publish();
    if (row < 0 || row >= model_->count()) {
        selectionModel()->clear();
        return;
    }
    selectionModel()->setCurrentIndex(model_->index(row, 0),
                                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

QList<int> ListControl::selectedRows() const {
    QList<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

bool ListControl::isRowSelected(int row) const {
    return row >= 0 && row < model_->rowCount() && selectionModel()->isRowSelected(row, {});
}

void ListControl::selectRow(int row, bool selected) {
    model_->publish();
    if (row < 0 || row >= model_->count())
        return;
    selectionModel()->select(model_->index(row, 0), (selected ? QItemSelectionModel::Select
                                                               : QItemSelectionModel::Deselect) |
                                                         QItemSelectionModel::Rows);
}

void ListControl::scrollToRow(int row) {
    model_->publish();
    if (row >= 0 && row < model_->count())
        scrollTo(model_->index(row, 0));
}

void ListControl::dataChanged(const QModelIndex&, const QModelIndex&, const QList<int>&) {
    // Rows here all have one height, no children and no editors, so changed
    // texts or images need only a repaint of what is in sight. The general
    // path measures every changed row (and, where the columns do not fill the
    // width, every row of the list), which costs a long list dearly.
    viewport()->update();
}

void ListControl::mousePressEvent(QMouseEvent* event) {
    QTreeView::mousePressEvent(event);
    QModelIndex index = indexAt(event->position().toPoint());
    int row = index.isValid() ? index.row() : -1;
    if (!index.isValid() && event->button() == Qt::LeftButton && !(event->modifiers() & Qt::ControlModifier))
        setCurrentRow(-1); // a click on empty space leaves nothing current
    if (event->button() == Qt::LeftButton)
        emit leftClicked(row);
    else if (event->button() == Qt::RightButton)
        emit rightClicked(row);
}

void ListControl::mouseDoubleClickEvent(QMouseEvent* event) {
    QTreeView::mouseDoubleClickEvent(event);
    QModelIndex index = indexAt(event->position().toPoint());
    emit doubleClickedRow(index.isValid() ? index.row() : -1);
}
