#include "support/TestShop.h"

#include "customers/CustomersPage.h"
#include "store/SqliteDB.h"
#include "store/Tables.h"
#include "ui/ListControl.h"
#include "ui/OutlookBar.h"
#include "util/MoneyCapitals.h"
#include "util/TextForms.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

namespace {


const QString kCategories = QStringLiteral("超级列表框_客户分类");
const QString kPrepaid = QStringLiteral("超级列表框_预存充值");
const QString kHistory = QStringLiteral("超级列表框_充值记录");

// Three categories, four customers (two of 老顾客 in a row), top-ups for 张三.
struct Customers : TestShop {
    explicit Customers(bool seed = true) {
        if (seed) {
            for (const char* c : {"老顾客", "批发", "零售"})
                addRecord(Tables::kCustomerCategories,
                          {QString::fromUtf8(c)});
            addRecord(Tables::kCustomers, {"张三", "老顾客", "真", "138", "东街", "500", "120.5", "常客"});
            addRecord(Tables::kCustomers, {"张三丰", "老顾客", "假", "139", "", "0", "0", ""});
            addRecord(Tables::kCustomers, {"王五小卖部", "批发", "真", "", "南门", "100", "37.5", "月结"});
            addRecord(Tables::kCustomers, {"李四", "零售", "假", "", "", "0", "0", "老顾客"});
            addRecord(Tables::kTopUps, {"2024年1月2日", "张三", "300", "首次"});
            addRecord(Tables::kTopUps, {"2024年1月9日", "王五小卖部", "100", ""});
            addRecord(Tables::kTopUps, {"2024年2月1日", "张三", "200", "续费"});
            addRecord(Tables::kTopUps, {"2024年2月2日", "张三 ", "1", "别名"});
        }
        window->OnMainWindowCreated();
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            qWarning("window not exposed");
        toolbar(5);
        prompter.clear();
    }
    OutlookBar* bar() { return find<OutlookBar>(QStringLiteral("卷帘式菜单_客户")); }
    QComboBox* category() { return find<QComboBox>(QStringLiteral("组合框_客户分类")); }
    QStringList barGroups() {
        QStringList out;
        for (int g = 0; g < bar()->groupCount(); ++g) {
            QStringList items;
            for (int i = 0; i < bar()->itemCount(g); ++i)
                items << bar()->itemText(g, i);
            out << bar()->groupTitle(g) + QLatin1Char(':') + items.join(QLatin1Char(','));
        }
        return out;
    }    void selectCategoryRow(int row) { clickListRow(kCategories, row); }
    void showPrepaidTab() { find<QTabWidget>(QStringLiteral("高级选择夹2"))->setCurrentIndex(1); }};

} // namespace

class CustomersPageTest : public QObject {
    Q_OBJECT

private slots:
    void entryFillsGroupsTotalsAndPrepaidListOnce() {
        Customers shop;
        QCOMPARE(shop.barGroups(), QStringList({"老顾客:张三,张三丰", "批发:王五小卖部", "零售:李四"}));
        QCOMPARE(shop.listColumn(kCategories, 1), QStringList({"老顾客", "批发", "零售"}));
        QVERIFY(shop.find<ListControl>(kCategories)->isColumnHidden(0));
        QCOMPARE(shop.category()->count(), 3);
        QCOMPARE(shop.text(QStringLiteral("标签_总人数")), QStringLiteral("4"));
        QCOMPARE(shop.text(QStringLiteral("标签_所有预存总额")), QStringLiteral("600"));
        QCOMPARE(shop.text(QStringLiteral("标签_所有剩余总额")), QStringLiteral("157"));
        // Customers who do not accept 代扣 never show on the prepaid tab.
        QCOMPARE(shop.listColumn(kPrepaid, 1), QStringList({"张三", "王五小卖部"}));
        QCOMPARE(shop.listRows(kPrepaid)[0], QStringList({"1", "张三", "老顾客", "500", "120.5", "常客"}));
        QVERIFY(shop.ctx->flags.customersPageLoaded);

        shop.addRecord(Tables::kCustomers, {"新客", "零售", "真", "", "", "0", "0", ""});
        shop.toolbar(5);
        QCOMPARE(shop.text(QStringLiteral("标签_总人数")), QStringLiteral("4"));
        shop.ctx->flags.customersPageLoaded = false; // as a sale clears it
        shop.toolbar(5);
        QCOMPARE(shop.text(QStringLiteral("标签_总人数")), QStringLiteral("5"));
        shop.showPrepaidTab();
        QApplication::processEvents();
        QVERIFY(shop.window->grab().save(QStringLiteral(XSSJ_BINARY_DIR "/screenshots/customers-prepaid.png")));
        shop.find<QTabWidget>(QStringLiteral("高级选择夹2"))->setCurrentIndex(0);
        QApplication::processEvents();
        QVERIFY(shop.window->grab().save(QStringLiteral(XSSJ_BINARY_DIR "/screenshots/customers.png")));
    }

