#include "Backups.h"

#include "DatabaseCopy.h"
#include "SettingsRecord.h"

#include "app/AppContext.h"
#include "ui/EventPump.h"
#include "ui/Prompter.h"
#include "ui/SaveFileDialog.h"
#include "util/FindText.h"
#include "util/OleDate.h"
#include "util/TextForms.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>

namespace {
const int kCycleDays[] = {0, 3, 7, 15, 30};

// A backup that did not happen must not pass for one that did.
bool CopyOrReport(AppContext& ctx, const QString& target) {
    if (DatabaseCopy::CopyDatabase(ctx.databasePath(), target))
        return true;
    ctx.prompter.warn(QStringLiteral("数据备份失败，请检查备份位置是否存在并可写入：%1")
                          .arg(QDir::toNativeSeparators(QFileInfo(target).absolutePath())));
    return false;
}
} // namespace

void Backups::RunAutomaticBackup(AppContext& ctx) {
    const Settings& s = ctx.settings;
    if (s.autoBackup.isEmpty())
        return;
    const int cycle = static_cast<int>(TextForms::toNumber(s.backupCycle));
    if (cycle < 0 || cycle > 4)
        return;
    const double now = ctx.clock.nowOle();
    const QString target = DatabaseCopy::BackupPath(s.backupPath, now);
    if (cycle == 0) {
        CopyOrReport(ctx, target);
        return;
    }
    // A text that is no date counts as the earliest date: the cycle has elapsed.
    const double last = OleDate::datePart(TextForms::toDateTime(s.autoBackup));
    const double today = OleDate::datePart(now);
    if (std::floor(today - last + 0.5) < kCycleDays[cycle])
        return;
    // Only a backup that was made counts as the last one.
    if (!CopyOrReport(ctx, target))
        return;
    if (!SettingsRecord::Write(ctx, {{QStringLiteral("自动备份"), TextForms::dateText(today)}}))
        ctx.prompter.warn(QStringLiteral("自动备份写入时间出错！"));
}

void Backups::Fill() {
    const Settings& s = ctx_.settings;
    const bool on = !s.autoBackup.isEmpty();
    ui_.backupOn->setChecked(on);
    ui_.backupOff->setChecked(!on);
    ui_.cycle->setEnabled(on);
    ui_.chooseFolder->setEnabled(on);
    ui_.cycle->setCurrentIndex(static_cast<int>(TextForms::toNumber(s.backupCycle)));
    ui_.folder->setText(s.backupPath);
    ui_.databaseSize->setText(DatabaseCopy::SizeText(QFileInfo(ctx_.databasePath()).size()));
}

void Backups::RunManualBackup() {
    const QString proposed = TextForms::dateTimeText(ctx_.clock.nowOle()) + QStringLiteral("_xssj.db");
    QString path = ShowSaveFileDialog(ctx_.prompter, proposed, QStringLiteral("*.db"),
                                      QStringLiteral("岚丰销售管理系统_备份数据库"));
    if (path.isEmpty())
        return;
    if (FindTextNoCase(path, QStringLiteral(".db")) < 0)
        path += QStringLiteral(".db");
    if (CopyOrReport(ctx_, path))
        ctx_.prompter.info(QStringLiteral("数据备份成功！"));
}

void Backups::SwitchOn() {
    ui_.backupOff->setChecked(false);
    ui_.cycle->setEnabled(true);
    ui_.chooseFolder->setEnabled(true);
}

void Backups::SwitchOff() {
    ui_.backupOff->setChecked(true);
    ui_.cycle->setEnabled(false);
    ui_.chooseFolder->setEnabled(false);
}

void Backups::ChooseBackupFolder() {
    ui_.folder->setText(ctx_.prompter.chooseFolder(QStringLiteral("岚丰销售管理系统"), ctx_.programDir));
}

void Backups::SaveBackupSettings() {
    QList<QPair<QString, QString>> fields;
    const bool on = ui_.backupOn->isChecked();
    if (on) {
        fields = {{QStringLiteral("自动备份"), TextForms::dateText(ctx_.clock.nowOle())},
                  {QStringLiteral("备份周期"), QString::number(ui_.cycle->currentIndex())},
                  {QStringLiteral("备份路径"), ui_.folder->text()}};
    } else {
        fields = {{QStringLiteral("自动备份"), QString()}};
    }
    if (on) {
        // With automatic backup on, one copy is made at once.
        CopyOrReport(ctx_, DatabaseCopy::BackupPath(ui_.folder->text(), ctx_.clock.nowOle()));
        PumpEventsNow();
    }
    if (SettingsRecord::Write(ctx_, fields))
        ctx_.prompter.info(QStringLiteral("保存成功！"));
    else
        ctx_.prompter.error(SettingsRecord::kWriteFailed);
}
