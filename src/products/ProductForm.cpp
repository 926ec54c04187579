#include "ProductForm.h"

#include "ProductRow.h"

#include "app/TableWalk.h"
#include "store/EncodedFields.h"
#include "store/Tables.h"
#include "ui/ListControl.h"
#include "ui/ListSort.h"
#include "ui/Prompter.h"
#include "util/ChineseText.h"
#include "util/DateTimeFormat.h"
#include "util/TextForms.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace {

const QString kNumber = QStringLiteral("编号");
const QString kName = QStringLiteral("名称");

// Writes every field but 编号, in the table's order.
bool writeProductFields(SqliteTable& products, const ProductRecord& p, bool unlimited) {
    return writePlain(products, QStringLiteral("分类"), p.category) && writePlain(products, kName, p.name) &&
           writePlain(products, QStringLiteral("单价"), p.price) &&
           writePlain(products, QStringLiteral("无限"), TextForms::flagText(unlimited)) &&
           writePlain(products, QStringLiteral("负数"), p.negative) &&
           writePlain(products, QStringLiteral("数量"), p.stock) && writePlain(products, QStringLiteral("备注"), p.remark);
}

} // namespace

ProductForm::ProductForm(AppContext& ctx, const WarehouseControls& ui) : ctx_(ctx), ui_(ui) {}

QString ProductForm::GenerateProductNumber(const QString& prefix) const {
    QString stamp = DateTimeFormat::FormatDateTime(ctx_.clock.nowOle(), 3, 0, 2);
    return prefix + DateTimeFormat::DropLeadingChars(stamp, 2);
}

void ProductForm::ResetProductForm() {
    ui_.unlimited->setChecked(false);
    ui_.negativeSale->setChecked(false);
    ui_.list->setCurrentRow(-1);
    ui_.name->clear();
    ui_.remark->clear();
    ui_.price->clear();
    ui_.quantity->clear();
    ui_.number->setEnabled(!ui_.autoNumber->isChecked());
    ApplyNumberingMode();
}

void ProductForm::ApplyNumberingMode() {
    if (ui_.list->currentRow() >= 0) {
        ResetProductForm();
        ui_.list->setCurrentRow(-1);
    }
    if (ui_.autoNumber->isChecked()) {
        ui_.number->setEnabled(false);
        ui_.number->setText(GenerateProductNumber(ui_.prefix->text()));
    } else {
        ui_.number->setEnabled(true);
        ui_.number->setText(ui_.prefix->text());
    }
}

void ProductForm::EnterWithAutomaticNumbering() {
    ui_.autoNumber->setChecked(true);
    ui_.number->setEnabled(false);
    ui_.number->setText(GenerateProductNumber(ui_.prefix->text()));
}

void ProductForm::OnPrefixChanged(const QString& prefix) {
    if (!ui_.autoNumber->isChecked())
        ui_.number->setText(prefix);
}

void ProductForm::OnUnlimitedStockClicked(bool ticked) {
    if (ticked)
        ui_.quantity->setText(ProductRow::kUnlimitedStock);
    else
        ui_.quantity->clear();
}

void ProductForm::ShowSelectedProduct() {
    const int row = ui_.list->currentRow();
    if (row < 0) {
        ResetProductForm();
        return;
    }
    ListControl& list = *ui_.list;
    ui_.number->setEnabled(false);
    ui_.number->setText(list.cell(row, 1));
    for (int i = 0; i < ui_.category->count(); ++i)
        if (ui_.category->itemText(i) == list.cell(row, 2))
            ui_.category->setCurrentIndex(i); // the last equal item wins
    ui_.name->setText(list.cell(row, 3));
    ui_.price->setText(list.cell(row, 4));
    ui_.remark->setText(list.cell(row, 7));
    bool unlimited = list.cell(row, 6) == ProductRow::kUnlimitedStock;
    ui_.quantity->setText(unlimited ? ProductRow::kUnlimitedStock : list.cell(row, 6));
    ui_.unlimited->setChecked(unlimited);
    ui_.negativeSale->setChecked(list.cell(row, 5) == ProductRow::kSupported);
}

ProductRecord ProductForm::formRecord(const QString& number) const {
    return {number,
            ui_.category->currentText(),
            ui_.name->text(),
            ui_.price->text(),
            TextForms::flagText(ui_.negativeSale->isChecked()),
            ui_.quantity->text(),
            ui_.remark->text()};
}

