#include "ClearTables.h"

#include "app/AppContext.h"
#include "ui/Prompter.h"

namespace {
// Built in and independent of the access password.
const QString kClearingPassword = QStringLiteral("kovrel");
} // namespace

void ClearTableWithPassword(AppContext& ctx, const QString& table, const QString& doneMessage) {
    std::optional<QString> typed =
        ctx.prompter.inputText(QStringLiteral("请输入数据库清空密码"), QStringLiteral("岚丰销售管理系统"), true);
    if (!typed)
        return;
    if (*typed != kClearingPassword) {
        ctx.prompter.error(QStringLiteral("密码错误！"));
        return;
    }
    if (!ctx.db.IsOpen()) {
        ctx.db.Close();
        ctx.db.Open(ctx.databasePath());
    }
    if (ctx.db.ClearTable(table))
        ctx.prompter.info(doneMessage);
    else
        ctx.prompter.error(QStringLiteral("清空失败，数据没有改动！"));
}
