#include "ProductSearch.h"

#include "ProductRow.h"

#include "app/TableWalk.h"
#include "store/Tables.h"
#include "ui/EventPump.h"
#include "ui/ListControl.h"
#include "ui/Prompter.h"
#include "util/TextForms.h"

#include <QLineEdit>

void SearchProductList(AppContext& ctx, const QLineEdit& keywordBox, ListControl& list) {
    const QString keyword = keywordBox.text();
    if (TextForms::isBlank(keyword)) {
        ctx.prompter.warn(QStringLiteral("请输入要查询的关键字！"));
        return;
    }
    list.clearRows();
    WalkTable(ctx, ctx.productsTable, Tables::kProducts, [&] {
        ProductRecord product = ProductRow::read(ctx.productsTable);
        if (product.number.contains(keyword) || product.name.contains(keyword) || product.remark.contains(keyword))
            ProductRow::append(list, product, QString::number(list.rowCount() + 1));
        PumpEvents();
        return true;
    });
    if (list.rowCount() == 0)
        ctx.prompter.warn(QStringLiteral("无信息！"));
}
