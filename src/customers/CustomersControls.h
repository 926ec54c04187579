#pragma once

class ListControl;
class OutlookBar;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;

// The controls of the "客户资料" page the handlers work on.
struct CustomersControls {
    // 客户信息: categories
    ListControl* categories = nullptr;   // 超级列表框_客户分类
    QLineEdit* categoryName = nullptr;   // 编辑框_客户分类
    QPushButton* addCategory = nullptr;  // 按钮17
    QPushButton* renameCategory = nullptr; // 按钮18
    QPushButton* deleteCategory = nullptr; // 按钮19
    // 客户信息: the bar and the search
    OutlookBar* bar = nullptr;           // 卷帘式菜单_客户
    QLineEdit* keyword = nullptr;        // 编辑框_客户关键字
    QPushButton* search = nullptr;       // 按钮13
    // 客户信息: the customer form
    QComboBox* category = nullptr;       // 组合框_客户分类
    QLineEdit* name = nullptr;           // 编辑框_客户名称
    QCheckBox* prepaid = nullptr;        // 选择框_代扣
    QLineEdit* phone = nullptr;          // 编辑框_联系电话
    QLineEdit* address = nullptr;        // 编辑框_联系地址
    QLineEdit* remark = nullptr;         // 编辑框_客户备注
    QPushButton* add = nullptr;          // 按钮16
    QPushButton* modify = nullptr;       // 按钮15
    QPushButton* remove = nullptr;       // 按钮14
    QPushButton* reset = nullptr;        // 按钮33
    QLabel* current = nullptr;           // 标签_当前客户
    QLabel* paidIn = nullptr;            // 标签_预存总额
    QLabel* left = nullptr;              // 标签_剩余金额
    QLabel* spent = nullptr;             // 标签_消费合计
    QLabel* count = nullptr;             // 标签_总人数
    QLabel* allPaidIn = nullptr;         // 标签_所有预存总额
    QLabel* allLeft = nullptr;           // 标签_所有剩余总额
    // 预存充值
    ListControl* prepaidList = nullptr;  // 超级列表框_预存充值
    QLineEdit* prepaidKeyword = nullptr; // 编辑框_充值关键字
    QPushButton* prepaidSearch = nullptr; // 按钮20
    QPushButton* prepaidShowAll = nullptr; // 按钮34
    ListControl* history = nullptr;      // 超级列表框_充值记录
    QDateEdit* topUpDate = nullptr;      // 日期框_充值
    QLabel* topUpName = nullptr;         // 标签_客户名称
    QLabel* topUpCategory = nullptr;     // 标签_客户分类
    QLabel* topUpPaidIn = nullptr;       // 标签_累计预存
    QLabel* topUpLeft = nullptr;         // 标签_剩余金额_充值
    QLineEdit* topUpNote = nullptr;      // 编辑框_预存说明
    QLineEdit* topUpAmount = nullptr;    // 编辑框_本次预存
    QPushButton* topUp = nullptr;        // 按钮21
};
