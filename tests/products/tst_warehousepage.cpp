#include "support/TestShop.h"

#include "products/WarehousePage.h"
#include "store/Tables.h"
#include "ui/ListControl.h"
#include "ui/TreeControl.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QComboBox>
#include <QLineEdit>
#include <QClipboard>
#include <QTest>

namespace {

const QString kTree = QStringLiteral("树型框_商品信息");
const QString kList = QStringLiteral("超级列表框_仓库");
const QString kCategoryName = QStringLiteral("编辑框_商品分类");


// A shop with three categories and five products, on the warehouse page.
struct Warehouse : TestShop {
    Warehouse(bool seed = true) {
        if (seed) {
            for (const char* c : {"水果", "饮料", "文具"})
                addRecord(Tables::kProductCategories, {QString::fromUtf8(c)});
            addProduct({"A1", "水果", "苹果", "5.5", "假", "假", "100", "红富士"});
            addProduct({"A2", "水果", "香蕉", "3", "假", "真", "20", ""});
            addProduct({"B1", "饮料", "可乐", "3.5", "真", "假", "*999999*", "罐装"});
            addProduct({"A3", "水果", "梨", "4", "假", "假", "8", "ab"});
            addProduct({"X1", "已删分类", "孤儿", "1", "假", "假", "1", ""});
        }
        window->OnMainWindowCreated();
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            qWarning("window not exposed");
        toolbar(3);
        prompter.clear();
    }
    void addProduct(const QStringList& values) { addRecord(Tables::kProducts, values); }
    QComboBox* category() { return find<QComboBox>(QStringLiteral("组合框_商品分类")); }
    QCheckBox* box(const QString& name) { return find<QCheckBox>(name); }
    QLineEdit* edit(const QString& name) { return find<QLineEdit>(name); }
    ListControl* list() { return find<ListControl>(kList); }
    void chooseCategory(const QString& name) { category()->setCurrentIndex(category()->findText(name)); }
    void fillForm(const QString& number, const QString& categoryName, const QString& name, const QString& price,
                  const QString& quantity) {
        if (box(QStringLiteral("选择框_自动编号"))->isChecked())
            click(QStringLiteral("选择框_自动编号"));
        type(QStringLiteral("编辑框_商品编号"), number);
        chooseCategory(categoryName);
        type(QStringLiteral("编辑框_商品名称"), name);
        type(QStringLiteral("编辑框_仓库单价"), price);
        type(QStringLiteral("编辑框_库存数量"), quantity);
    }};


} // namespace

class WarehousePageTest : public QObject {
    Q_OBJECT

private slots:
    void entryNumbersAutomaticallyAndBuildsTheTreeOnce() {
        Warehouse shop;
        QVERIFY(shop.box(QStringLiteral("选择框_自动编号"))->isChecked());
        QCOMPARE(shop.text(QStringLiteral("编辑框_商品编号")), QStringLiteral("LFXS-240315143005"));
        QVERIFY(!shop.edit(QStringLiteral("编辑框_商品编号"))->isEnabled());
        QCOMPARE(shop.treeItems(kTree), QStringList({"水果", "  苹果", "  香蕉", "  梨", "饮料", "  可乐", "文具"}));
        QCOMPARE(shop.category()->count(), 3);
        QCOMPARE(shop.category()->currentIndex(), -1);
        QVERIFY(shop.ctx->flags.warehouseBrowserLoaded);
        QCOMPARE(shop.list()->rowCount(), 0);

        // Entering again does not rebuild: the tree lags behind the table.
        shop.addRecord(Tables::kProductCategories, {QStringLiteral("新分类")});
        shop.clock.set(QDateTime(QDate(2025, 1, 2), QTime(3, 4, 5)));
        shop.toolbar(3);
        QCOMPARE(shop.find<TreeControl>(kTree)->topLevelItemCount(), 3);
        QCOMPARE(shop.text(QStringLiteral("编辑框_商品编号")), QStringLiteral("LFXS-250102030405"));
        // After a sale cleared the flag, the next entry rebuilds.
        shop.ctx->flags.warehouseBrowserLoaded = false;
        shop.toolbar(3);
        QCOMPARE(shop.find<TreeControl>(kTree)->topLevelItemCount(), 4);
    }

