#include "SettingsPage.h"

#include "ClearTables.h"
#include "SkinCatalog.h"

#include "app/AppContext.h"
#include "store/Tables.h"
#include "ui/EditBox.h"
#include "ui/EventPump.h"
#include "ui/ListControl.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

template <typename T> T* named(T* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

QLabel* note(const QString& text) {
    auto* l = new QLabel(text);
    l->setWordWrap(true);
    return l;
}

} // namespace

SettingsPage::SettingsPage(AppContext& ctx, SkinEngine& skins, QWidget* parent)
    : QWidget(parent), ctx_(ctx), passwords_(ctx, ui_), backups_(ctx, ui_), skins_(ctx, ui_, skins) {
    setObjectName(QStringLiteral("参数设置"));
    auto* grid = new QGridLayout(this);
    grid->addWidget(buildPasswordGroup(), 0, 0);
    grid->addWidget(buildBackupGroup(), 0, 1);
    grid->addWidget(buildClearGroup(), 1, 0);
    grid->addWidget(buildSkinGroup(), 1, 1);
    grid->setRowStretch(1, 1);
}

QWidget* SettingsPage::buildPasswordGroup() {
    ui_.passwordsOn = named(new QRadioButton(QStringLiteral("启用密码")), QStringLiteral("单选框_启用密码"));
    ui_.passwordsOff = named(new QRadioButton(QStringLiteral("禁用密码")), QStringLiteral("单选框_禁用密码"));
    ui_.password = MakeEditBox(QStringLiteral("编辑框_密码"), EditMode::Password);
    ui_.confirm = MakeEditBox(QStringLiteral("编辑框_确认密码"), EditMode::Password);
    ui_.savePassword = named(new QPushButton(QStringLiteral("保 存")), QStringLiteral("按钮_密码确定"));
    ui_.loginFlag = named(new QCheckBox(QStringLiteral("启用登录密码")), QStringLiteral("选择框_登录密码"));
    ui_.warehouseFlag = named(new QCheckBox(QStringLiteral("启用仓库密码")), QStringLiteral("选择框_仓库密码"));
    ui_.customerFlag = named(new QCheckBox(QStringLiteral("启用客户密码")), QStringLiteral("选择框_客户密码"));
    ui_.queryFlag = named(new QCheckBox(QStringLiteral("启用查询密码")), QStringLiteral("选择框_查询密码"));
    auto* radios = new QButtonGroup(this);
    radios->addButton(ui_.passwordsOn);
    radios->addButton(ui_.passwordsOff);

    auto* group = new QGroupBox(QStringLiteral("密码设置"));
    auto* grid = new QGridLayout(group);
    grid->addWidget(ui_.passwordsOn, 0, 0);
    grid->addWidget(ui_.passwordsOff, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("密    码：")), 1, 0);
    grid->addWidget(ui_.password, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("确认密码：")), 2, 0);
    grid->addWidget(ui_.confirm, 2, 1);
    grid->addWidget(ui_.savePassword, 1, 2, 2, 1);
    grid->addWidget(ui_.loginFlag, 3, 0);
    grid->addWidget(ui_.warehouseFlag, 3, 1);
    grid->addWidget(ui_.customerFlag, 4, 0);
    grid->addWidget(ui_.queryFlag, 4, 1);
    grid->addWidget(note(QStringLiteral("启用密码，默认启用此页访问密码。其它访问密码请适当勾选，需保存确定。重启程序生效。")),
                    5, 0, 1, 3);

    connect(ui_.passwordsOn, &QRadioButton::clicked, this, [this] { passwords_.EnablePasswords(); });
    connect(ui_.passwordsOff, &QRadioButton::clicked, this, [this] { passwords_.DisablePasswords(); });
    connect(ui_.savePassword, &QPushButton::clicked, this, [this] { passwords_.SavePassword(); });
    return group;
}

