#pragma once

class ListControl;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The controls of the "参数设置" page the handlers work on.
struct SettingsControls {
    // 密码设置
    QRadioButton* passwordsOn = nullptr;  // 单选框_启用密码
    QRadioButton* passwordsOff = nullptr; // 单选框_禁用密码
    QLineEdit* password = nullptr;        // 编辑框_密码
    QLineEdit* confirm = nullptr;         // 编辑框_确认密码
    QPushButton* savePassword = nullptr;  // 按钮_密码确定
    QCheckBox* loginFlag = nullptr;       // 选择框_登录密码
    QCheckBox* warehouseFlag = nullptr;   // 选择框_仓库密码
    QCheckBox* customerFlag = nullptr;    // 选择框_客户密码
    QCheckBox* queryFlag = nullptr;       // 选择框_查询密码
    // 数据备份
    QPushButton* manualBackup = nullptr;  // 按钮27
    QLabel* databaseSize = nullptr;       // 标签_数据库大小
    QRadioButton* backupOn = nullptr;     // 单选框_开启备份
    QRadioButton* backupOff = nullptr;    // 单选框_关闭备份
    QComboBox* cycle = nullptr;           // 组合框_周期
    QPushButton* chooseFolder = nullptr;  // 按钮_备份更改位置
    QLabel* folder = nullptr;             // 标签_备份路径
    QPushButton* saveBackup = nullptr;    // 按钮26
    // 恢复出厂
    QPushButton* clearSales = nullptr;     // 按钮29
    QPushButton* clearProducts = nullptr;  // 按钮30
    QPushButton* clearCustomers = nullptr; // 按钮31
    QPushButton* clearTopUps = nullptr;    // 按钮32
    // 皮肤设置
    QRadioButton* skinOn = nullptr;       // 单选框_启用皮肤
    QRadioButton* skinOff = nullptr;      // 单选框_关闭皮肤
    ListControl* skins = nullptr;         // 超级列表框_皮肤
    QLineEdit* skinNames = nullptr;       // 编辑框_皮肤 (hidden)
};
