#include "SectionEntry.h"

#include "AppContext.h"
#include "MainWindow.h"

#include "customers/CustomersPage.h"
#include "products/WarehousePage.h"
#include "query/QueryPage.h"
#include "sales/SalesPage.h"
#include "settings/SettingsPage.h"
#include "ui/Prompter.h"
#include "util/TextForms.h"

bool SectionEntry::PasswordCheck(const QString* flag, int page, const QString& prompt) {
    const QString& password = ctx_.settings.password;
    const bool applies = !password.isEmpty() && (!flag || TextForms::isFlagSet(*flag));
    if (!applies) {
        window_.ShowSection(page);
        return true;
    }
    std::optional<QString> typed = ctx_.prompter.inputText(prompt, QStringLiteral("岚丰销售管理系统"), true);
    if (!typed)
        return true; // cancelled: the page stays, the entry steps still run
    if (*typed == password) {
        window_.ShowSection(page);
        return true;
    }
    ctx_.prompter.warn(QStringLiteral("密码错误！"));
    return false;
}

void SectionEntry::Enter(int position) {
    const Settings& s = ctx_.settings;
    switch (position) {
    case 1:
        window_.ShowSection(0);
        window_.salesPage()->EnterSection();
        break;
    case 3:
        if (PasswordCheck(&s.warehousePassword, 1, QStringLiteral("您要访问的是仓库管理，请输入密码！")))
            window_.warehousePage()->EnterSection();
        break;
    case 5:
        if (PasswordCheck(&s.customerPassword, 2, QStringLiteral("您要访问的是客户资料，请输入密码")))
            window_.customersPage()->EnterSection();
        break;
    case 7:
        if (PasswordCheck(&s.queryPassword, 3, QStringLiteral("您要访问的是销售查询，请输入密码")))
            window_.queryPage()->EnterSection();
        break;
    case 9:
        if (PasswordCheck(nullptr, 4, QStringLiteral("您要访问的是参数设置，请输入密码")))
            window_.settingsPage()->EnterSection();
        break;
    default: break;
    }
}
