#include "SettingsRecord.h"

#include "app/AppContext.h"
#include "store/EncodedFields.h"
#include "store/Tables.h"

namespace SettingsRecord {

void LoadSettings(AppContext& ctx) {
    SqliteTable& table = ctx.settingsTable;
    ctx.OpenTable(table, Tables::kSettings);
    table.GoFirst();
    Settings& s = ctx.settings;
    QString* fields[] = {&s.password,      &s.loginPassword, &s.warehousePassword, &s.customerPassword, &s.queryPassword,
                         &s.skin,          &s.autoBackup,    &s.backupCycle,       &s.backupPath};
    const QStringList names = Tables::fieldsOf(Tables::kSettings);
    for (int i = 0; i < names.size(); ++i)
        *fields[i] = readPlain(table, names[i]);
    table.Close();
}

bool Write(AppContext& ctx, const QList<QPair<QString, QString>>& fields) {
    SqliteTable& table = ctx.settingsTable;
    ctx.OpenTable(table, Tables::kSettings);
    bool written = table.GoFirst() && table.BeginEdit();
    for (const auto& [name, value] : fields)
        written = written && writePlain(table, name, value);
    written = written && table.Update();
    table.Close();
    return written;
}

} // namespace SettingsRecord
