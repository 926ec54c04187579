#include "SalesShop.h"

#include "store/FieldCodec.h"
#include "store/SqliteDB.h"
#include "ui/TreeControl.h"
#include "util/MoneyCapitals.h"
#include "util/TextForms.h"

#include <QAction>
#include <QApplication>
#include <QDateEdit>
#include <QDialog>
#include <QMenu>
#include <QPushButton>

namespace {


} // namespace

class SalesPageTest : public QObject {
    Q_OBJECT

private slots:
    // The road of one sale, through the real controls, checked in the file.
    void roadOfOneSale() {
        SalesShop shop;
        shop.clock.set(QDateTime(QDate(2022, 1, 5), QTime(9, 0)));
        shop.find<QDateEdit>(QStringLiteral("日期框_销售"))->setDate(QDate(2022, 1, 5));
        shop.clickTreeItem(SalesShop::kTree, QStringLiteral("水果"));
        QCOMPARE(shop.listColumn(SalesShop::kProducts, 3), QStringList({"苹果", "香蕉"}));
        shop.clickListRow(SalesShop::kProducts, 0);
        QCOMPARE(shop.text(QStringLiteral("标签_编号")), QStringLiteral("A1"));
        QCOMPARE(shop.text(QStringLiteral("标签_名称")), QStringLiteral("苹果"));
        shop.type(QStringLiteral("编辑框_数量"), QStringLiteral("2"));
        QCOMPARE(shop.text(QStringLiteral("标签_金额")), QStringLiteral("10"));
        QCOMPARE(shop.text(QStringLiteral("编辑框_金额到大写")), QStringLiteral("壹拾元整"));
        shop.type(QStringLiteral("编辑框_备注"), QStringLiteral("送货"));
        shop.click(QStringLiteral("按钮2"));
        QCOMPARE(shop.listRows(SalesShop::kCart), QList<QStringList>({{"1", "A1", "苹果", "5", "2", "10", "送货"}}));
        QCOMPARE(shop.listedStock(QStringLiteral("A1")), QStringLiteral("1"));
        QCOMPARE(shop.text(QStringLiteral("标签_购物车金额")), QStringLiteral("10"));
        QCOMPARE(shop.text(QStringLiteral("编辑框_合计金额到大写")), QStringLiteral("壹拾元整"));
        QCOMPARE(shop.prompter.messages.size(), 0);

        shop.checkout(QStringLiteral("张三"), QStringLiteral("单选框_代扣"));
        QCOMPARE(shop.messages(), Messages({{"商品销售录入成功！", MessageIcon::Information}}));
        QList<StoredRecord> sales = shop.stored(Tables::kSales);
        QCOMPARE(sales.size(), 1);
        QCOMPARE(sales[0], StoredRecord({{"日期", "2022年1月5日"}, {"客户", "张三"}, {"编号", "A1"}, {"名称", "苹果"},
                                         {"单价", "5"}, {"数量", "2"}, {"金额", "10"}, {"备注", "送货"},
                                         {"方式", "代扣"}}));
        QCOMPARE(shop.storedStock(QStringLiteral("A1")), QStringLiteral("1"));
        QCOMPARE(shop.storedField(Tables::kCustomers, QStringLiteral("剩余金额")), QStringList({"90", "0", "10"}));
        QCOMPARE(shop.storedField(Tables::kCustomers, QStringLiteral("累计预存")), QStringList({"300", "0", "10"}));
        QCOMPARE(shop.cart()->rowCount(), 0);
        QCOMPARE(shop.customer()->currentIndex(), -1);
        QVERIFY(!shop.radio(QStringLiteral("单选框_代扣"))->isChecked());
        QCOMPARE(shop.text(QStringLiteral("标签_编号")), QString());
        QVERIFY(!shop.ctx->flags.warehouseBrowserLoaded && !shop.ctx->flags.customersPageLoaded &&
                !shop.ctx->flags.queryPageEntered);
    }

