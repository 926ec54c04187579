#pragma once

#include <QDialog>

class AppContext;
class ListControl;
class RecordMaintenance;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;

// "  修改选中项目内容：" for one row of the query list: the sale date, unit
// price, quantity and remark can be changed (amount and capitals follow);
// a "代扣" record shows the hint and cannot be changed. "确定修改" writes the
// record found as the row matches it, updates the row and closes.
class SalesRecordDialog : public QDialog {
    Q_OBJECT

public:
    SalesRecordDialog(AppContext& ctx, RecordMaintenance& records, ListControl& list, int row, QWidget* owner);

    bool changed() const { return changed_; }
    void Confirm();

private:
    void updateAmount();

    AppContext& ctx_;
    RecordMaintenance& records_;
    ListControl& list_;
    const int row_;
    bool changed_ = false;
    QDateEdit* date_;
    QLabel* amount_;
    QLineEdit* capitals_;
    QLineEdit* price_;
    QLineEdit* quantity_;
    QLineEdit* remark_;
    QPushButton* confirm_;
};
