#include "DatabaseProblem.h"

#include "AppContext.h"

#include "ui/Prompter.h"

#include <QDir>

QString DatabaseProblemText(const DatabaseCheck& check, const QString& path) {
    const QString file = QDir::toNativeSeparators(path);
    const QString nothingStored = QStringLiteral("\r\n程序将照常运行，但数据无法读取，所做的修改也不会被保存。");
    switch (check.problem) {
    case DatabaseCheck::None: return {};
    case DatabaseCheck::Missing: return QStringLiteral("找不到数据库文件：%1").arg(file) + nothingStored;
    case DatabaseCheck::NotDatabase:
        return QStringLiteral("数据库文件已损坏或不是数据库文件：%1").arg(file) + nothingStored;
    case DatabaseCheck::Locked:
        return QStringLiteral("数据库文件正被其他程序占用：%1\r\n请关闭占用它的程序后再试；在此之前数据无法读取，所做的修改也不会被保存。")
            .arg(file);
    case DatabaseCheck::MissingTables:
        return QStringLiteral("数据库文件缺少数据表：%1\r\n文件：%2\r\n这些数据表中的内容无法读取，也不会被保存。")
            .arg(check.missingTables.join(QStringLiteral("、")), file);
    case DatabaseCheck::MissingColumns:
        return QStringLiteral("数据库文件的数据表缺少字段：%1\r\n文件：%2\r\n涉及这些字段的修改不会被保存。")
            .arg(check.missingColumns.join(QStringLiteral("、")), file);
    case DatabaseCheck::ReadOnly:
        return QStringLiteral("数据库文件或其所在的文件夹不可写入：%1\r\n程序可以查看数据，但所做的修改不会被保存。").arg(file);
    }
    return {};
}

void ReportDatabaseProblem(AppContext& ctx) {
    const QString text = DatabaseProblemText(DatabaseCheck::Run(ctx.databasePath()), ctx.databasePath());
    if (text.isEmpty())
        return;
    ctx.prompter.warn(text);
    ctx.databaseProblemReported = true;
}

void ReportUnreachableDatabase(AppContext& ctx) {
    if (ctx.databaseProblemReported)
        return;
    const DatabaseCheck check = DatabaseCheck::Run(ctx.databasePath());
    // A missing table or column was told at start-up and stays as it was.
    if (check.problem == DatabaseCheck::Missing || check.problem == DatabaseCheck::NotDatabase ||
        check.problem == DatabaseCheck::Locked) {
        ctx.prompter.warn(DatabaseProblemText(check, ctx.databasePath()));
        ctx.databaseProblemReported = true;
    }
}
