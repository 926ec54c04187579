#pragma once

#include <QList>
#include <QPair>
#include <QString>

class AppContext;

// The first record of 参数设置, the program's only configuration.
namespace SettingsRecord {

// Reads the nine fields into the in-memory settings (all empty without a record).
void LoadSettings(AppContext& ctx);

// Writes the given fields (name, plain text) into the settings record; true
// when the record was updated.
bool Write(AppContext& ctx, const QList<QPair<QString, QString>>& fields);

// Shown when the settings record cannot be written.
inline const QString kWriteFailed = QStringLiteral("保存失败，设置未能写入数据库！");

} // namespace SettingsRecord
