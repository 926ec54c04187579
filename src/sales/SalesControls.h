#pragma once

class ListControl;
class TreeControl;
class QButtonGroup;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;

// The controls of the "销售录入" page the handlers work on.
struct SalesControls {
    // Product browser
    TreeControl* tree = nullptr;       // 树型框_销售
    ListControl* products = nullptr;   // 超级列表框_销售
    QLineEdit* keyword = nullptr;      // 编辑框_销售关键字
    QPushButton* search = nullptr;     // 按钮1
    QPushButton* showAll = nullptr;    // 按钮35
    // Entry panel
    QLabel* number = nullptr;          // 标签_编号
    QLabel* name = nullptr;            // 标签_名称
    QLineEdit* price = nullptr;        // 编辑框_单价
    QLineEdit* quantity = nullptr;     // 编辑框_数量
    QLineEdit* remark = nullptr;       // 编辑框_备注
    QLabel* amount = nullptr;          // 标签_金额
    QLineEdit* amountCapitals = nullptr; // 编辑框_金额到大写
    // Cart
    ListControl* cart = nullptr;       // 超级列表框_购物车
    QPushButton* addToCart = nullptr;  // 按钮2
    QPushButton* clearCart = nullptr;  // 按钮4
    QLabel* total = nullptr;           // 标签_购物车金额
    QLineEdit* totalCapitals = nullptr; // 编辑框_合计金额到大写
    QMenu* cartMenu = nullptr;         // 购物车右键
    // Checkout
    QDateEdit* date = nullptr;         // 日期框_销售
    QComboBox* customer = nullptr;     // 组合框_客户
    QRadioButton* cash = nullptr;      // 单选框_现款
    QRadioButton* prepaid = nullptr;   // 单选框_代扣
    QRadioButton* onAccount = nullptr; // 单选框_记账
    QButtonGroup* payment = nullptr;
    QPushButton* checkout = nullptr;   // 按钮3
    // On the customers page: the number of customer records.
    QLabel* customerCount = nullptr;   // 标签_总人数
};
