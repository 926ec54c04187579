#include "CustomerCategories.h"

#include "PrepaidTopUps.h"

#include "app/TableWalk.h"
#include "store/EncodedFields.h"
#include "store/Tables.h"
#include "ui/EventPump.h"
#include "ui/ListControl.h"
#include "ui/OutlookBar.h"
#include "ui/Prompter.h"
#include "util/TextForms.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <cmath>

namespace {
const QString kCategory = QStringLiteral("分类");
const QString kCustomerCategory = QStringLiteral("客户分类");
constexpr int kNameColumn = 1;
} // namespace

CustomerCategories::CustomerCategories(AppContext& ctx, const CustomersControls& ui, PrepaidTopUps& topUps)
    : ctx_(ctx), ui_(ui), topUps_(topUps) {}

void CustomerCategories::LoadCustomers() {
    ui_.bar->clear();
    ui_.categories->clearRows();
    ui_.category->clear();
    WalkTable(ctx_, ctx_.customerCategoriesTable, Tables::kCustomerCategories, [&] {
        QString name = readPlain(ctx_.customerCategoriesTable, kCategory);
        ui_.bar->addGroup(name);
        ui_.categories->addRow({QString(), name});
        ui_.category->addItem(name);
        return true;
    });
    ui_.category->setCurrentIndex(-1);

    SqliteTable& customers = ctx_.customersTable;
    ctx_.OpenTable(customers, Tables::kCustomers);
    ui_.count->setText(QString::number(customers.RecordCount()));
    // Whole-number sums, cut toward zero at every step.
    double paidIn = 0, left = 0;
    WalkTable(ctx_, customers, Tables::kCustomers, [&] {
        paidIn = std::trunc(paidIn + TextForms::toNumber(readPlain(customers, QStringLiteral("累计预存"))));
        left = std::trunc(left + TextForms::toNumber(readPlain(customers, QStringLiteral("剩余金额"))));
        const QString category = readPlain(customers, kCustomerCategory);
        const QString name = readPlain(customers, QStringLiteral("客户名称"));
        for (int row = 0; row < ui_.categories->rowCount(); ++row)
            if (ui_.categories->cell(row, kNameColumn) == category)
                ui_.bar->addItem(row, name);
        return true;
    });
    ui_.allPaidIn->setText(QString::number(paidIn, 'f', 0));
    ui_.allLeft->setText(QString::number(left, 'f', 0));
}

void CustomerCategories::ShowCustomerCategory() {
    int row = ui_.categories->currentRow();
    ui_.categoryName->setText(row < 0 ? QString() : ui_.categories->cell(row, kNameColumn));
}

void CustomerCategories::rebuildAfterChange() {
    ui_.categoryName->clear();
    LoadCustomers();
    PumpEventsNow();
    topUps_.LoadPrepaidCustomers();
}

void CustomerCategories::AddCustomerCategory() {
    const QString name = ui_.categoryName->text();
    if (TextForms::isBlank(name)) {
        ctx_.prompter.warn(QStringLiteral("请填写客户分类内容！"));
        return;
    }
    SqliteTable& categories = ctx_.customerCategoriesTable;
    ctx_.OpenTable(categories, Tables::kCustomerCategories);
    bool added = categories.BeginAppend() && writePlain(categories, kCategory, name) && categories.Update();
    categories.Close();
    if (added)
        ctx_.prompter.info(QStringLiteral("客户分类添加成功！"));
    ui_.categoryName->clear();
    LoadCustomers();
}

void CustomerCategories::RenameCustomerCategory() {
    const QString newName = ui_.categoryName->text();
    if (TextForms::isBlank(newName)) {
        ctx_.prompter.warn(QStringLiteral("请选择要修改客户分类的项目！"));
        return;
    }
    for (int row = 0; row < ui_.categories->rowCount(); ++row) {
        if (ui_.categories->cell(row, kNameColumn) == newName) {
            ctx_.prompter.warn(QStringLiteral("要修改的客户分类已存在，请修改！"));
            return;
        }
    }
    const int current = ui_.categories->currentRow();
    const QString oldName = current < 0 ? QString() : ui_.categories->cell(current, kNameColumn);

    // Categories and their customers change together or not at all.
    SqliteTable& categories = ctx_.customerCategoriesTable;
    SqliteTable& customers = ctx_.customersTable;
    ctx_.OpenTable(categories, Tables::kCustomerCategories);
    ctx_.OpenAlso(customers, Tables::kCustomers);
    int renamed = 0;
    bool committed = false;
    if (current >= 0) {
        TransactionGuard transaction(ctx_.db);
        auto rename = [&](SqliteTable& table, const QString& field, int* count) {
            return VisitRecords(table, [&] {
                if (readPlain(table, field) != oldName)
                    return true;
                if (!(table.BeginEdit() && writePlain(table, field, newName) && table.Update()))
                    return false;
                if (count)
                    ++*count;
                return true;
            });
        };
        committed = transaction.began() && rename(categories, kCategory, &renamed) &&
                    rename(customers, kCustomerCategory, nullptr) && transaction.commit();
    }
    categories.Close();
    customers.Close();
    for (int i = 0; committed && i < renamed; ++i)
        ctx_.prompter.info(QStringLiteral("客户分类修改成功！"));
    rebuildAfterChange();
}

void CustomerCategories::DeleteCustomerCategory() {
    if (TextForms::isBlank(ui_.categoryName->text())) {
        ctx_.prompter.warn(QStringLiteral("请选择要修改客户分类的项目！"));
        return;
    }
    const int current = ui_.categories->currentRow();
    const QString name = current < 0 ? QString() : ui_.categories->cell(current, kNameColumn);

    SqliteTable& categories = ctx_.customerCategoriesTable;
    SqliteTable& customers = ctx_.customersTable;
    ctx_.OpenTable(categories, Tables::kCustomerCategories);
    ctx_.OpenAlso(customers, Tables::kCustomers);
    bool deleted = false;
    bool committed = false;
    if (current >= 0) {
        TransactionGuard transaction(ctx_.db);
        bool failed = !transaction.began();
        if (!failed && !VisitRecords(categories, [&] { return readPlain(categories, kCategory) != name; })) {
            deleted = categories.DeleteCurrent();
            failed = !deleted;
        }
        failed = failed || !DeleteMatching(customers, [&] { return readPlain(customers, kCustomerCategory) == name; });
        committed = !failed && transaction.commit();
    }
    categories.Close();
    customers.Close();
    if (committed && deleted)
        ctx_.prompter.info(QStringLiteral("客户分类删除成功！"));
    rebuildAfterChange();
}