    void entryRebuildsOnlyWhenStale() {
        SalesShop shop;
        QCOMPARE(shop.treeItems(SalesShop::kTree),
                 QStringList({"水果", "  苹果", "  香蕉", "饮料", "  可乐", "杂货", "  大米"}));
        QCOMPARE(shop.customer()->count(), 3);
        QVERIFY(!shop.ctx->flags.salesBrowserStale);
        shop.addRecord(Tables::kCustomers, {"赵六", "零售", "假", "", "", "0", "0", ""});
        shop.toolbar(1);
        QCOMPARE(shop.customer()->count(), 3);
        shop.ctx->flags.salesBrowserStale = true; // as a product change sets it
        shop.toolbar(1);
        QCOMPARE(shop.customer()->count(), 4);
        QCOMPARE(shop.products()->rowCount(), 0);
    }

    void treeWithTwinCategoriesAndProductNames() {
        SalesShop shop;
        shop.addRecord(Tables::kProductCategories, {QStringLiteral("水果")});
        shop.addRecord(Tables::kProducts, {"D1", "饮料", "苹果", "8", "假", "假", "5", ""});
        shop.ctx->flags.salesBrowserStale = true;
        shop.toolbar(1);
        QCOMPARE(shop.treeItems(SalesShop::kTree),
                 QStringList({"水果", "  苹果", "  香蕉", "饮料", "  可乐", "  苹果", "杂货", "  大米", "水果", "  苹果",
                              "  香蕉"}));
        shop.clickTreeItem(SalesShop::kTree, QStringLiteral("饮料/苹果"));
        QCOMPARE(shop.listColumn(SalesShop::kProducts, 1), QStringList({"A1", "D1"}));
        QCOMPARE(shop.listColumn(SalesShop::kProducts, 0), QStringList({"1", "2"}));
        auto* tree = shop.find<TreeControl>(SalesShop::kTree);
        tree->setFocus();
        QTest::keyClick(tree, Qt::Key_Down);
        QCOMPARE(shop.listColumn(SalesShop::kProducts, 1), QStringList({"A1", "D1"}));
    }

    void showAllAndSearch() {
        SalesShop shop;
        shop.showAll();
        QCOMPARE(shop.listColumn(SalesShop::kProducts, 0), QStringList({"1", "2", "3", "4"}));
        QCOMPARE(shop.listedStock(QStringLiteral("B1")), QStringLiteral("*999999*"));
        QCOMPARE(shop.listRows(SalesShop::kProducts)[1][5], QStringLiteral("支持"));
        shop.type(QStringLiteral("编辑框_销售关键字"), QStringLiteral("5kg"));
        shop.click(QStringLiteral("按钮1"));
        QCOMPARE(shop.listColumn(SalesShop::kProducts, 1), QStringList({"C1"}));
        shop.type(QStringLiteral("编辑框_销售关键字"), QStringLiteral("5KG"));
        QTest::keyClick(shop.find<QLineEdit>(QStringLiteral("编辑框_销售关键字")), Qt::Key_Return);
        QCOMPARE(shop.messages(), warning("无信息！"));
        shop.prompter.clear();
        shop.type(QStringLiteral("编辑框_销售关键字"), QStringLiteral("   "));
        shop.click(QStringLiteral("按钮1"));
        QCOMPARE(shop.messages(), warning("请输入要查询的关键字！"));
    }

    void emptySpaceClickResetsEntryCustomerPaymentAndTotal() {
        SalesShop shop;
        shop.addLine(QStringLiteral("C1"), QStringLiteral("1"));
        shop.showAll();
        shop.clickListRow(SalesShop::kProducts, 0);
        shop.pickCustomer(QStringLiteral("张三"));
        shop.pay(QStringLiteral("单选框_现款"));
        shop.clickListEmptySpace(SalesShop::kProducts);
        QCOMPARE(shop.customer()->currentIndex(), -1);
        QVERIFY(!shop.radio(QStringLiteral("单选框_现款"))->isChecked());
        QCOMPARE(shop.text(QStringLiteral("标签_购物车金额")), QString());
        QCOMPARE(shop.text(QStringLiteral("编辑框_合计金额到大写")), QString());
        QCOMPARE(shop.text(QStringLiteral("编辑框_金额到大写")), QStringLiteral("零"));
        QCOMPARE(shop.text(QStringLiteral("编辑框_数量")), QStringLiteral("1"));
        QCOMPARE(shop.cart()->rowCount(), 1); // the lines stay
        // Arrow keys leave the entry panel alone.
        shop.clickListRow(SalesShop::kProducts, 0);
        shop.products()->setFocus();
        QTest::keyClick(shop.products(), Qt::Key_Down);
        QCOMPARE(shop.text(QStringLiteral("标签_编号")), QStringLiteral("A1"));
    }