QWidget* SettingsPage::buildBackupGroup() {
    ui_.manualBackup = named(new QPushButton(QStringLiteral("手动备份")), QStringLiteral("按钮27"));
    ui_.databaseSize = named(new QLabel, QStringLiteral("标签_数据库大小"));
    ui_.backupOn = named(new QRadioButton(QStringLiteral("开启自动备份")), QStringLiteral("单选框_开启备份"));
    ui_.backupOff = named(new QRadioButton(QStringLiteral("关闭自动备份")), QStringLiteral("单选框_关闭备份"));
    ui_.cycle = named(new QComboBox, QStringLiteral("组合框_周期"));
    ui_.cycle->addItems(Backups::kCycles);
    ui_.chooseFolder = named(new QPushButton(QStringLiteral("更改位置")), QStringLiteral("按钮_备份更改位置"));
    ui_.folder = named(new QLabel, QStringLiteral("标签_备份路径"));
    ui_.folder->setWordWrap(true);
    ui_.saveBackup = named(new QPushButton(QStringLiteral("保存设置")), QStringLiteral("按钮26"));

    auto* group = new QGroupBox(QStringLiteral("数据备份"));
    auto* grid = new QGridLayout(group);
    grid->addWidget(ui_.manualBackup, 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("数据库大小：")), 0, 1);
    grid->addWidget(ui_.databaseSize, 0, 2);
    grid->addWidget(ui_.backupOn, 1, 0);
    grid->addWidget(ui_.backupOff, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("备份周期：")), 2, 0);
    grid->addWidget(ui_.cycle, 2, 1);
    grid->addWidget(note(QStringLiteral("周期过短会产生大量的数据。")), 2, 2);
    grid->addWidget(new QLabel(QStringLiteral("备份位置：")), 3, 0);
    grid->addWidget(ui_.folder, 3, 1);
    grid->addWidget(ui_.chooseFolder, 3, 2);
    grid->addWidget(ui_.saveBackup, 4, 0);
    grid->addWidget(note(QStringLiteral("需保存生效。")), 4, 1);

    connect(ui_.manualBackup, &QPushButton::clicked, this, [this] { backups_.RunManualBackup(); });
    connect(ui_.backupOn, &QRadioButton::clicked, this, [this] { backups_.SwitchOn(); });
    connect(ui_.backupOff, &QRadioButton::clicked, this, [this] { backups_.SwitchOff(); });
    connect(ui_.chooseFolder, &QPushButton::clicked, this, [this] { backups_.ChooseBackupFolder(); });
    connect(ui_.saveBackup, &QPushButton::clicked, this, [this] { backups_.SaveBackupSettings(); });
    return group;
}

QWidget* SettingsPage::buildClearGroup() {
    struct Clear {
        QPushButton** button;
        const char* name;
        const char16_t* caption;
        QString table;
        const char16_t* message;
    };
    const Clear clears[] = {
        {&ui_.clearSales, "按钮29", u"销售记录数据库", Tables::kSales, u"销售记录数据库已清空！"},
        {&ui_.clearProducts, "按钮30", u"商品信息数据库", Tables::kProducts, u"商品信息数据库已清空！"},
        {&ui_.clearCustomers, "按钮31", u"客户资料数据库", Tables::kCustomers, u"客户资料数据库已清空！"},
        {&ui_.clearTopUps, "按钮32", u"充值记录数据库", Tables::kTopUps, u"充值记录数据库已清空！"},
    };
    auto* group = new QGroupBox(QStringLiteral("恢复出厂"));
    auto* row = new QHBoxLayout(group);
    for (const Clear& c : clears) {
        auto* box = new QGroupBox(QString::fromUtf16(c.caption));
        auto* layout = new QVBoxLayout(box);
        auto* picture = new QLabel;
        picture->setPixmap(style()->standardIcon(QStyle::SP_TrashIcon).pixmap(32, 32));
        picture->setAlignment(Qt::AlignCenter);
        layout->addWidget(picture);
        *c.button = named(new QPushButton(QStringLiteral("清空数据")), QString::fromUtf8(c.name));
        layout->addWidget(*c.button);
        row->addWidget(box);
        connect(*c.button, &QPushButton::clicked, this, [this, table = c.table, message = QString::fromUtf16(c.message)] {
            ClearTableWithPassword(ctx_, table, message);
        });
    }
    return group;
}

QWidget* SettingsPage::buildSkinGroup() {
    ui_.skinOn = named(new QRadioButton(QStringLiteral("启用皮肤")), QStringLiteral("单选框_启用皮肤"));
    ui_.skinOff = named(new QRadioButton(QStringLiteral("关闭皮肤")), QStringLiteral("单选框_关闭皮肤"));
    ui_.skins = new ListControl(QStringLiteral("超级列表框_皮肤"));
    ui_.skins->setColumns({{QStringLiteral("皮肤列表"), 200}});
    ui_.skins->setSelectionMode(QAbstractItemView::SingleSelection);
    ui_.skinNames = MakeEditBox(QStringLiteral("编辑框_皮肤"));
    ui_.skinNames->setText(SkinCatalog::NamesText());
    ui_.skinNames->hide();
    auto* radios = new QButtonGroup(this);
    radios->addButton(ui_.skinOn);
    radios->addButton(ui_.skinOff);

    auto* group = new QGroupBox(QStringLiteral("皮肤设置"));
    auto* layout = new QVBoxLayout(group);
    auto* row = new QHBoxLayout;
    row->addWidget(ui_.skinOn);
    row->addWidget(ui_.skinOff);
    layout->addLayout(row);
    layout->addWidget(ui_.skins, 1);
    layout->addWidget(ui_.skinNames);

    connect(ui_.skins, &ListControl::leftClicked, this, [this] { skins_.OnSkinListClick(); });
    connect(ui_.skinOff, &QRadioButton::clicked, this, [this] { skins_.OnSkinOff(); });
    return group;
}

void SettingsPage::FillSettingsPage() {
    passwords_.Fill();
    backups_.Fill();
    skins_.Fill();
}

void SettingsPage::EnterSection() {
    PumpEventsNow();
    if (!ctx_.flags.settingsPageFilled)
        FillSettingsPage();
    ctx_.flags.settingsPageFilled = true;
}
