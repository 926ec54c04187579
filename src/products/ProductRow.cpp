#include "ProductRow.h"

#include "ProductIcons.h"

#include "store/EncodedFields.h"
#include "ui/ListControl.h"
#include "util/TextForms.h"

namespace ProductRow {

ProductRecord read(SqliteTable& products) {
    static const QStringList fields = {QStringLiteral("编号"), QStringLiteral("分类"), QStringLiteral("名称"),
                                       QStringLiteral("单价"), QStringLiteral("负数"), QStringLiteral("数量"),
                                       QStringLiteral("备注")};
    const QStringList v = readPlainFields(products, fields);
    return {v[0], v[1], v[2], v[3], v[4], v[5], v[6]};
}

void setUpList(ListControl& list) {
    list.setColumns({{QStringLiteral("序号"), 50},
                     {QStringLiteral("商品编号"), 140},
                     {QStringLiteral("商品分类"), 90},
                     {QStringLiteral("商品名称"), 150},
                     {QStringLiteral("销售单价"), 80},
                     {QStringLiteral("负数销售"), 80},
                     {QStringLiteral("库存数量"), 80},
                     {QStringLiteral("商品备注"), 120}});
    list.setImages({ProductIcons::negativeSaleIcon(false), ProductIcons::negativeSaleIcon(true)});
}

namespace {

void fillColumns(ListControl& list, int row, const ProductRecord& p) {
    bool negative = TextForms::isFlagSet(p.negative);
    list.setCell(row, 2, p.category);
    list.setCell(row, 3, p.name);
    list.setCell(row, 4, p.price);
    list.setCell(row, 5, negative ? kSupported : kUnsupported);
    list.setCellIcon(row, 5, negative ? 1 : 0);
    list.setCell(row, 6, p.stock);
    list.setCell(row, 7, p.remark);
}

} // namespace

int append(ListControl& list, const ProductRecord& product, const QString& serial) {
    int row = list.addRow({serial, product.number});
    fillColumns(list, row, product);
    return row;
}

void rewrite(ListControl& list, int row, const ProductRecord& product) { fillColumns(list, row, product); }

const QMap<int, int>& sortModes() {
    static const QMap<int, int> modes = {{1, 1}, {2, 1}, {3, 1}, {4, 0}, {5, 1}, {6, 0}};
    return modes;
}

} // namespace ProductRow
