#include "StartupSequence.h"

#include "AppContext.h"

#include "settings/Backups.h"
#include "settings/SettingsRecord.h"
#include "settings/SkinEngine.h"
#include "store/DatabaseCheck.h"
#include "ui/Prompter.h"
#include "util/TextForms.h"

#include <QDir>

namespace {

// Without a sound file nothing is stored, so the operator hears of it once.
void ReportDatabaseProblem(AppContext& ctx) {
    const QString path = QDir::toNativeSeparators(ctx.databasePath());
    const DatabaseCheck check = DatabaseCheck::Run(ctx.databasePath());
    const QString consequence = QStringLiteral("\r\n程序将照常运行，但数据无法读取，所做的修改也不会被保存。");
    switch (check.problem) {
    case DatabaseCheck::None: return;
    case DatabaseCheck::Missing:
        ctx.prompter.warn(QStringLiteral("找不到数据库文件：%1").arg(path) + consequence);
        return;
    case DatabaseCheck::NotDatabase:
        ctx.prompter.warn(QStringLiteral("数据库文件已损坏或不是数据库文件：%1").arg(path) + consequence);
        return;
    case DatabaseCheck::MissingTables:
        ctx.prompter.warn(QStringLiteral("数据库文件缺少数据表：%1\r\n文件：%2\r\n这些数据表中的内容无法读取，也不会被保存。")
                              .arg(check.missingTables.join(QStringLiteral("、")), path));
        return;
    }
}

} // namespace

bool RunStartupSequence(AppContext& ctx, SkinEngine& skins) {
    ReportDatabaseProblem(ctx);
    SettingsRecord::LoadSettings(ctx);
    const Settings& s = ctx.settings;
    if (!s.skin.isEmpty())
        skins.ApplySkin(static_cast<int>(TextForms::toNumber(s.skin)), 0, 0);

    bool loggedIn = true;
    if (!s.password.isEmpty() && TextForms::isFlagSet(s.loginPassword)) {
        while (true) {
            std::optional<QString> typed =
                ctx.prompter.inputText(QStringLiteral("请输入登录密码"), QStringLiteral("岚丰销售管理系统"), true);
            if (!typed) {
                loggedIn = false; // the backup check still runs before the program ends
                break;
            }
            if (*typed == s.password)
                break;
            ctx.prompter.error(QStringLiteral("密码错误，请重新输入！"));
        }
    }
    Backups::RunAutomaticBackup(ctx);
    return loggedIn;
}
