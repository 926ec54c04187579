#pragma once

#include "Backups.h"
#include "PasswordOptions.h"
#include "SettingsControls.h"
#include "SkinSettings.h"

#include <QWidget>

class AppContext;
class SkinEngine;

// The "参数设置" page: 密码设置, 数据备份, 恢复出厂 and 皮肤设置.
class SettingsPage : public QWidget {
    Q_OBJECT

public:
    SettingsPage(AppContext& ctx, SkinEngine& skins, QWidget* parent = nullptr);

    // Sets every control from the in-memory settings; once per run.
    void FillSettingsPage();
    // The toolbar's entry steps (after the password check).
    void EnterSection();

    PasswordOptions& passwords() { return passwords_; }
    Backups& backups() { return backups_; }
    SkinSettings& skinSettings() { return skins_; }

private:
    QWidget* buildPasswordGroup();
    QWidget* buildBackupGroup();
    QWidget* buildClearGroup();
    QWidget* buildSkinGroup();

    AppContext& ctx_;
    SettingsControls ui_;
    PasswordOptions passwords_;
    Backups backups_;
    SkinSettings skins_;
};
