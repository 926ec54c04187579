#pragma once

#include "SettingsControls.h"

#include <QStringList>

class AppContext;

// Backups of xssj.db: the automatic one at start-up on its cycle, the manual
// one to a chosen file, and the 数据备份 group's settings.
class Backups {
public:
    Backups(AppContext& ctx, const SettingsControls& ui) : ctx_(ctx), ui_(ui) {}

    // Uses the in-memory settings only; run once by the start-up sequence.
    static void RunAutomaticBackup(AppContext& ctx);

    void Fill();
    void RunManualBackup();
    void SwitchOn();
    void SwitchOff();
    void ChooseBackupFolder();
    void SaveBackupSettings();

    static inline const QStringList kCycles = {QStringLiteral("每次启动"), QStringLiteral("3天"), QStringLiteral("7天"),
                                               QStringLiteral("15天"), QStringLiteral("30天")};

private:
    AppContext& ctx_;
    const SettingsControls& ui_;
};
