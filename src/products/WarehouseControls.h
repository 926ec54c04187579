#pragma once

class ListControl;
class TreeControl;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

// The controls of the "仓库管理" page the handlers work on.
struct WarehouseControls {
    // Categories
    TreeControl* tree = nullptr;         // 树型框_商品信息
    QLineEdit* categoryName = nullptr;   // 编辑框_商品分类
    QPushButton* addCategory = nullptr;  // 按钮5
    QPushButton* renameCategory = nullptr; // 按钮6
    QPushButton* deleteCategory = nullptr; // 按钮7
    // Product list and search
    ListControl* list = nullptr;         // 超级列表框_仓库
    QLineEdit* keyword = nullptr;        // 编辑框_关键字
    QPushButton* search = nullptr;       // 按钮12
    QPushButton* showAll = nullptr;      // 按钮28
    // Product form
    QLineEdit* number = nullptr;         // 编辑框_商品编号
    QCheckBox* autoNumber = nullptr;     // 选择框_自动编号
    QLineEdit* prefix = nullptr;         // 编辑框_首部字母
    QComboBox* category = nullptr;       // 组合框_商品分类
    QLineEdit* name = nullptr;           // 编辑框_商品名称
    QLineEdit* price = nullptr;          // 编辑框_仓库单价
    QLineEdit* remark = nullptr;         // 编辑框_商品备注
    QLineEdit* quantity = nullptr;       // 编辑框_库存数量
    QCheckBox* unlimited = nullptr;      // 选择框_无限库存
    QCheckBox* negativeSale = nullptr;   // 选择框_负数销售
    QPushButton* reset = nullptr;        // 按钮8
    QPushButton* add = nullptr;          // 按钮9
    QPushButton* modify = nullptr;       // 按钮10
    QPushButton* remove = nullptr;       // 按钮11
};
