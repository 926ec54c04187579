#pragma once

#include "ListModel.h"

#include <QTreeView>

// The multi-column list of the pages: rows of texts with images and an
// integer value per row, multiple selection and hidden columns. It reports
// mouse clicks on a row or on empty space (row -1), right clicks, double
// clicks and header clicks; moving the selection with the keyboard reports
// nothing.
class ListControl : public QTreeView {
    Q_OBJECT

public:
    struct Column {
        QString title;
        int width;
    };

    explicit ListControl(const QString& name, QWidget* parent = nullptr);

    void setColumns(const QList<Column>& columns);
    void setImages(const QList<QIcon>& images) { model_->setImages(images); }

    int addRow(const QStringList& cells) { return model_->addRow(cells); }
    void reserveRows(int rows) { model_->reserve(rows); }
    void removeRow(int row) { model_->removeRow(row); }
    void retainRows(const std::vector<bool>& keep) { model_->retainRows(keep); }
    void clearRows() { model_->clear(); }
    int rowCount() const { return model_->count(); }
    int columnCount() const { return model_->columns(); }

    QString cell(int row, int column) const { return model_->cell(row, column); }
    void setCell(int row, int column, const QString& text) { model_->setCell(row, column, text); }
    int cellIcon(int row, int column) const { return model_->cellIcon(row, column); }
    void setCellIcon(int row, int column, int image) { model_->setCellIcon(row, column, image); }
    qint64 rowValue(int row) const { return model_->value(row); }
    void setRowValue(int row, qint64 value) { model_->setValue(row, value); }

    // The selected row that has the focus (else the first selected), -1 when none.
    int currentRow() const;
    // Makes the row current and the only selected one; -1 clears both.
    void setCurrentRow(int row);
    QList<int> selectedRows() const;
    bool isRowSelected(int row) const;
    void selectRow(int row, bool selected);
    void scrollToRow(int row);

    ListModel* listModel() const { return model_; }

signals:
    void leftClicked(int row);
    void rightClicked(int row);
    void doubleClickedRow(int row);
    void headerClicked(int column);

protected:
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles = QList<int>()) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    ListModel* model_;
};
