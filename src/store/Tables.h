#pragma once

#include <QString>
#include <QStringList>

#include <array>

// The seven tables of xssj.db and their fields, in the order in which the
// program writes them.
namespace Tables {

inline const QString kSettings = QStringLiteral("参数设置");
inline const QString kProductCategories = QStringLiteral("商品分类");
inline const QString kProducts = QStringLiteral("商品信息");
inline const QString kCustomerCategories = QStringLiteral("客户分类");
inline const QString kCustomers = QStringLiteral("客户资料");
inline const QString kTopUps = QStringLiteral("充值记录");
inline const QString kSales = QStringLiteral("销售记录");

struct Definition {
    QString name;
    QStringList fields;
};

// Every table with its fields.
const std::array<Definition, 7>& all();
// The fields of one table; empty for an unknown name.
QStringList fieldsOf(const QString& table);

} // namespace Tables
