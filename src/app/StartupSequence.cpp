#include "StartupSequence.h"

#include "AppContext.h"
#include "DatabaseProblem.h"

#include "settings/Backups.h"
#include "settings/SettingsRecord.h"
#include "settings/SkinEngine.h"
#include "ui/Prompter.h"
#include "util/TextForms.h"

#include <QDir>


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
