#include "CustomerForm.h"

#include "CustomerCategories.h"
#include "PrepaidTopUps.h"

#include "app/TableWalk.h"
#include "store/EncodedFields.h"
#include "store/Tables.h"
#include "ui/EventPump.h"
#include "ui/OutlookBar.h"
#include "ui/Prompter.h"
#include "util/TextForms.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {
const QString kName = QStringLiteral("客户名称");
} // namespace

CustomerForm::CustomerForm(AppContext& ctx, const CustomersControls& ui, CustomerCategories& categories,
                           PrepaidTopUps& topUps)
    : ctx_(ctx), ui_(ui), categories_(categories), topUps_(topUps) {}

void CustomerForm::ResetCustomerForm() {
    ui_.category->setCurrentIndex(-1);
    ui_.name->clear();
    ui_.remark->clear();
    ui_.phone->clear();
    ui_.address->clear();
    ui_.prepaid->setChecked(false);
    ui_.name->setEnabled(true);
    ui_.bar->setCurrentItem(ui_.bar->currentGroup(), -1);
    ui_.current->clear();
    ui_.paidIn->clear();
    ui_.spent->clear();
    ui_.left->clear();
}

void CustomerForm::ShowCustomer(int group, int item) {
    if (item == -1)
        return;
    ui_.category->setCurrentIndex(group);
    const QString name = ui_.bar->itemText(group, item);
    ui_.name->setText(name);
    ui_.current->setText(name);
    ui_.name->setEnabled(false);
    SqliteTable& customers = ctx_.customersTable;
    WalkTable(ctx_, customers, Tables::kCustomers, [&] {
        if (readPlain(customers, kName) != name)
            return true;
        ui_.prepaid->setChecked(TextForms::isFlagSet(readPlain(customers, QStringLiteral("支持代扣"))));
        ui_.phone->setText(readPlain(customers, QStringLiteral("联系电话")));
        ui_.address->setText(readPlain(customers, QStringLiteral("联系地址")));
        ui_.remark->setText(readPlain(customers, QStringLiteral("备注")));
        ui_.paidIn->setText(readPlain(customers, QStringLiteral("累计预存")));
        ui_.left->setText(readPlain(customers, QStringLiteral("剩余金额")));
        // What was spent from prepaid money: everything paid in minus what is left.
        ui_.spent->setText(
            TextForms::numberText(TextForms::toNumber(ui_.paidIn->text()) - TextForms::toNumber(ui_.left->text())));
        return true;
    });
}

void CustomerForm::rebuildAfterChange() {
    categories_.LoadCustomers();
    ResetCustomerForm();
    PumpEventsNow();
    topUps_.LoadPrepaidCustomers();
}

bool CustomerForm::writeEditableFields(SqliteTable& customers, const QString& name) {
    return writePlain(customers, kName, name) &&
           writePlain(customers, QStringLiteral("客户分类"), ui_.category->currentText()) &&
           writePlain(customers, QStringLiteral("支持代扣"), TextForms::flagText(ui_.prepaid->isChecked())) &&
           writePlain(customers, QStringLiteral("联系电话"), ui_.phone->text()) &&
           writePlain(customers, QStringLiteral("联系地址"), ui_.address->text()) &&
           writePlain(customers, QStringLiteral("备注"), ui_.remark->text());
}

void CustomerForm::AddCustomer() {
    if (ui_.category->currentIndex() < 0) {
        ctx_.prompter.warn(QStringLiteral("请选择客户分类！"));
        return;
    }
    const QString name = ui_.name->text();
    if (TextForms::isBlank(name)) {
        ctx_.prompter.warn(QStringLiteral("请填写客户名称！"));
        return;
    }
    SqliteTable& customers = ctx_.customersTable;
    if (!WalkTable(ctx_, customers, Tables::kCustomers, [&] { return readPlain(customers, kName) != name; })) {
        customers.Close();
        ctx_.prompter.warn(QStringLiteral("客户名称已存在，请修改！"));
        return;
    }
    ctx_.OpenTable(customers, Tables::kCustomers);
    bool added = customers.BeginAppend() && writeEditableFields(customers, name) &&
                 writePlain(customers, QStringLiteral("累计预存"), QStringLiteral("0")) &&
                 writePlain(customers, QStringLiteral("剩余金额"), QStringLiteral("0")) && customers.Update();
    customers.Close();
    if (added)
        ctx_.prompter.info(QStringLiteral("添加客户资料成功！"));
    rebuildAfterChange();
}

void CustomerForm::ModifyCustomer() {
    const QString shown = ui_.bar->itemText(ui_.bar->currentGroup(), ui_.bar->currentItem());
    if (ui_.name->isEnabled() || ui_.bar->currentItem() < 0) {
        ctx_.prompter.warn(QStringLiteral("请选择要修改的客户项目！"));
        return;
    }
    if (ui_.category->currentIndex() < 0) {
        ctx_.prompter.warn(QStringLiteral("请选择客户分类！"));
        return;
    }
    if (TextForms::isBlank(ui_.name->text())) {
        ctx_.prompter.warn(QStringLiteral("请填写客户名称！"));
        return;
    }
    SqliteTable& customers = ctx_.customersTable;
    bool modified = false;
    if (!WalkTable(ctx_, customers, Tables::kCustomers, [&] { return readPlain(customers, kName) != shown; }))
        modified = customers.BeginEdit() && writeEditableFields(customers, ui_.name->text()) && customers.Update();
    customers.Close();
    if (modified)
        ctx_.prompter.info(QStringLiteral("修改客户资料成功！"));
    rebuildAfterChange();
}

void CustomerForm::DeleteCustomer() {
    if (ui_.bar->currentItem() < 0) {
        ctx_.prompter.warn(QStringLiteral("请选择要删除的客户项目！"));
        return;
    }
    const QString shown = ui_.bar->itemText(ui_.bar->currentGroup(), ui_.bar->currentItem());
    SqliteTable& customers = ctx_.customersTable;
    bool deleted = false;
    if (!WalkTable(ctx_, customers, Tables::kCustomers, [&] { return readPlain(customers, kName) != shown; }))
        deleted = customers.DeleteCurrent();
    customers.Close();
    if (deleted)
        ctx_.prompter.info(QStringLiteral("删除客户资料成功！"));
    rebuildAfterChange();
}

void CustomerForm::SearchCustomer() {
    const QString keyword = ui_.keyword->text();
    if (TextForms::isBlank(keyword)) {
        ctx_.prompter.warn(QStringLiteral("请输入要查询的关键字！"));
        return;
    }
    // The first match of the last group that has one wins.
    int foundGroup = -1, foundItem = -1;
    for (int g = 0; g < ui_.bar->groupCount(); ++g) {
        for (int i = 0; i < ui_.bar->itemCount(g); ++i) {
            if (ui_.bar->itemText(g, i).contains(keyword)) {
                foundGroup = g;
                foundItem = i;
                break;
            }
        }
    }
    if (foundGroup >= 0) {
        ui_.bar->setCurrentItem(foundGroup, foundItem);
        return;
    }
    ui_.bar->setCurrentItem(ui_.bar->currentGroup(), -1);
    ctx_.prompter.warn(QStringLiteral("没有找到该关键字的客户名称！"));
}
