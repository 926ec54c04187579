#include "PasswordOptions.h"

#include "SettingsRecord.h"

#include "app/AppContext.h"
#include "ui/Prompter.h"
#include "util/TextForms.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

void PasswordOptions::setGroupEnabled(bool enabled) {
    for (QWidget* w : std::initializer_list<QWidget*>{ui_.password, ui_.confirm, ui_.savePassword, ui_.loginFlag,
                                                      ui_.warehouseFlag, ui_.customerFlag, ui_.queryFlag})
        w->setEnabled(enabled);
}

void PasswordOptions::Fill() {
    const Settings& s = ctx_.settings;
    if (s.password.isEmpty()) {
        ui_.passwordsOff->setChecked(true);
        setGroupEnabled(false);
    } else {
        ui_.passwordsOn->setChecked(true);
        setGroupEnabled(true);
        ui_.password->setText(s.password);
        ui_.confirm->setText(s.password);
    }
    // Only "假" shows unticked, so an empty flag shows ticked though it counts as off.
    ui_.loginFlag->setChecked(s.loginPassword != TextForms::kFalse);
    ui_.warehouseFlag->setChecked(s.warehousePassword != TextForms::kFalse);
    ui_.customerFlag->setChecked(s.customerPassword != TextForms::kFalse);
    ui_.queryFlag->setChecked(s.queryPassword != TextForms::kFalse);
}

void PasswordOptions::SaveSettingsRecord(Mode mode) {
    QList<QPair<QString, QString>> fields;
    if (mode == Mode::Enable) {
        fields = {{QStringLiteral("密码"), ui_.password->text()},
                  {QStringLiteral("登录密码"), TextForms::flagText(ui_.loginFlag->isChecked())},
                  {QStringLiteral("仓库密码"), TextForms::flagText(ui_.warehouseFlag->isChecked())},
                  {QStringLiteral("客户密码"), TextForms::flagText(ui_.customerFlag->isChecked())},
                  {QStringLiteral("查询密码"), TextForms::flagText(ui_.queryFlag->isChecked())}};
    } else {
        fields = {{QStringLiteral("密码"), QString()}};
    }
    if (SettingsRecord::Write(ctx_, fields))
        ctx_.prompter.warn(QStringLiteral("保存成功！"));
    else
        ctx_.prompter.error(SettingsRecord::kWriteFailed);
}

void PasswordOptions::SavePassword() {
    if (TextForms::isBlank(ui_.password->text())) {
        ctx_.prompter.warn(QStringLiteral("请正确输入密码！"));
        return;
    }
    if (ui_.password->text() != ui_.confirm->text()) {
        ctx_.prompter.warn(QStringLiteral("两次输入的密码不一致，请检查！"));
        return;
    }
    SaveSettingsRecord(Mode::Enable);
}

void PasswordOptions::EnablePasswords() { setGroupEnabled(true); }

void PasswordOptions::DisablePasswords() {
    setGroupEnabled(false);
    SaveSettingsRecord(Mode::Disable);
}