bool ProductForm::formIncomplete() {
    if (ui_.category->currentIndex() < 0) {
        ctx_.prompter.warn(QStringLiteral("请选择商品分类！"));
        return true;
    }
    if (TextForms::isBlank(ui_.name->text())) {
        ctx_.prompter.warn(QStringLiteral("请填写商品名称！"));
        return true;
    }
    if (TextForms::isBlank(ui_.price->text())) {
        ctx_.prompter.warn(QStringLiteral("请填写销售单价！"));
        return true;
    }
    if (TextForms::isBlank(ui_.quantity->text())) {
        ctx_.prompter.warn(QStringLiteral("请填写库存数量！"));
        return true;
    }
    return false;
}

void ProductForm::AddProduct() {
    const QString typedNumber = ui_.number->text();
    if (TextForms::isBlank(typedNumber)) {
        ctx_.prompter.warn(QStringLiteral("请填写商品编号！"));
        return;
    }
    if (ChineseText::IsAllChineseText(typedNumber)) {
        ctx_.prompter.warn(QStringLiteral("商品编号不能有汉字！"));
        return;
    }
    if (formIncomplete())
        return;
    const int chosenCategory = ui_.category->currentIndex();
    const QString storedNumber = ChineseText::upperAscii(typedNumber);
    const QString name = ui_.name->text();

    SqliteTable& products = ctx_.productsTable;
    bool duplicate = !WalkTable(ctx_, products, Tables::kProducts, [&] {
        return readPlain(products, kNumber) != storedNumber && readPlain(products, kName) != name;
    });
    if (duplicate) {
        products.Close();
        ctx_.prompter.warn(QStringLiteral("商品编号或名称已存在，请修改！"));
        return;
    }

    ProductRecord product = formRecord(storedNumber);
    ctx_.OpenTable(products, Tables::kProducts);
    bool added = products.BeginAppend() && writePlain(products, kNumber, product.number) &&
                 writeProductFields(products, product, ui_.unlimited->isChecked()) && products.Update();
    products.Close();
    if (added) {
        ctx_.prompter.info(QStringLiteral("添加商品信息成功！"));
        product.number = typedNumber; // the row shows the number as typed
        ProductRow::append(*ui_.list, product, QString::number(ui_.list->rowCount() + 1));
    }
    ResetProductForm();
    ui_.category->setCurrentIndex(chosenCategory);
    ctx_.flags.salesBrowserStale = true;
}

void ProductForm::ModifyProduct() {
    const int row = ui_.list->currentRow();
    if (row < 0) {
        ctx_.prompter.warn(QStringLiteral("请选择要修改的商品项目！"));
        return;
    }
    if (formIncomplete())
        return;

    const QString number = ui_.number->text();
    ProductRecord product = formRecord(number);
    SqliteTable& products = ctx_.productsTable;
    bool modified = false;
    bool found = !WalkTable(ctx_, products, Tables::kProducts, [&] { return readPlain(products, kNumber) != number; });
    if (found)
        modified = products.BeginEdit() && writeProductFields(products, product, ui_.unlimited->isChecked()) &&
                   products.Update();
    products.Close();
    if (modified) {
        ctx_.prompter.info(QStringLiteral("修改商品信息成功！"));
        ProductRow::rewrite(*ui_.list, row, product);
    }
    ResetProductForm();
    ctx_.flags.salesBrowserStale = true;
}

void ProductForm::DeleteProduct() {
    const int row = ui_.list->currentRow();
    if (row < 0) {
        ctx_.prompter.warn(QStringLiteral("请选择要删除的商品项目！"));
        return;
    }
    const QString number = ui_.list->cell(row, 1);
    SqliteTable& products = ctx_.productsTable;
    bool deleted = false;
    bool found = !WalkTable(ctx_, products, Tables::kProducts, [&] { return readPlain(products, kNumber) != number; });
    if (found)
        deleted = products.DeleteCurrent();
    products.Close();
    if (deleted) {
        ctx_.prompter.info(QStringLiteral("删除商品信息成功"));
        ui_.list->removeRow(row);
        RenumberRows(*ui_.list);
    }
    ResetProductForm();
    ctx_.flags.salesBrowserStale = true;
}
