#include "Tables.h"

namespace Tables {

const std::array<Definition, 7>& all() {
    static const std::array<Definition, 7> tables = {{
        {kSettings,
         {QStringLiteral("密码"), QStringLiteral("登录密码"), QStringLiteral("仓库密码"), QStringLiteral("客户密码"),
          QStringLiteral("查询密码"), QStringLiteral("皮肤"), QStringLiteral("自动备份"), QStringLiteral("备份周期"),
          QStringLiteral("备份路径")}},
        {kProductCategories, {QStringLiteral("分类")}},
        {kProducts,
         {QStringLiteral("编号"), QStringLiteral("分类"), QStringLiteral("名称"), QStringLiteral("单价"),
          QStringLiteral("无限"), QStringLiteral("负数"), QStringLiteral("数量"), QStringLiteral("备注")}},
        {kCustomerCategories, {QStringLiteral("分类")}},
        {kCustomers,
         {QStringLiteral("客户名称"), QStringLiteral("客户分类"), QStringLiteral("支持代扣"), QStringLiteral("联系电话"),
          QStringLiteral("联系地址"), QStringLiteral("累计预存"), QStringLiteral("剩余金额"), QStringLiteral("备注")}},
        {kTopUps,
         {QStringLiteral("预存日期"), QStringLiteral("客户名称"), QStringLiteral("预存金额"), QStringLiteral("预存说明")}},
        {kSales,
         {QStringLiteral("日期"), QStringLiteral("客户"), QStringLiteral("编号"), QStringLiteral("名称"),
          QStringLiteral("单价"), QStringLiteral("数量"), QStringLiteral("金额"), QStringLiteral("备注"),
          QStringLiteral("方式")}},
    }};
    return tables;
}

QStringList fieldsOf(const QString& table) {
    for (const Definition& d : all())
        if (d.name == table)
            return d.fields;
    return {};
}

} // namespace Tables