    void totalsAreCutToWholeNumbersAtEveryStep() {
        Customers shop(false);
        shop.addRecord(Tables::kCustomers, {"甲", "", "真", "", "", "12.5", "-2.5", ""});
        shop.addRecord(Tables::kCustomers, {"乙", "", "真", "", "", "3.7", "0.9", ""});
        shop.ctx->flags.customersPageLoaded = false;
        shop.toolbar(5);
        QCOMPARE(shop.text(QStringLiteral("标签_所有预存总额")), QStringLiteral("15"));
        QCOMPARE(shop.text(QStringLiteral("标签_所有剩余总额")), QStringLiteral("-1"));
    }

    void addCategory_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<Messages>("expected");
        QTest::addColumn<QStringList>("groups");
        QTest::newRow("new") << "散客" << info("客户分类添加成功！")
                             << QStringList{"老顾客:张三,张三丰", "批发:王五小卖部", "零售:李四", "散客:"};
        QTest::newRow("same name twice gives two groups")
            << "批发" << info("客户分类添加成功！")
            << QStringList{"老顾客:张三,张三丰", "批发:王五小卖部", "零售:李四", "批发:王五小卖部"};
        QTest::newRow("blank") << " \u3000" << warning("请填写客户分类内容！")
                               << QStringList{"老顾客:张三,张三丰", "批发:王五小卖部", "零售:李四"};
    }
    void addCategory() {
        QFETCH(QString, name);
        QFETCH(Messages, expected);
        QFETCH(QStringList, groups);
        Customers shop;
        shop.type(QStringLiteral("编辑框_客户分类"), name);
        shop.click(QStringLiteral("按钮17"));
        QCOMPARE(shop.messages(), expected);
        QCOMPARE(shop.barGroups(), groups);
    }

    void categoryClickFillsTheEditBox() {
        Customers shop;
        shop.selectCategoryRow(1);
        QCOMPARE(shop.text(QStringLiteral("编辑框_客户分类")), QStringLiteral("批发"));
        shop.clickListEmptySpace(kCategories);
        QCOMPARE(shop.text(QStringLiteral("编辑框_客户分类")), QString());
    }

    void renameRefusals_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << "  " << "请选择要修改客户分类的项目！";
        QTest::newRow("own name") << "批发" << "要修改的客户分类已存在，请修改！";
        QTest::newRow("other row's name") << "零售" << "要修改的客户分类已存在，请修改！";
    }
    void renameRefusals() {
        QFETCH(QString, name);
        QFETCH(QString, message);
        Customers shop;
        shop.selectCategoryRow(1);
        shop.type(QStringLiteral("编辑框_客户分类"), name);
        shop.click(QStringLiteral("按钮18"));
        QCOMPARE(shop.messages(), warning(message));
        QCOMPARE(shop.storedField(Tables::kCustomerCategories, QStringLiteral("分类")),
                 QStringList({"老顾客", "批发", "零售"}));
    }

    void renameRewritesEveryRecordOfTheNameAndItsCustomers() {
        Customers shop;
        shop.addRecord(Tables::kCustomerCategories, {QStringLiteral("老顾客")});
        shop.ctx->flags.customersPageLoaded = false;
        shop.toolbar(5);
        shop.selectCategoryRow(0);
        shop.type(QStringLiteral("编辑框_客户分类"), QStringLiteral("VIP"));
        shop.prompter.clear();
        shop.click(QStringLiteral("按钮18"));
        QCOMPARE(shop.messages(), info("客户分类修改成功！") + info("客户分类修改成功！"));
        QCOMPARE(shop.storedField(Tables::kCustomerCategories, QStringLiteral("分类")),
                 QStringList({"VIP", "批发", "零售", "VIP"}));
        QCOMPARE(shop.storedField(Tables::kCustomers, QStringLiteral("客户分类")),
                 QStringList({"VIP", "VIP", "批发", "零售"}));
        QCOMPARE(shop.barGroups(), QStringList({"VIP:张三,张三丰", "批发:王五小卖部", "零售:李四", "VIP:张三,张三丰"}));
        QCOMPARE(shop.text(QStringLiteral("编辑框_客户分类")), QString());
        QCOMPARE(shop.listRows(kPrepaid)[0][2], QStringLiteral("VIP"));
    }

    void renameOrDeleteWithoutASelectedRowOnlyRebuilds() {
        Customers shop;
        shop.type(QStringLiteral("编辑框_客户分类"), QStringLiteral("新名"));
        shop.click(QStringLiteral("按钮18"));
        shop.type(QStringLiteral("编辑框_客户分类"), QStringLiteral("新名"));
        shop.click(QStringLiteral("按钮19"));
        QCOMPARE(shop.messages(), Messages());
        QCOMPARE(shop.stored(Tables::kCustomerCategories).size(), 3);
        QCOMPARE(shop.stored(Tables::kCustomers).size(), 4);
    }

    void deleteRemovesTheCategoryAndItsCustomers() {
        Customers shop;
        shop.click(QStringLiteral("按钮19"));
        QCOMPARE(shop.messages(), warning("请选择要修改客户分类的项目！"));
        shop.prompter.clear();
        shop.selectCategoryRow(0);
        shop.click(QStringLiteral("按钮19"));
        QCOMPARE(shop.messages(), info("客户分类删除成功！"));
        QCOMPARE(shop.storedField(Tables::kCustomerCategories, QStringLiteral("分类")), QStringList({"批发", "零售"}));
        // Both 老顾客 customers stood one after the other; both went, their top-ups stay.
        QCOMPARE(shop.storedField(Tables::kCustomers, QStringLiteral("客户名称")), QStringList({"王五小卖部", "李四"}));
        QCOMPARE(shop.stored(Tables::kTopUps).size(), 4);
        QCOMPARE(shop.barGroups(), QStringList({"批发:王五小卖部", "零售:李四"}));
    }

    void showCustomerFillsFormAndFigures() {
        Customers shop;
        shop.bar()->clickItem(0, 0);
        QCOMPARE(shop.category()->currentText(), QStringLiteral("老顾客"));
        QCOMPARE(shop.text(QStringLiteral("编辑框_客户名称")), QStringLiteral("张三"));
        QVERIFY(!shop.find<QLineEdit>(QStringLiteral("编辑框_客户名称"))->isEnabled());
        QVERIFY(shop.find<QCheckBox>(QStringLiteral("选择框_代扣"))->isChecked());
        QCOMPARE(shop.text(QStringLiteral("编辑框_联系电话")), QStringLiteral("138"));
        QCOMPARE(shop.text(QStringLiteral("编辑框_联系地址")), QStringLiteral("东街"));
        QCOMPARE(shop.text(QStringLiteral("编辑框_客户备注")), QStringLiteral("常客"));
        QCOMPARE(shop.text(QStringLiteral("标签_当前客户")), QStringLiteral("张三"));
        QCOMPARE(shop.text(QStringLiteral("标签_预存总额")), QStringLiteral("500"));
        QCOMPARE(shop.text(QStringLiteral("标签_剩余金额")), QStringLiteral("120.5"));
        QCOMPARE(shop.text(QStringLiteral("标签_消费合计")), QStringLiteral("379.5"));
        // A press on the bar (a group title, say) clears the form.
        emit shop.bar()->pressed();
        QCOMPARE(shop.text(QStringLiteral("编辑框_客户名称")), QString());
        QVERIFY(shop.find<QLineEdit>(QStringLiteral("编辑框_客户名称"))->isEnabled());
        QCOMPARE(shop.bar()->currentItem(), -1);
        QCOMPARE(shop.text(QStringLiteral("标签_消费合计")), QString());
    }

    void addCustomer_data() {
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("name");
        QTest::addColumn<Messages>("expected");
        QTest::newRow("new") << "批发" << "赵六" << info("添加客户资料成功！");
        QTest::newRow("no category") << "" << "赵六" << warning("请选择客户分类！");
        QTest::newRow("no name") << "批发" << "\u3000" << warning("请填写客户名称！");
        QTest::newRow("name taken") << "零售" << "张三" << warning("客户名称已存在，请修改！");
    }
    void addCustomer() {
        QFETCH(QString, category);
        QFETCH(QString, name);
        QFETCH(Messages, expected);
        Customers shop;
        shop.category()->setCurrentIndex(shop.category()->findText(category));
        shop.type(QStringLiteral("编辑框_客户名称"), name);
        shop.find<QCheckBox>(QStringLiteral("选择框_代扣"))->setChecked(true);
        shop.type(QStringLiteral("编辑框_联系电话"), QStringLiteral("555"));
        shop.type(QStringLiteral("编辑框_客户备注"), QStringLiteral("新来的"));
        shop.click(QStringLiteral("按钮16"));
        QCOMPARE(shop.messages(), expected);
        QList<StoredRecord> customers = shop.stored(Tables::kCustomers);
        if (expected.first().second != MessageIcon::Information) {
            QCOMPARE(customers.size(), 4);
            return;
        }
        QCOMPARE(customers.size(), 5);
        QCOMPARE(customers.last(), StoredRecord({{"客户名称", name}, {"客户分类", category}, {"支持代扣", "真"},
                                                 {"联系电话", "555"}, {"联系地址", ""}, {"累计预存", "0"},
                                                 {"剩余金额", "0"}, {"备注", "新来的"}}));
        QCOMPARE(shop.barGroups()[1], QStringLiteral("批发:王五小卖部,赵六"));
        QCOMPARE(shop.listColumn(kPrepaid, 1), QStringList({"张三", "王五小卖部", "赵六"}));
        QCOMPARE(shop.text(QStringLiteral("编辑框_客户名称")), QString());
        QCOMPARE(shop.text(QStringLiteral("标签_总人数")), QStringLiteral("5"));
    }

    void modifyKeepsNameAndAmounts() {
        Customers shop;
        shop.click(QStringLiteral("按钮15"));
        QCOMPARE(shop.messages(), warning("请选择要修改的客户项目！"));
        shop.prompter.clear();
        shop.bar()->clickItem(1, 0); // 王五小卖部
        shop.category()->setCurrentIndex(2);
        shop.find<QCheckBox>(QStringLiteral("选择框_代扣"))->setChecked(false);
        shop.type(QStringLiteral("编辑框_联系地址"), QStringLiteral("北门"));
        shop.click(QStringLiteral("按钮15"));
        QCOMPARE(shop.messages(), info("修改客户资料成功！"));
        StoredRecord record = shop.stored(Tables::kCustomers)[2];
        QCOMPARE(record.value(QStringLiteral("客户名称")), QStringLiteral("王五小卖部"));
        QCOMPARE(record.value(QStringLiteral("客户分类")), QStringLiteral("零售"));
        QCOMPARE(record.value(QStringLiteral("支持代扣")), QStringLiteral("假"));
        QCOMPARE(record.value(QStringLiteral("联系地址")), QStringLiteral("北门"));
        QCOMPARE(record.value(QStringLiteral("累计预存")), QStringLiteral("100"));
        QCOMPARE(record.value(QStringLiteral("剩余金额")), QStringLiteral("37.5"));
        QCOMPARE(shop.listColumn(kPrepaid, 1), QStringList({"张三"}));
        QCOMPARE(shop.barGroups()[2], QStringLiteral("零售:王五小卖部,李四"));
    }

    void modifyNeedsACategory() {
        Customers shop;
        shop.bar()->clickItem(0, 1);
        shop.category()->setCurrentIndex(-1);
        shop.click(QStringLiteral("按钮15"));
        QCOMPARE(shop.messages(), warning("请选择客户分类！"));
    }

    void deleteCustomerKeepsTheirRecords() {
        Customers shop;
        shop.click(QStringLiteral("按钮14"));
        QCOMPARE(shop.messages(), warning("请选择要删除的客户项目！"));
        shop.prompter.clear();
        shop.bar()->clickItem(0, 0);
        shop.click(QStringLiteral("按钮14"));
        QCOMPARE(shop.messages(), info("删除客户资料成功！"));
        QCOMPARE(shop.storedField(Tables::kCustomers, QStringLiteral("客户名称")),
                 QStringList({"张三丰", "王五小卖部", "李四"}));
        QCOMPARE(shop.stored(Tables::kTopUps).size(), 4);
        QCOMPARE(shop.text(QStringLiteral("标签_总人数")), QStringLiteral("3"));
    }

    void searchOpensTheLastGroupWithAMatch_data() {
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("item");
        QTest::addColumn<Messages>("expected");
        QTest::newRow("first match of the last group") << "张三" << 0 << 0 << Messages();
        QTest::newRow("part of a name") << "丰" << 0 << 1 << Messages();
        QTest::newRow("later group wins") << "四" << 2 << 0 << Messages();
        QTest::newRow("no match") << "赵" << -1 << -1 << warning("没有找到该关键字的客户名称！");
        QTest::newRow("blank") << "  " << -1 << -1 << warning("请输入要查询的关键字！");
    }
    void searchOpensTheLastGroupWithAMatch() {
        QFETCH(QString, keyword);
        QFETCH(int, group);
        QFETCH(int, item);
        QFETCH(Messages, expected);
        Customers shop;
        shop.type(QStringLiteral("编辑框_客户关键字"), keyword);
        QTest::keyClick(shop.find<QLineEdit>(QStringLiteral("编辑框_客户关键字")), Qt::Key_Return);
        QCOMPARE(shop.messages(), expected);
        QCOMPARE(shop.bar()->currentItem(), item);
        if (group >= 0)
            QCOMPARE(shop.bar()->currentGroup(), group);
    }

    void searchPrefersTheLastOfSeveralGroups() {
        Customers shop;
        shop.addRecord(Tables::kCustomers, {"张小", "零售", "假", "", "", "0", "0", ""});
        shop.ctx->flags.customersPageLoaded = false;
        shop.toolbar(5);
        shop.type(QStringLiteral("编辑框_客户关键字"), QStringLiteral("张"));
        shop.click(QStringLiteral("按钮13"));
        QCOMPARE(shop.bar()->currentGroup(), 2);
        QCOMPARE(shop.bar()->itemText(2, shop.bar()->currentItem()), QStringLiteral("张小"));
    }

    void prepaidCustomerShowsPanelAndOwnHistoryOnly() {
        Customers shop;
        shop.showPrepaidTab();
        shop.clickListRow(kPrepaid, 0);
        QCOMPARE(shop.text(QStringLiteral("标签_客户名称")), QStringLiteral("张三"));
        QCOMPARE(shop.text(QStringLiteral("标签_客户分类")), QStringLiteral("老顾客"));
        QCOMPARE(shop.text(QStringLiteral("标签_累计预存")), QStringLiteral("500"));
        QCOMPARE(shop.text(QStringLiteral("标签_剩余金额_充值")), QStringLiteral("120.5"));
        QCOMPARE(shop.listRows(kHistory), QList<QStringList>({{"2024年1月2日", "张三", "300", "首次"},
                                                              {"2024年2月1日", "张三", "200", "续费"}}));
        shop.clickListEmptySpace(kPrepaid);
        QCOMPARE(shop.text(QStringLiteral("标签_客户名称")), QString());
        QCOMPARE(shop.find<ListControl>(kHistory)->rowCount(), 0);
    }

    void prepaidSearch_data() {
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<Messages>("expected");
        QTest::newRow("by name") << "王五" << QStringList{"王五小卖部"} << Messages();
        QTest::newRow("by remark") << "月结" << QStringList{"王五小卖部"} << Messages();
        QTest::newRow("category is not searched") << "老顾客" << QStringList{} << warning("无信息！");
        QTest::newRow("non-prepaid never shows") << "李四" << QStringList{} << warning("无信息！");
        QTest::newRow("blank") << "\u3000" << QStringList{"张三", "王五小卖部"} << warning("请输入要查询的关键字！");
    }
    void prepaidSearch() {
        QFETCH(QString, keyword);
        QFETCH(QStringList, names);
        QFETCH(Messages, expected);
        Customers shop;
        shop.type(QStringLiteral("编辑框_充值关键字"), keyword);
        shop.click(QStringLiteral("按钮20"));
        QCOMPARE(shop.messages(), expected);
        QCOMPARE(shop.listColumn(kPrepaid, 1), names);
    }

    void topUpRefusals_data() {
        QTest::addColumn<bool>("click");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("message");
        QTest::newRow("nobody selected") << false << "50" << "请选择要充值的客户！";
        QTest::newRow("no amount") << true << " " << "请输入充值的金额！";
        QTest::newRow("zero") << true << "0" << "输入的充值的金额必须大于 1 ！";
        QTest::newRow("negative") << true << "-5" << "输入的充值的金额必须大于 1 ！";
        QTest::newRow("not a number") << true << "abc" << "输入的充值的金额必须大于 1 ！";
    }
    void topUpRefusals() {
        QFETCH(bool, click);
        QFETCH(QString, amount);
        QFETCH(QString, message);
        Customers shop;
        shop.showPrepaidTab();
        if (click)
            shop.clickListRow(kPrepaid, 1);
        shop.type(QStringLiteral("编辑框_本次预存"), amount);
        shop.click(QStringLiteral("按钮21"));
        QCOMPARE(shop.messages(), warning(message));
        QCOMPARE(shop.stored(Tables::kTopUps).size(), 4);
    }

    // A row picked with the keyboard shows nobody in the panel: refused, nothing written.
    // Amounts past the largest one are refused, alone or once added to what is stored.
    void topUpAmountsStayInRange_data() {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<Messages>("told");
        QTest::addColumn<int>("records");
        QTest::newRow("1e308 at once") << "1e308" << "" << warning(kAmountOutOfRange) << 4;
        QTest::newRow("the sum past it") << "9999999999000" << "9999999999000"
                                         << Messages({{"充值成功！", MessageIcon::Information},
                                                      {"客户资料写充值信息出错！", MessageIcon::Error}})
                                         << 5;
        QTest::newRow("NaN") << "NaN" << "" << warning("输入的充值的金额必须大于 1 ！") << 4;
    }
    void topUpAmountsStayInRange() {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(Messages, told);
        QFETCH(int, records);
        Customers shop;
        shop.showPrepaidTab();
        for (const QString& amount : {first, second}) {
            if (amount.isEmpty())
                continue;
            shop.clickListRow(kPrepaid, 1);
            shop.type(QStringLiteral("编辑框_本次预存"), amount);
            shop.click(QStringLiteral("按钮21"));
        }
        QCOMPARE(shop.messages(), told);
        QCOMPARE(shop.stored(Tables::kTopUps).size(), records);
        for (const StoredRecord& customer : shop.stored(Tables::kCustomers))
            QVERIFY(IsAmountInRange(TextForms::toNumber(customer.value(QStringLiteral("累计预存")))));
    }

    void topUpOfARowSelectedWithTheKeyboardIsRefused() {
        Customers shop;
        shop.showPrepaidTab();
        auto* list = shop.find<ListControl>(kPrepaid);
        list->setFocus();
        list->setCurrentRow(0);
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->currentRow(), 1);
        shop.type(QStringLiteral("编辑框_本次预存"), QStringLiteral("50"));
        shop.click(QStringLiteral("按钮21"));
        QCOMPARE(shop.messages(), warning("请选择要充值的客户！"));
        QCOMPARE(shop.stored(Tables::kTopUps).size(), 4);
    }

    void topUpRaisesBothAmountsAndRecordsIt_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("plain") << "50";
        QTest::newRow("full-width digits") << "５０";
        QTest::newRow("with unit") << "50元";
    }
    void topUpRaisesBothAmountsAndRecordsIt() {
        QFETCH(QString, typed);
        Customers shop;
        shop.showPrepaidTab();
        shop.find<QDateEdit>(QStringLiteral("日期框_充值"))->setDate(QDate(2024, 3, 1));
        shop.clickListRow(kPrepaid, 1); // 王五小卖部: 100 in, 37.5 left
        shop.type(QStringLiteral("编辑框_预存说明"), QStringLiteral("现金"));
        shop.type(QStringLiteral("编辑框_本次预存"), typed);
        shop.click(QStringLiteral("按钮21"));
        QCOMPARE(shop.messages(), info("充值成功！"));
        QCOMPARE(shop.stored(Tables::kTopUps).last(), StoredRecord({{"预存日期", "2024年3月1日"},
                                                                    {"客户名称", "王五小卖部"},
                                                                    {"预存金额", "50"},
                                                                    {"预存说明", "现金"}}));
        StoredRecord customer = shop.stored(Tables::kCustomers)[2];
        QCOMPARE(customer.value(QStringLiteral("累计预存")), QStringLiteral("150"));
        QCOMPARE(customer.value(QStringLiteral("剩余金额")), QStringLiteral("87.5"));
        QCOMPARE(shop.listRows(kPrepaid)[1], QStringList({"2", "王五小卖部", "批发", "150", "87.5", "月结"}));
        QCOMPARE(shop.find<ListControl>(kPrepaid)->currentRow(), -1);
        QCOMPARE(shop.text(QStringLiteral("标签_客户名称")), QString());
        QCOMPARE(shop.text(QStringLiteral("标签_所有预存总额")), QStringLiteral("650"));
    }

    void topUpWhoseCustomerCannotBeWrittenStoresNothing() {
        Customers shop;
        executeOnFile(shop.databasePath(), QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE ON 客户资料 "
                                                          "BEGIN SELECT RAISE(ABORT, 'refused'); END"));
        shop.showPrepaidTab();
        shop.clickListRow(kPrepaid, 0);
        shop.type(QStringLiteral("编辑框_本次预存"), QStringLiteral("100"));
        shop.click(QStringLiteral("按钮21"));
        QCOMPARE(shop.messages(), Messages({{"客户资料写充值信息出错！", MessageIcon::Error}}));
        QCOMPARE(shop.stored(Tables::kTopUps).size(), 4);
        QCOMPARE(shop.stored(Tables::kCustomers)[0].value(QStringLiteral("累计预存")), QStringLiteral("500"));
    }

    void topUpOfAVanishedCustomerStoresNothing() {
        Customers shop;
        shop.showPrepaidTab();
        shop.clickListRow(kPrepaid, 0);
        executeOnFile(shop.databasePath(), QStringLiteral("DELETE FROM 客户资料 WHERE rowid = 1"));
        shop.type(QStringLiteral("编辑框_本次预存"), QStringLiteral("100"));
        shop.click(QStringLiteral("按钮21"));
        QCOMPARE(shop.messages(), Messages({{"客户资料写充值信息出错！", MessageIcon::Error}}));
        QCOMPARE(shop.stored(Tables::kTopUps).size(), 4);
    }

    void prepaidHeaderSortsAndRenumbers() {
        Customers shop;
        shop.clickListHeader(kPrepaid, 4);
        QCOMPARE(shop.listColumn(kPrepaid, 1), QStringList({"王五小卖部", "张三"}));
        QCOMPARE(shop.listColumn(kPrepaid, 0), QStringList({"1", "2"}));
    }
};

QTEST_MAIN(CustomersPageTest)
#include "tst_customerspage.moc"
