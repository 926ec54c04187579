#pragma once

#include <QList>
#include <QMap>
#include <QString>

class ListControl;
class SqliteTable;

// One 商品信息 record as the product lists show it ("warehouse row").
struct ProductRecord {
    QString number;   // 编号
    QString category; // 分类
    QString name;     // 名称
    QString price;    // 单价
    QString negative; // 负数 flag
    QString stock;    // 数量
    QString remark;   // 备注
};

namespace ProductRow {

inline const QString kUnlimitedStock = QStringLiteral("*999999*");
inline const QString kSupported = QStringLiteral("支持");
inline const QString kUnsupported = QStringLiteral("不支持");

// The decoded fields of the cursor's current record.
ProductRecord read(SqliteTable& products);

// The eight columns, with the images 0 (不支持) and 1 (支持) of column 5.
void setUpList(ListControl& list);
// Appends a warehouse row; column 0 holds serial.
int append(ListControl& list, const ProductRecord& product, const QString& serial);
// Rewrites columns 2 to 7 of a row.
void rewrite(ListControl& list, int row, const ProductRecord& product);

// Header-click modes of the product lists: text, text, text, numeric, text, numeric.
const QMap<int, int>& sortModes();

} // namespace ProductRow
