#pragma once

#include <QStringList>

class ListControl;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

// The controls of the "数据查询" page the handlers work on.
struct QueryControls {
    ListControl* list = nullptr;         // 超级列表框_查询
    QLineEdit* keyword = nullptr;        // 编辑框_查询关键字
    QPushButton* keywordQuery = nullptr; // 按钮_查询
    QDateEdit* from = nullptr;           // 日期框_起
    QDateEdit* to = nullptr;             // 日期框_止
    QPushButton* dateQuery = nullptr;    // 按钮23
    QComboBox* customer = nullptr;       // 组合框_查询客户
    QLineEdit* amountFrom = nullptr;     // 编辑框_查询金额起
    QLineEdit* amountTo = nullptr;       // 编辑框_查询金额止
    QPushButton* amountFilter = nullptr; // 按钮24
    QCheckBox* settled = nullptr;        // 选择框_查询现结
    QCheckBox* onAccount = nullptr;      // 选择框_查询记账
    QCheckBox* prepaid = nullptr;        // 选择框_查询代扣
    QPushButton* methodFilter = nullptr; // 按钮22
    QLabel* selectedTotal = nullptr;     // 标签_查询选中金额合计
    QLabel* quantityTotal = nullptr;     // 标签_查询数量合计
    QLabel* amountTotal = nullptr;       // 标签_查询金额合计
    QPushButton* markSettled = nullptr;  // 按钮_标记已结
    QPushButton* markOnAccount = nullptr; // 按钮_标记记账
    QPushButton* exportList = nullptr;   // 按钮25
    QMenu* menu = nullptr;               // 查询右键
};

// Columns of the query list.
namespace QueryColumn {
enum { Serial = 0, Date, Customer, Number, Name, Price, Quantity, Amount, Method, Remark, Count };
}

// The stored fields of 销售记录 shown in the list's columns 1 to 9, in column order.
const QStringList& QueryRowFields();