    void capitalsOfTheEntryAmount_data() {
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("capitals");
        QTest::newRow("1234567.89") << "1234567.89" << "壹佰贰拾叁万肆仟伍佰陆拾柒元捌角玖分";
        QTest::newRow("10.5") << "10.5" << "壹拾元零伍角整";
        QTest::newRow("1.005") << "1.005" << "壹元零壹分";
        QTest::newRow("100010000") << "100010000" << "壹亿零壹万元整";
    }
    void capitalsOfTheEntryAmount() {
        QFETCH(QString, price);
        QFETCH(QString, capitals);
        SalesShop shop;
        shop.showAll();
        shop.clickListRow(SalesShop::kProducts, 3);
        shop.type(QStringLiteral("编辑框_数量"), QStringLiteral("1"));
        shop.type(QStringLiteral("编辑框_单价"), price);
        QCOMPARE(shop.text(QStringLiteral("编辑框_金额到大写")), capitals);
    }

    void addToCartRefusals_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<QString>("message");
        QTest::newRow("no product") << -1 << "5" << "1" << "请选择要销售的项目！";
        QTest::newRow("empty price") << 0 << "" << "1" << "单价或数量不能为空！";
        QTest::newRow("empty quantity") << 0 << "5" << "" << "单价或数量不能为空！";
        QTest::newRow("zero price") << 0 << "0" << "1" << "单价或数量不能小于 0 ！";
        QTest::newRow("negative quantity") << 0 << "5" << "-1" << "单价或数量不能小于 0 ！";
        QTest::newRow("tiny quantity") << 0 << "5" << "0.00000001" << "单价或数量不能小于 0 ！";
        QTest::newRow("beyond stock") << 0 << "5" << "4" << "此商品库存数量不足，且不支持负数销售！";
    }
    void addToCartRefusals() {
        QFETCH(int, row);
        QFETCH(QString, price);
        QFETCH(QString, quantity);
        QFETCH(QString, message);
        SalesShop shop;
        shop.showAll();
        if (row >= 0)
            shop.clickListRow(SalesShop::kProducts, row);
        shop.type(QStringLiteral("编辑框_单价"), price);
        shop.type(QStringLiteral("编辑框_数量"), quantity);
        shop.click(QStringLiteral("按钮2"));
        QCOMPARE(shop.messages(), warning(message));
        QCOMPARE(shop.cart()->rowCount(), 0);
        QCOMPARE(shop.listedStock(QStringLiteral("A1")), QStringLiteral("3"));
    }

    void samePriceMerges() {
        SalesShop shop;
        shop.addLine(QStringLiteral("C1"), QStringLiteral("2"), {}, QStringLiteral("红色"));
        shop.addLine(QStringLiteral("C1"), QStringLiteral("1.5"));
        QCOMPARE(shop.messages(),
                 Messages({{"检测到购物车里已有该商品，已为您累计添加！", MessageIcon::Information}}));
        QCOMPARE(shop.listRows(SalesShop::kCart), QList<QStringList>({{"1", "C1", "大米", "12.50", "3.5", "43.75", "红色 "}}));
        QCOMPARE(shop.listedStock(QStringLiteral("C1")), QStringLiteral("96.5"));
        QCOMPARE(shop.text(QStringLiteral("标签_购物车金额")), QStringLiteral("43.75"));
    }

    void otherPriceTextAddsALineWithAWarning() {
        SalesShop shop;
        shop.addLine(QStringLiteral("C1"), QStringLiteral("1"), QStringLiteral("5"));
        shop.addLine(QStringLiteral("C1"), QStringLiteral("1"), QStringLiteral("6"));
        QCOMPARE(shop.messages(),
                 warning("检测到购物车里已有该商品，但单价不同。已为你重新添加，请注意！"));
        shop.prompter.clear();
        // The first line of the product decides, though line 2 has the same price.
        shop.addLine(QStringLiteral("C1"), QStringLiteral("1"), QStringLiteral("6"));
        QCOMPARE(shop.messages(),
                 warning("检测到购物车里已有该商品，但单价不同。已为你重新添加，请注意！"));
        QCOMPARE(shop.listColumn(SalesShop::kCart, 3), QStringList({"5", "6", "6"}));
        shop.prompter.clear();
        shop.addLine(QStringLiteral("C1"), QStringLiteral("1"), QStringLiteral("5.00"));
        QCOMPARE(shop.listColumn(SalesShop::kCart, 3), QStringList({"5", "6", "6", "5.00"}));
        QCOMPARE(shop.listedStock(QStringLiteral("C1")), QStringLiteral("96"));
    }

    void remainingStockCountsWhatIsInTheCart() {
        SalesShop shop;
        shop.addLine(QStringLiteral("A1"), QStringLiteral("2"));
        shop.addLine(QStringLiteral("A1"), QStringLiteral("2"));
        QCOMPARE(shop.messages(), warning("此商品库存数量不足，且不支持负数销售！"));
        QCOMPARE(shop.listedStock(QStringLiteral("A1")), QStringLiteral("1"));
        QCOMPARE(shop.listColumn(SalesShop::kCart, 4), QStringList({"2"}));
    }

    // A product that may sell below zero stays in the cart beyond its stock.
    void negativeSaleGoesBelowZeroAndStaysInTheCart() {
        SalesShop shop;
        shop.addLine(QStringLiteral("A2"), QStringLiteral("5"));
        QCOMPARE(shop.prompter.messages.size(), 0);
        QCOMPARE(shop.listedStock(QStringLiteral("A2")), QStringLiteral("-2"));
        QCOMPARE(shop.cart()->rowCount(), 1);
    }

    void unlimitedStockIsNeverRefusedNorChanged() {
        SalesShop shop;
        shop.addLine(QStringLiteral("B1"), QStringLiteral("1000"));
        shop.addLine(QStringLiteral("B1"), QStringLiteral("5"));
        QCOMPARE(shop.listedStock(QStringLiteral("B1")), QStringLiteral("*999999*"));
        QCOMPARE(shop.listColumn(SalesShop::kCart, 4), QStringList({"1005"}));
    }

    void cartOutOfStepWithTheFileIsEmptied() {
        SalesShop shop;
        shop.addLine(QStringLiteral("C1"), QStringLiteral("50"));
        // Someone lowered the stock in the meantime.
        SqliteDB db;
        QVERIFY(db.Open(shop.databasePath()));
        SqliteTable products;
        QVERIFY(products.Open(Tables::kProducts, db) && products.GoTo(4) && products.BeginEdit());
        QVERIFY(products.Write(QStringLiteral("数量"), FieldCodec::EncodeField(QStringLiteral("10"))) && products.Update());
        db.Close();
        shop.addLine(QStringLiteral("B1"), QStringLiteral("1"));
        QCOMPARE(shop.messages(),
                 warning("检测到购物车里项目数量与库存数据不同步。将为您清空购物车并自动刷新库存信息！"));
        QCOMPARE(shop.cart()->rowCount(), 0);
        QCOMPARE(shop.products()->rowCount(), 0);
        QCOMPARE(shop.find<TreeControl>(SalesShop::kTree)->topLevelItemCount(), 3);
    }

    void deleteLineGivesStockBackAndRenumbers() {
        SalesShop shop;
        shop.addLine(QStringLiteral("C1"), QStringLiteral("2"));
        shop.addLine(QStringLiteral("A1"), QStringLiteral("1"));
        shop.addLine(QStringLiteral("B1"), QStringLiteral("1"));
        // The right-click menu appears only with a line selected.
        shop.clickListEmptySpace(SalesShop::kCart);
        QMenu* menu = shop.find<QMenu>(QStringLiteral("购物车右键"));
        shop.clickListRow(SalesShop::kCart, 0, Qt::RightButton);
        QVERIFY(menu->isVisible());
        menu->findChild<QAction*>(QStringLiteral("删除本项"))->trigger();
        menu->hide();
        QCOMPARE(shop.listRows(SalesShop::kCart),
                 QList<QStringList>({{"1", "A1", "苹果", "5", "1", "5", ""}, {"2", "B1", "可乐", "3.5", "1", "3.5", ""}}));
        QCOMPARE(shop.listedStock(QStringLiteral("C1")), QStringLiteral("100"));
        QCOMPARE(shop.text(QStringLiteral("标签_购物车金额")), QStringLiteral("8.5"));
    }

    void clearEmptiesCartAndList() {
        SalesShop shop;
        shop.addLine(QStringLiteral("C1"), QStringLiteral("2"));
        shop.click(QStringLiteral("按钮4"));
        QCOMPARE(shop.cart()->rowCount(), 0);
        QCOMPARE(shop.products()->rowCount(), 0);
    }

    void cartTotal_data() {
        QTest::addColumn<QStringList>("prices");
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("capitals");
        QTest::newRow("0.1 + 0.2") << QStringList{"0.1", "0.2"} << "0.3" << "叁角整";
        QTest::newRow("a million in number text form") << QStringList{"1000000"} << "1000000" << "壹佰万元整";
        QTest::newRow("no single-precision loss") << QStringList{"12345.67"} << "12345.67"
                                                  << "壹万贰仟叁佰肆拾伍元陆角柒分";
    }
    void cartTotal() {
        QFETCH(QStringList, prices);
        QFETCH(QString, total);
        QFETCH(QString, capitals);
        SalesShop shop;
        for (const QString& price : prices)
            shop.addLine(QStringLiteral("B1"), QStringLiteral("1"), price);
        QCOMPARE(shop.text(QStringLiteral("标签_购物车金额")), total);
        QCOMPARE(shop.text(QStringLiteral("编辑框_合计金额到大写")), capitals);
    }

    void cartHeaderSorts() {
        SalesShop shop;
        shop.addLine(QStringLiteral("B1"), QStringLiteral("1"), QStringLiteral("10"));
        shop.addLine(QStringLiteral("C1"), QStringLiteral("1"), QStringLiteral("9"));
        shop.clickListHeader(SalesShop::kCart, 3);
        QCOMPARE(shop.listColumn(SalesShop::kCart, 3), QStringList({"9", "10"}));
        QCOMPARE(shop.listColumn(SalesShop::kCart, 0), QStringList({"1", "2"}));
    }

    void lineDialogChangesTheLine() {
        SalesShop shop;
        shop.addLine(QStringLiteral("C1"), QStringLiteral("2"), {}, QStringLiteral("a"));
        shop.prompter.answerDialog([](QDialog& dialog) {
            if (dialog.windowTitle() != QStringLiteral("  修改选中项目内容："))
                return int(QDialog::Rejected);
            dialog.findChild<QLineEdit*>(QStringLiteral("编辑框_数量"))->setText(QStringLiteral("4"));
            dialog.findChild<QLineEdit*>(QStringLiteral("编辑框_单价"))->setText(QStringLiteral("10"));
            dialog.findChild<QLineEdit*>(QStringLiteral("编辑框_备注"))->setText(QStringLiteral("b"));
            dialog.findChild<QPushButton*>(QStringLiteral("按钮1"))->click();
            return dialog.result();
        });
        shop.doubleClickListRow(SalesShop::kCart, 0);
        QVERIFY(shop.prompter.dialogAnswers.isEmpty());
        QCOMPARE(shop.listRows(SalesShop::kCart), QList<QStringList>({{"1", "C1", "大米", "10", "4", "40", "b"}}));
        QCOMPARE(shop.listedStock(QStringLiteral("C1")), QStringLiteral("96"));
        QCOMPARE(shop.text(QStringLiteral("标签_购物车金额")), QStringLiteral("40"));
    }

    void lineDialogRefusesAndCancels_data() {
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<QString>("button");
        QTest::addColumn<Messages>("expected");
        QTest::newRow("beyond stock") << "4" << "按钮1" << warning("此商品库存数量不足，且不支持负数销售！");
        QTest::newRow("zero") << "0" << "按钮1" << warning("单价或数量不能小于 0 ！");
        QTest::newRow("empty") << "" << "按钮1" << warning("单价或数量不能为空！");
        QTest::newRow("cancel") << "3" << "按钮2" << Messages();
    }
    void lineDialogRefusesAndCancels() {
        QFETCH(QString, quantity);
        QFETCH(QString, button);
        QFETCH(Messages, expected);
        SalesShop shop;
        shop.addLine(QStringLiteral("A1"), QStringLiteral("2"));
        shop.prompter.answerDialog([&](QDialog& dialog) {
            dialog.findChild<QLineEdit*>(QStringLiteral("编辑框_数量"))->setText(quantity);
            dialog.findChild<QPushButton*>(button)->click();
            return dialog.result();
        });
        shop.doubleClickListRow(SalesShop::kCart, 0);
        QCOMPARE(shop.messages(), expected);
        QCOMPARE(shop.listColumn(SalesShop::kCart, 4), QStringList({"2"}));
        QCOMPARE(shop.listedStock(QStringLiteral("A1")), QStringLiteral("1"));
        QCOMPARE(shop.text(QStringLiteral("标签_购物车金额")), QStringLiteral("10"));
    }

    void customerWithoutPrepaymentCannotPayByDeduction() {
        SalesShop shop;
        shop.pickCustomer(QStringLiteral("张三"));
        shop.pay(QStringLiteral("单选框_代扣"));
        QVERIFY(shop.radio(QStringLiteral("单选框_代扣"))->isChecked());
        shop.pickCustomer(QStringLiteral("李四"));
        QVERIFY(!shop.radio(QStringLiteral("单选框_代扣"))->isEnabled());
        QVERIFY(!shop.radio(QStringLiteral("单选框_代扣"))->isChecked());
        shop.pickCustomer(QStringLiteral("王五"));
        QVERIFY(shop.radio(QStringLiteral("单选框_代扣"))->isEnabled());
    }

    void checkoutRefusals() {
        SalesShop shop;
        shop.click(QStringLiteral("按钮3"));
        QCOMPARE(shop.messages(), warning("购物车无商品信息！"));
        shop.prompter.clear();
        shop.addLine(QStringLiteral("C1"), QStringLiteral("1"));
        shop.click(QStringLiteral("按钮3"));
        QCOMPARE(shop.messages(), warning("请选择购买商品的客户！"));
        shop.prompter.clear();
        shop.pickCustomer(QStringLiteral("李四"));
        shop.click(QStringLiteral("按钮3"));
        QCOMPARE(shop.messages(), warning("请选择结账方式！"));
        QCOMPARE(shop.stored(Tables::kSales).size(), 0);
        QCOMPARE(shop.cart()->rowCount(), 1);
    }

    void paymentStates_data() {
        QTest::addColumn<QString>("radio");
        QTest::addColumn<QString>("method");
        QTest::addColumn<QString>("balance");
        QTest::newRow("cash is stored settled") << "单选框_现款" << "已结" << "100";
        QTest::newRow("on account") << "单选框_记账" << "记账" << "100";
        QTest::newRow("prepaid") << "单选框_代扣" << "代扣" << "57";
    }
    void paymentStates() {
        QFETCH(QString, radio);
        QFETCH(QString, method);
        QFETCH(QString, balance);
        SalesShop shop;
        shop.addLine(QStringLiteral("C1"), QStringLiteral("2"), QStringLiteral("12.50"));
        shop.addLine(QStringLiteral("B1"), QStringLiteral("5"), QStringLiteral("3.6"));
        shop.checkout(QStringLiteral("张三"), radio);
        QCOMPARE(shop.storedField(Tables::kSales, QStringLiteral("方式")), QStringList({method, method}));
        QCOMPARE(shop.storedField(Tables::kSales, QStringLiteral("金额")), QStringList({"25", "18"}));
        QCOMPARE(shop.storedField(Tables::kSales, QStringLiteral("单价")), QStringList({"12.50", "3.6"}));
        QCOMPARE(shop.storedField(Tables::kCustomers, QStringLiteral("剩余金额")).first(), balance);
        QCOMPARE(shop.storedStock(QStringLiteral("C1")), QStringLiteral("98"));
        QCOMPARE(shop.storedStock(QStringLiteral("B1")), QStringLiteral("*999999*"));
    }

    void insufficientBalanceWritesNothing() {
        SalesShop shop;
        shop.addLine(QStringLiteral("C1"), QStringLiteral("1"), QStringLiteral("10.01"));
        shop.checkout(QStringLiteral("王五"), QStringLiteral("单选框_代扣"));
        QCOMPARE(shop.messages(), warning("用户代扣金额不足，请联系客户充值！\r\n王五 余额：10"));
        QCOMPARE(shop.stored(Tables::kSales).size(), 0);
        QCOMPARE(shop.storedStock(QStringLiteral("C1")), QStringLiteral("100"));
        QCOMPARE(shop.cart()->rowCount(), 1);
    }

    void balanceEqualToTheTotalBecomesZero() {
        SalesShop shop;
        shop.addLine(QStringLiteral("C1"), QStringLiteral("1"), QStringLiteral("10"));
        shop.clickListEmptySpace(SalesShop::kProducts); // empties the total label; the sum still counts
        shop.checkout(QStringLiteral("王五"), QStringLiteral("单选框_代扣"));
        QCOMPARE(shop.storedField(Tables::kCustomers, QStringLiteral("剩余金额")).last(), QStringLiteral("0"));
    }

    void deductionIsTheExactSumOfTheLines() {
        SalesShop shop;
        shop.addRecord(Tables::kCustomers, {"大客户", "批发", "真", "", "", "20000", "20000", ""});
        shop.ctx->flags.salesBrowserStale = true;
        shop.toolbar(1);
        shop.addLine(QStringLiteral("B1"), QStringLiteral("1"), QStringLiteral("12345.67"));
        shop.checkout(QStringLiteral("大客户"), QStringLiteral("单选框_代扣"));
        QCOMPARE(shop.storedField(Tables::kCustomers, QStringLiteral("剩余金额")).last(), QStringLiteral("7654.33"));
    }

    void twoLinesOfOneProductGoBelowZero() {
        SalesShop shop;
        shop.addLine(QStringLiteral("A2"), QStringLiteral("2"), QStringLiteral("2.5"));
        shop.addLine(QStringLiteral("A2"), QStringLiteral("2"), QStringLiteral("3"));
        QCOMPARE(shop.cart()->rowCount(), 2);
        shop.prompter.clear();
        shop.checkout(QStringLiteral("李四"), QStringLiteral("单选框_记账"));
        QCOMPARE(shop.messages(), Messages({{"商品销售录入成功！", MessageIcon::Information}}));
        QCOMPARE(shop.storedStock(QStringLiteral("A2")), QStringLiteral("-1"));
    }

    void failedWriteStoresNothingAndKeepsTheCart() {
        SalesShop shop;
        // The stock step fails after the balance and the records were written.
        executeOnFile(shop.databasePath(), QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE ON 商品信息 "
                                                          "BEGIN SELECT RAISE(ABORT, 'refused'); END"));
        shop.addLine(QStringLiteral("C1"), QStringLiteral("2"));
        shop.checkout(QStringLiteral("张三"), QStringLiteral("单选框_代扣"));
        QCOMPARE(shop.prompter.messages.size(), 1);
        QCOMPARE(shop.prompter.lastMessage().text, QStringLiteral("出现紧急问题，请联系开发人员！"));
        QCOMPARE(shop.prompter.lastMessage().icon, MessageIcon::Error);
        QCOMPARE(shop.stored(Tables::kSales).size(), 0);
        QCOMPARE(shop.storedField(Tables::kCustomers, QStringLiteral("剩余金额")).first(), QStringLiteral("100"));
        QCOMPARE(shop.storedStock(QStringLiteral("C1")), QStringLiteral("100"));
        QCOMPARE(shop.cart()->rowCount(), 1);
        // Once the fault is gone, the same cart goes through.
        executeOnFile(shop.databasePath(), QStringLiteral("DROP TRIGGER refuse"));
        shop.prompter.clear();
        shop.click(QStringLiteral("按钮3"));
        QCOMPARE(shop.prompter.lastMessage().text, QStringLiteral("商品销售录入成功！"));
        QCOMPARE(shop.stored(Tables::kSales).size(), 1);
        QCOMPARE(shop.storedField(Tables::kCustomers, QStringLiteral("剩余金额")).first(), QStringLiteral("75"));
    }

    void vanishedCustomerIsReportedAndNothingWritten() {
        SalesShop shop;
        executeOnFile(shop.databasePath(), QStringLiteral("DELETE FROM 客户资料 WHERE rowid = 1"));
        shop.addLine(QStringLiteral("C1"), QStringLiteral("1"));
        shop.checkout(QStringLiteral("张三"), QStringLiteral("单选框_代扣"));
        QCOMPARE(shop.messages(), warning("未找到该客户的资料，请重新选择购买客户！"));
        QCOMPARE(shop.stored(Tables::kSales).size(), 0);
        QCOMPARE(shop.storedStock(QStringLiteral("C1")), QStringLiteral("100"));
    }

    // Amounts no shop has: refused before they reach the cart, never stored as "inf".
    void extremeAmounts_data() {
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("lines");
        QTest::newRow("1e308 × 10 overflows") << "1e308" << "10" << kAmountOutOfRange << 0;
        QTest::newRow("past the capitals") << "10000000000000" << "1" << kAmountOutOfRange << 0;
        QTest::newRow("the largest amount") << "9999999999999.99" << "1" << "" << 1;
        QTest::newRow("NaN price") << "NaN" << "1" << "单价或数量不能小于 0 ！" << 0;
        QTest::newRow("inf quantity") << "5" << "inf" << "单价或数量不能小于 0 ！" << 0;
        QTest::newRow("below the tolerance") << "1e-300" << "1" << "单价或数量不能小于 0 ！" << 0;
    }
    void extremeAmounts() {
        QFETCH(QString, price);
        QFETCH(QString, quantity);
        QFETCH(QString, message);
        QFETCH(int, lines);
        SalesShop shop;
        shop.addLine(QStringLiteral("B1"), quantity, price);
        QCOMPARE(shop.messages(), message.isEmpty() ? Messages() : warning(message));
        QCOMPARE(shop.cart()->rowCount(), lines);
        if (lines == 0)
            return;
        shop.prompter.clear();
        shop.checkout(QStringLiteral("李四"), QStringLiteral("单选框_现款"));
        QCOMPARE(shop.messages(), info("商品销售录入成功！"));
        const QString amount = TextForms::numberText(TextForms::toNumber(price) * TextForms::toNumber(quantity));
        QCOMPARE(shop.storedField(Tables::kSales, QStringLiteral("金额")), QStringList({amount}));
    }

    // A second line that would take the total past the largest amount is refused too.
    void cartTotalStaysInRange() {
        SalesShop shop;
        shop.addLine(QStringLiteral("B1"), QStringLiteral("1"), QStringLiteral("9999999999999"));
        shop.prompter.clear();
        shop.addLine(QStringLiteral("C1"), QStringLiteral("1"), QStringLiteral("1"));
        QCOMPARE(shop.messages(), warning(kAmountOutOfRange));
        QCOMPARE(shop.cart()->rowCount(), 1);
    }

    void salePageScreenshot() {
        SalesShop shop;
        shop.addLine(QStringLiteral("C1"), QStringLiteral("2"));
        shop.showAll();
        QApplication::processEvents();
        QVERIFY(shop.window->grab().save(QStringLiteral(XSSJ_BINARY_DIR "/screenshots/sales.png")));
    }
};

QTEST_MAIN(SalesPageTest)
#include "tst_salespage.moc"
