#include "ProductSearch.h"

#include "ProductRow.h"

#include "app/TableWalk.h"
#include "store/Tables.h"
#include "ui/EventPump.h"
#include "ui/ListControl.h"
#include "ui/Prompter.h"
#include "util/TextForms.h"

#include <QLineEdit>

void ProductSearch::SearchWarehouseProducts() {
    const QString keyword = ui_.keyword->text();
    if (TextForms::isBlank(keyword)) {
        ctx_.prompter.warn(QStringLiteral("请输入要查询的关键字！"));
        return;
    }
    ui_.list->clearRows();
    WalkTable(ctx_, ctx_.productsTable, Tables::kProducts, [&] {
        ProductRecord product = ProductRow::read(ctx_.productsTable);
        if (product.number.contains(keyword) || product.name.contains(keyword) || product.remark.contains(keyword))
            ProductRow::append(*ui_.list, product, QString::number(ui_.list->rowCount() + 1));
        PumpEvents();
        return true;
    });
    if (ui_.list->rowCount() == 0)
        ctx_.prompter.warn(QStringLiteral("无信息！"));
}