    void pageShowsCategoriesListAndForm() {
        Warehouse shop;
        shop.click(QStringLiteral("按钮28"));
        QApplication::processEvents(); // rows reach the view when the event loop turns
        QDir().mkpath(QStringLiteral(XSSJ_BINARY_DIR "/screenshots"));
        QVERIFY(shop.window->grab().save(QStringLiteral(XSSJ_BINARY_DIR "/screenshots/warehouse.png")));
        for (const char* name : {"树型框_商品信息", "超级列表框_仓库", "编辑框_商品名称", "按钮9", "按钮12"})
            QVERIFY2(shop.control(QString::fromUtf8(name))->isVisible(), name);
    }

    void addCategory_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<Messages>("expected");
        QTest::addColumn<bool>("stored");
        QTest::newRow("new") << "零食" << info("商品分类添加成功！") << true;
        QTest::newRow("only spaces") << "   " << warning("请输入商品分类内容！") << false;
        QTest::newRow("full-width spaces") << "\u3000\u3000" << warning("请输入商品分类内容！") << false;
        QTest::newRow("existing") << "水果" << warning("添加的分类已经存在，请修改！") << false;
        QTest::newRow("trailing space is another name") << "水果 " << info("商品分类添加成功！") << true;
        QTest::newRow("leading space is another name") << " 水果" << info("商品分类添加成功！") << true;
    }
    void addCategory() {
        QFETCH(QString, name);
        QFETCH(Messages, expected);
        QFETCH(bool, stored);
        Warehouse shop;
        shop.ctx->flags.salesBrowserStale = false;
        shop.type(kCategoryName, name);
        shop.click(QStringLiteral("按钮5"));
        QCOMPARE(shop.messages(), expected);
        QStringList categories = shop.storedField(Tables::kProductCategories, QStringLiteral("分类"));
        QCOMPARE(categories.size(), stored ? 4 : 3);
        if (stored) {
            QCOMPARE(categories.last(), name);
            QCOMPARE(shop.find<TreeControl>(kTree)->topLevelItem(3)->text(0), name);
            QCOMPARE(shop.text(kCategoryName), QString());
            QVERIFY(shop.ctx->flags.salesBrowserStale);
        } else {
            QCOMPARE(shop.text(kCategoryName), name);
            QVERIFY(!shop.ctx->flags.salesBrowserStale);
        }
    }

    void renameRefusals_data() {
        QTest::addColumn<QString>("select");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("nothing selected") << "" << "新" << "请选择要修改的商品分类！";
        QTest::newRow("product node") << "水果/苹果" << "新" << "请选择要修改的商品分类，不要选择项目！";
        QTest::newRow("blank name") << "水果" << " \u3000" << "请输入商品分类内容！";
        QTest::newRow("own name") << "水果" << "水果" << "要修改的分类已经存在，请修改！";
        QTest::newRow("other existing name") << "水果" << "饮料" << "要修改的分类已经存在，请修改！";
    }
    void renameRefusals() {
        QFETCH(QString, select);
        QFETCH(QString, name);
        QFETCH(QString, message);
        Warehouse shop;
        if (!select.isEmpty())
            shop.clickTreeItem(kTree, select);
        shop.type(kCategoryName, name);
        shop.prompter.clear();
        shop.click(QStringLiteral("按钮6"));
        QCOMPARE(shop.messages(), warning(message));
        QCOMPARE(shop.storedField(Tables::kProductCategories, QStringLiteral("分类")), QStringList({"水果", "饮料", "文具"}));
    }

    void renameRewritesTheCategoryAndItsProducts() {
        Warehouse shop;
        shop.clickTreeItem(kTree, QStringLiteral("水果"));
        QCOMPARE(shop.text(kCategoryName), QStringLiteral("水果"));
        shop.type(kCategoryName, QStringLiteral("鲜果"));
        shop.prompter.clear();
        shop.click(QStringLiteral("按钮6"));
        QCOMPARE(shop.messages(), info("修改分类成功！"));
        QCOMPARE(shop.storedField(Tables::kProductCategories, QStringLiteral("分类")), QStringList({"鲜果", "饮料", "文具"}));
        QCOMPARE(shop.storedField(Tables::kProducts, QStringLiteral("分类")),
                 QStringList({"鲜果", "鲜果", "饮料", "鲜果", "已删分类"}));
        QCOMPARE(shop.treeItems(kTree), QStringList({"鲜果", "  苹果", "  香蕉", "  梨", "饮料", "  可乐", "文具"}));
        QCOMPARE(shop.list()->rowCount(), 0);
        QCOMPARE(shop.category()->currentIndex(), -1);
        QCOMPARE(shop.text(kCategoryName), QString());
    }

    void deleteRefusesNothingOrAProductNode_data() {
        QTest::addColumn<QString>("select");
        QTest::newRow("nothing selected") << "";
        QTest::newRow("product node") << "水果/苹果";
    }
    void deleteRefusesNothingOrAProductNode() {
        QFETCH(QString, select);
        Warehouse shop;
        // A product named like a category must not take that category with it.
        shop.addProduct({"Z9", "水果", "饮料", "1", "假", "假", "1", ""});
        shop.click(QStringLiteral("按钮28"));
        if (!select.isEmpty())
            shop.clickTreeItem(kTree, select);
        shop.prompter.clear();
        shop.click(QStringLiteral("按钮7"));
        QCOMPARE(shop.messages(), warning("请选择要删除的商品分类！"));
        QCOMPARE(shop.stored(Tables::kProductCategories).size(), 3);
        QCOMPARE(shop.stored(Tables::kProducts).size(), 6);
    }

    void deleteRemovesTheCategoryAndEveryProductOfIt() {
        Warehouse shop;
        shop.clickTreeItem(kTree, QStringLiteral("水果"));
        shop.prompter.clear();
        shop.click(QStringLiteral("按钮7"));
        QCOMPARE(shop.messages(), info("删除分类成功"));
        QCOMPARE(shop.storedField(Tables::kProductCategories, QStringLiteral("分类")), QStringList({"饮料", "文具"}));
        // A1 and A2 stood one after the other: both went.
        QCOMPARE(shop.storedField(Tables::kProducts, QStringLiteral("编号")), QStringList({"B1", "X1"}));
        QCOMPARE(shop.treeItems(kTree), QStringList({"饮料", "  可乐", "文具"}));
        QVERIFY(shop.ctx->flags.salesBrowserStale);
    }

    void showAllListsRecordNumbersAndOrphans() {
        Warehouse shop;
        shop.click(QStringLiteral("按钮28"));
        QCOMPARE(shop.listColumn(kList, 0), QStringList({"1", "2", "3", "4", "5"}));
        QCOMPARE(shop.listRows(kList)[2],
                 QStringList({"3", "B1", "饮料", "可乐", "3.5", "不支持", "*999999*", "罐装"}));
        QCOMPARE(shop.listRows(kList)[1][5], QStringLiteral("支持"));
        QCOMPARE(shop.list()->cellIcon(1, 5), 1);
        QCOMPARE(shop.list()->cellIcon(0, 5), 0);
        QCOMPARE(shop.listRows(kList)[4][3], QStringLiteral("孤儿"));
        QVERIFY(!shop.treeItems(kTree).contains(QStringLiteral("  孤儿")));
    }

    void categoryClickListsItsProductsAndClearsTheForm() {
        Warehouse shop;
        shop.type(QStringLiteral("编辑框_商品名称"), QStringLiteral("草稿"));
        shop.clickTreeItem(kTree, QStringLiteral("水果"));
        QCOMPARE(shop.listColumn(kList, 3), QStringList({"苹果", "香蕉", "梨"}));
        QCOMPARE(shop.listColumn(kList, 0), QStringList({"1", "2", "3"}));
        QCOMPARE(shop.text(kCategoryName), QStringLiteral("水果"));
        QCOMPARE(shop.text(QStringLiteral("编辑框_商品名称")), QString());
        QCOMPARE(shop.list()->currentRow(), -1);
    }

    void productClickListsEveryProductOfThatNameAndShowsTheFirst() {
        Warehouse shop;
        shop.addProduct({"C7", "文具", "苹果", "9", "假", "真", "*999999*", "同名"});
        shop.toolbar(3);
        shop.ctx->flags.warehouseBrowserLoaded = false;
        shop.toolbar(3);
        shop.clickTreeItem(kTree, QStringLiteral("文具/苹果"));
        QCOMPARE(shop.listColumn(kList, 1), QStringList({"A1", "C7"}));
        QCOMPARE(shop.list()->currentRow(), 0);
        QCOMPARE(shop.text(QStringLiteral("编辑框_商品编号")), QStringLiteral("A1"));
        QCOMPARE(shop.text(QStringLiteral("编辑框_商品名称")), QStringLiteral("苹果"));
        QCOMPARE(shop.text(QStringLiteral("编辑框_仓库单价")), QStringLiteral("5.5"));
        QCOMPARE(shop.text(QStringLiteral("编辑框_商品备注")), QStringLiteral("红富士"));
        QCOMPARE(shop.category()->currentText(), QStringLiteral("水果"));
        QCOMPARE(shop.text(kCategoryName), QString());
    }

    void arrowKeysInTheTreeChangeNothing() {
        Warehouse shop;
        shop.clickTreeItem(kTree, QStringLiteral("饮料"));
        auto* tree = shop.find<TreeControl>(kTree);
        tree->setFocus();
        QTest::keyClick(tree, Qt::Key_Up);
        QCOMPARE(shop.listColumn(kList, 3), QStringList({"可乐"}));
        QCOMPARE(shop.text(kCategoryName), QStringLiteral("饮料"));
    }

    void selectedRowFillsTheForm() {
        Warehouse shop;
        shop.click(QStringLiteral("按钮28"));
        shop.chooseCategory(QStringLiteral("文具"));
        shop.clickListRow(kList, 2); // 可乐: unlimited
        QVERIFY(shop.box(QStringLiteral("选择框_无限库存"))->isChecked());
        QCOMPARE(shop.text(QStringLiteral("编辑框_库存数量")), QStringLiteral("*999999*"));
        QVERIFY(!shop.box(QStringLiteral("选择框_负数销售"))->isChecked());
        QVERIFY(!shop.edit(QStringLiteral("编辑框_商品编号"))->isEnabled());
        shop.clickListRow(kList, 1); // 香蕉: negative sales
        QVERIFY(shop.box(QStringLiteral("选择框_负数销售"))->isChecked());
        QVERIFY(!shop.box(QStringLiteral("选择框_无限库存"))->isChecked());
        shop.clickListRow(kList, 4); // 孤儿: its category has no item, the choice stays
        QCOMPARE(shop.category()->currentText(), QStringLiteral("水果"));
        shop.clickListEmptySpace(kList);
        QCOMPARE(shop.text(QStringLiteral("编辑框_商品名称")), QString());
        QCOMPARE(shop.text(QStringLiteral("编辑框_商品编号")), QStringLiteral("LFXS-240315143005"));
    }

    void numberingModes() {
        Warehouse shop;
        shop.click(QStringLiteral("选择框_自动编号"));
        QCOMPARE(shop.text(QStringLiteral("编辑框_商品编号")), QStringLiteral("LFXS-"));
        QVERIFY(shop.edit(QStringLiteral("编辑框_商品编号"))->isEnabled());
        shop.type(QStringLiteral("编辑框_商品编号"), QStringLiteral("LFXS-77"));
        shop.type(QStringLiteral("编辑框_首部字母"), QStringLiteral("QT-"));
        QCOMPARE(shop.text(QStringLiteral("编辑框_商品编号")), QStringLiteral("QT-"));
        shop.click(QStringLiteral("选择框_自动编号"));
        QCOMPARE(shop.text(QStringLiteral("编辑框_商品编号")), QStringLiteral("QT-240315143005"));
        QVERIFY(!shop.edit(QStringLiteral("编辑框_商品编号"))->isEnabled());
        // With automatic numbering on, a prefix change waits for the next reset.
        shop.type(QStringLiteral("编辑框_首部字母"), QStringLiteral("N"));
        QCOMPARE(shop.text(QStringLiteral("编辑框_商品编号")), QStringLiteral("QT-240315143005"));
        shop.click(QStringLiteral("按钮8"));
        QCOMPARE(shop.text(QStringLiteral("编辑框_商品编号")), QStringLiteral("N240315143005"));
    }

    void unlimitedStockBox() {
        Warehouse shop;
        shop.click(QStringLiteral("选择框_无限库存"));
        QCOMPARE(shop.text(QStringLiteral("编辑框_库存数量")), QStringLiteral("*999999*"));
        QVERIFY(!shop.edit(QStringLiteral("编辑框_库存数量"))->isReadOnly());
        shop.click(QStringLiteral("选择框_无限库存"));
        QCOMPARE(shop.text(QStringLiteral("编辑框_库存数量")), QString());
    }

    void addProductRefusals_data() {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<QString>("message");
        QTest::newRow("no number") << "  " << "水果" << "新" << "1" << "1" << "请填写商品编号！";
        QTest::newRow("one chinese character") << "号" << "水果" << "新" << "1" << "1" << "商品编号不能有汉字！";
        QTest::newRow("chinese only") << "编号" << "水果" << "新" << "1" << "1" << "商品编号不能有汉字！";
        QTest::newRow("no category") << "N1" << "" << "新" << "1" << "1" << "请选择商品分类！";
        QTest::newRow("no name") << "N1" << "水果" << " " << "1" << "1" << "请填写商品名称！";
        QTest::newRow("no price") << "N1" << "水果" << "新" << "" << "1" << "请填写销售单价！";
        QTest::newRow("no quantity") << "N1" << "水果" << "新" << "1" << "\u3000" << "请填写库存数量！";
        QTest::newRow("number in other case") << "a1" << "水果" << "新" << "1" << "1" << "商品编号或名称已存在，请修改！";
        QTest::newRow("same name") << "N1" << "饮料" << "苹果" << "1" << "1" << "商品编号或名称已存在，请修改！";
    }
    void addProductRefusals() {
        QFETCH(QString, number);
        QFETCH(QString, category);
        QFETCH(QString, name);
        QFETCH(QString, price);
        QFETCH(QString, quantity);
        QFETCH(QString, message);
        Warehouse shop;
        shop.fillForm(number, category, name, price, quantity);
        shop.click(QStringLiteral("按钮9"));
        QCOMPARE(shop.messages(), warning(message));
        QCOMPARE(shop.stored(Tables::kProducts).size(), 5);
        QCOMPARE(shop.text(QStringLiteral("编辑框_商品名称")), name); // the form stays as it was
    }

    void addProductStoresTheFormAndAppendsARow_data() {
        QTest::addColumn<QString>("number");
        QTest::addColumn<bool>("unlimited");
        QTest::addColumn<bool>("negative");
        QTest::newRow("lower-case number, plain stock") << "ab-1" << false << false;
        QTest::newRow("unlimited stock") << "Q1" << true << false;
        QTest::newRow("negative sales, mixed number") << "中A" << false << true;
        QTest::newRow("single byte number") << "7" << false << false;
    }
    void addProductStoresTheFormAndAppendsARow() {
        QFETCH(QString, number);
        QFETCH(bool, unlimited);
        QFETCH(bool, negative);
        Warehouse shop;
        shop.click(QStringLiteral("按钮28"));
        shop.ctx->flags.salesBrowserStale = false;
        shop.fillForm(number, QStringLiteral("饮料"), QStringLiteral(" 雪碧 "), QStringLiteral("12.50"),
                      QStringLiteral("24"));
        if (unlimited)
            shop.click(QStringLiteral("选择框_无限库存"));
        if (negative)
            shop.click(QStringLiteral("选择框_负数销售"));
        shop.type(QStringLiteral("编辑框_商品备注"), QStringLiteral("冰镇"));
        shop.click(QStringLiteral("按钮9"));
        QCOMPARE(shop.messages(), info("添加商品信息成功！"));
        StoredRecord record = shop.stored(Tables::kProducts).last();
        QCOMPARE(record.value(QStringLiteral("编号")), number.toUpper());
        QCOMPARE(record.value(QStringLiteral("分类")), QStringLiteral("饮料"));
        QCOMPARE(record.value(QStringLiteral("名称")), QStringLiteral(" 雪碧 "));
        QCOMPARE(record.value(QStringLiteral("单价")), QStringLiteral("12.50"));
        QCOMPARE(record.value(QStringLiteral("无限")), unlimited ? QStringLiteral("真") : QStringLiteral("假"));
        QCOMPARE(record.value(QStringLiteral("负数")), negative ? QStringLiteral("真") : QStringLiteral("假"));
        QCOMPARE(record.value(QStringLiteral("数量")), unlimited ? QStringLiteral("*999999*") : QStringLiteral("24"));
        QCOMPARE(record.value(QStringLiteral("备注")), QStringLiteral("冰镇"));
        QStringList row = shop.listRows(kList).last();
        QCOMPARE(row[0], QStringLiteral("6"));
        QCOMPARE(row[1], number); // as typed until the list is rebuilt
        QCOMPARE(row[5], negative ? QStringLiteral("支持") : QStringLiteral("不支持"));
        QCOMPARE(shop.list()->cellIcon(5, 5), negative ? 1 : 0);
        QVERIFY(shop.ctx->flags.salesBrowserStale);
        QCOMPARE(shop.category()->currentText(), QStringLiteral("饮料"));
        QCOMPARE(shop.text(QStringLiteral("编辑框_商品名称")), QString());
        // The tree is not rebuilt by product changes.
        QVERIFY(!shop.treeItems(kTree).contains(QStringLiteral("   雪碧 ")));
    }

    void addedLowerCaseNumberIsRefusedInEitherCase() {
        Warehouse shop;
        shop.fillForm(QStringLiteral("zz"), QStringLiteral("水果"), QStringLiteral("甲"), QStringLiteral("1"),
                      QStringLiteral("1"));
        shop.click(QStringLiteral("按钮9"));
        shop.prompter.clear();
        shop.fillForm(QStringLiteral("ZZ"), QStringLiteral("水果"), QStringLiteral("乙"), QStringLiteral("1"),
                      QStringLiteral("1"));
        shop.click(QStringLiteral("按钮9"));
        QCOMPARE(shop.messages(), warning("商品编号或名称已存在，请修改！"));
    }

    void modifyRefusals() {
        Warehouse shop;
        shop.click(QStringLiteral("按钮10"));
        QCOMPARE(shop.messages(), warning("请选择要修改的商品项目！"));
        shop.prompter.clear();
        shop.click(QStringLiteral("按钮28"));
        shop.clickListRow(kList, 4); // 孤儿: no category item chosen
        shop.click(QStringLiteral("按钮10"));
        QCOMPARE(shop.messages(), warning("请选择商品分类！"));
        shop.prompter.clear();
        shop.clickListRow(kList, 0);
        shop.type(QStringLiteral("编辑框_仓库单价"), QStringLiteral(" "));
        shop.click(QStringLiteral("按钮10"));
        QCOMPARE(shop.messages(), warning("请填写销售单价！"));
    }

    void modifyRewritesAllButTheNumber() {
        Warehouse shop;
        shop.click(QStringLiteral("按钮28"));
        shop.clickListRow(kList, 0);
        shop.chooseCategory(QStringLiteral("文具"));
        shop.type(QStringLiteral("编辑框_商品名称"), QStringLiteral("香蕉")); // another product's name is allowed
        shop.type(QStringLiteral("编辑框_仓库单价"), QStringLiteral("6"));
        shop.click(QStringLiteral("选择框_无限库存"));
        shop.click(QStringLiteral("选择框_负数销售"));
        shop.ctx->flags.salesBrowserStale = false;
        shop.click(QStringLiteral("按钮10"));
        QCOMPARE(shop.messages(), info("修改商品信息成功！"));
        StoredRecord record = shop.stored(Tables::kProducts).first();
        QCOMPARE(record.value(QStringLiteral("编号")), QStringLiteral("A1"));
        QCOMPARE(record.value(QStringLiteral("分类")), QStringLiteral("文具"));
        QCOMPARE(record.value(QStringLiteral("名称")), QStringLiteral("香蕉"));
        QCOMPARE(record.value(QStringLiteral("单价")), QStringLiteral("6"));
        QCOMPARE(record.value(QStringLiteral("无限")), QStringLiteral("真"));
        QCOMPARE(record.value(QStringLiteral("负数")), QStringLiteral("真"));
        QCOMPARE(record.value(QStringLiteral("数量")), QStringLiteral("*999999*"));
        QCOMPARE(shop.listRows(kList)[0],
                 QStringList({"1", "A1", "文具", "香蕉", "6", "支持", "*999999*", "红富士"}));
        QCOMPARE(shop.list()->cellIcon(0, 5), 1);
        QCOMPARE(shop.list()->currentRow(), -1);
        QVERIFY(shop.ctx->flags.salesBrowserStale);
    }

    void modifyOfAVanishedNumberWritesNothing() {
        Warehouse shop;
        shop.click(QStringLiteral("按钮28"));
        shop.clickListRow(kList, 0);
        shop.list()->setCell(0, 1, QStringLiteral("GONE"));
        shop.clickListRow(kList, 0);
        shop.type(QStringLiteral("编辑框_商品名称"), QStringLiteral("改名"));
        shop.click(QStringLiteral("按钮10"));
        QCOMPARE(shop.messages(), Messages());
        QCOMPARE(shop.storedField(Tables::kProducts, QStringLiteral("名称")).first(), QStringLiteral("苹果"));
        QCOMPARE(shop.text(QStringLiteral("编辑框_商品名称")), QString());
    }

    void deleteRemovesTheProductAndRenumbers() {
        Warehouse shop;
        shop.click(QStringLiteral("按钮11"));
        QCOMPARE(shop.messages(), warning("请选择要删除的商品项目！"));
        shop.prompter.clear();
        shop.click(QStringLiteral("按钮28"));
        shop.clickListHeader(kList, 3); // sorted by name: 可乐 梨 苹果 孤儿 香蕉 (GBK)
        shop.clickListRow(kList, 1);
        QString number = shop.listRows(kList)[1][1];
        shop.click(QStringLiteral("按钮11"));
        QCOMPARE(shop.messages(), info("删除商品信息成功"));
        QVERIFY(!shop.storedField(Tables::kProducts, QStringLiteral("编号")).contains(number));
        QCOMPARE(shop.listColumn(kList, 0), QStringList({"1", "2", "3", "4"}));
        QVERIFY(!shop.listColumn(kList, 1).contains(number));
        QCOMPARE(shop.list()->currentRow(), -1);
    }

    void headerClickSortsAndRenumbers() {
        Warehouse shop;
        shop.click(QStringLiteral("按钮28"));
        shop.clickListHeader(kList, 4);
        QCOMPARE(shop.listColumn(kList, 4), QStringList({"1", "3", "3.5", "4", "5.5"}));
        QCOMPARE(shop.listColumn(kList, 0), QStringList({"1", "2", "3", "4", "5"}));
        shop.clickListHeader(kList, 6); // *999999* counts as 0
        QCOMPARE(shop.listColumn(kList, 6), QStringList({"*999999*", "1", "8", "20", "100"}));
    }

    void search_data() {
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QStringList>("numbers");
        QTest::addColumn<Messages>("expected");
        QTest::newRow("by number") << "A" << QStringList{"A1", "A2", "A3"} << Messages();
        QTest::newRow("by name") << "可" << QStringList{"B1"} << Messages();
        QTest::newRow("by remark") << "罐" << QStringList{"B1"} << Messages();
        QTest::newRow("case-sensitive") << "AB" << QStringList{} << warning("无信息！");
        QTest::newRow("lower case finds lower case") << "ab" << QStringList{"A3"} << Messages();
        QTest::newRow("spaces are part of it") << " 苹果" << QStringList{} << warning("无信息！");
        QTest::newRow("only spaces") << "  " << QStringList{"keep"} << warning("请输入要查询的关键字！");
    }
    void search() {
        QFETCH(QString, keyword);
        QFETCH(QStringList, numbers);
        QFETCH(Messages, expected);
        Warehouse shop;
        shop.list()->addRow({"0", "keep"});
        shop.type(QStringLiteral("编辑框_关键字"), keyword);
        shop.click(QStringLiteral("按钮12"));
        QCOMPARE(shop.messages(), expected);
        QCOMPARE(shop.listColumn(kList, 1), numbers);
    }

    void enterInTheKeywordBoxSearches() {
        Warehouse shop;
        shop.type(QStringLiteral("编辑框_关键字"), QStringLiteral("梨"));
        QTest::keyClick(shop.edit(QStringLiteral("编辑框_关键字")), Qt::Key_Return);
        QCOMPARE(shop.listColumn(kList, 1), QStringList({"A3"}));
        QCOMPARE(shop.listColumn(kList, 0), QStringList({"1"}));
    }

    // Texts the code page cannot hold are refused as they are pasted; the box keeps
    // what it had, and what is stored is what the box shows.
    void pastedTextsOutsideTheCodePageAreRefused_data() {
        QTest::addColumn<QString>("pasted");
        QTest::newRow("emoji") << QStringLiteral("冰\U0001F600");
        QTest::newRow("hangul") << QStringLiteral("한글");
        QTest::newRow("thai") << QStringLiteral("abc\u0E01");
        QTest::newRow("mapped one way only") << QStringLiteral("\u206B"); // found by the codec fuzzer
    }
    void pastedTextsOutsideTheCodePageAreRefused() {
        QFETCH(QString, pasted);
        Warehouse shop;
        shop.fillForm(QStringLiteral("Z1"), QStringLiteral("饮料"), QStringLiteral("雪碧"), QStringLiteral("3"),
                      QStringLiteral("10"));
        QLineEdit* name = shop.edit(QStringLiteral("编辑框_商品名称"));
        QApplication::clipboard()->setText(pasted);
        name->setFocus();
        name->end(false);
        name->paste();
        QCOMPARE(name->text(), QStringLiteral("雪碧"));
        QApplication::clipboard()->setText(QStringLiteral("可乐"));
        name->paste(); // the box itself still takes text it can store
        QCOMPARE(name->text(), QStringLiteral("雪碧可乐"));
        shop.click(QStringLiteral("按钮9"));
        QCOMPARE(shop.messages(), info("添加商品信息成功！"));
        QCOMPARE(shop.stored(Tables::kProducts).last().value(QStringLiteral("名称")), QStringLiteral("雪碧可乐"));
    }

    // Very long texts and control characters are stored and read back exactly as the box holds them.
    void unusualTextsAreStoredWhole_data() {
        QTest::addColumn<QString>("remark");
        QTest::newRow("a megabyte") << QString(1 << 20, QChar(0x7C73));
        QTest::newRow("control characters") << QStringLiteral("a\tb\u0001c\u0010d\u007f\re\u001b");
    }
    void unusualTextsAreStoredWhole() {
        QFETCH(QString, remark);
        Warehouse shop;
        shop.fillForm(QStringLiteral("Z1"), QStringLiteral("饮料"), QStringLiteral("雪碧"), QStringLiteral("3"),
                      QStringLiteral("10"));
        shop.type(QStringLiteral("编辑框_商品备注"), remark);
        const QString held = shop.text(QStringLiteral("编辑框_商品备注"));
        QVERIFY(remark.startsWith(held)); // a box holds at most its maximum length
        shop.click(QStringLiteral("按钮9"));
        QCOMPARE(shop.messages(), info("添加商品信息成功！"));
        QCOMPARE(shop.stored(Tables::kProducts).last().value(QStringLiteral("备注")), held);
        shop.click(QStringLiteral("按钮28"));
        QCOMPARE(shop.listRows(kList).last()[7], held);
    }

    // The file deleted while the program runs: empty lists, the operator told once
    // (not at every walk), and no new empty file made in its place.
    void deletedDatabaseShowsEmptyListsToldOnce() {
        Warehouse shop(false);
        QFile::remove(shop.databasePath());
        shop.ctx->db.Close();
        shop.ctx->flags.warehouseBrowserLoaded = false;
        shop.toolbar(3);
        shop.click(QStringLiteral("按钮28"));
        QCOMPARE(shop.find<TreeControl>(kTree)->topLevelItemCount(), 0);
        QCOMPARE(shop.messages(), warning(QStringLiteral("找不到数据库文件：%1\r\n程序将照常运行，但数据无法读取，所做的修改也不会被保存。")
                                              .arg(shop.databasePath())));
        QVERIFY(!QFile::exists(shop.databasePath()));
    }
};

QTEST_MAIN(WarehousePageTest)
#include "tst_warehousepage.moc"
