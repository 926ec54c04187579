#include "support/TestShop.h"

#include "query/QueryPage.h"
#include "query/SpreadsheetExport.h"
#include "store/SqliteDB.h"
#include "store/Tables.h"
#include "ui/ListControl.h"
#include "ui/WorkProgress.h"
#include "util/FindText.h"
#include "util/Gbk.h"

#include <QAction>
#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {


const QString kList = QStringLiteral("超级列表框_查询");

// Six sales: two identical ones (1 and 5), one 代扣, one in a state no button sets.
struct QueryShop : TestShop {
    QueryShop() {
        addSale({"2024年3月1日", "张三", "A1", "苹果", "5", "2", "10", "红色 蓝色", "已结"});
        addSale({"2024年3月2日9时30分", "李四", "B1", "可乐", "3.5", "2", "7", "", "记账"});
        addSale({"2024年3月3日23时59分", "张三", "C1", "abc<b>&", "2.5", "1", "2.5", "", "代扣"});
        addSale({"2024年3月4日", "王五", "A1", "苹果", "5", "3.5", "17.5", "ABC", "已结"});
        addSale({"2024年3月1日", "张三", "A1", "苹果", "5", "2", "10", "红色 蓝色", "已结"});
        addSale({"2024年3月5日", "李四", "D1", "大米", "10", "1", "10", "", "其他"});
        window->OnMainWindowCreated();
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            qWarning("window not exposed");
        toolbar(7);
        prompter.clear();
    }
    void addSale(const QStringList& values) { addRecord(Tables::kSales, values); }
    ListControl* list() { return find<ListControl>(kList); }
    void loadRange(const QDate& from, const QDate& to) {
        find<QDateEdit>(QStringLiteral("日期框_起"))->setDate(from);
        find<QDateEdit>(QStringLiteral("日期框_止"))->setDate(to);
        click(QStringLiteral("按钮23"));
    }
    void loadAll() { loadRange(QDate(2024, 1, 1), QDate(2024, 12, 31)); }
    void keyword(const QString& text) {
        type(QStringLiteral("编辑框_查询关键字"), text);
        click(QStringLiteral("按钮_查询"));
    }
    void selectRows(const QList<int>& rows) {
        list()->setCurrentRow(-1);
        for (int r : rows)
            list()->selectRow(r, true);
        if (!rows.isEmpty())
            list()->selectionModel()->setCurrentIndex(list()->listModel()->index(rows.first(), 0),
                                                      QItemSelectionModel::NoUpdate);
        emit list()->leftClicked(rows.isEmpty() ? -1 : rows.first());
    }
    void menuItem(const QString& name) {
        auto* menu = find<QMenu>(QStringLiteral("查询右键"));
        menu->findChild<QAction*>(name)->trigger();
    }
    QStringList storedMethods() const {
        QStringList out;
        for (const StoredRecord& r : stored(Tables::kSales))
            out << r.value(QStringLiteral("方式"));
        return out;
    }};

struct ShowCounter : QObject {
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        count += event->type() == QEvent::Show;
        return false;
    }
};

QStringList fileLines(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = f.readAll();
    if (bytes.isEmpty())
        return {QStringLiteral("empty file")};
    if (!bytes.endsWith("\r\n"))
        return {QStringLiteral("no CR LF at the end")};
    bytes.chop(1); // the last line keeps its CR like the others
    QStringList lines;
    for (const QByteArray& line : bytes.split('\n')) {
        if (!line.endsWith('\r'))
            return {QStringLiteral("a line without CR")};
        lines << Gbk::toUnicode(line.chopped(1));
    }
    return lines;
}

} // namespace

class QueryPageTest : public QObject {
    Q_OBJECT

private slots:
    void keywordQuery_data() {
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QStringList>("numbers");
        QTest::addColumn<Messages>("expected");
        QTest::newRow("customer") << "张三" << QStringList{"A1", "C1", "A1"} << Messages();
        QTest::newRow("name") << "可乐" << QStringList{"B1"} << Messages();
        QTest::newRow("remark with inner space") << "红色 蓝色" << QStringList{"A1", "A1"} << Messages();
        QTest::newRow("words without the space") << "红色蓝色" << QStringList{} << warning("无信息！");
        QTest::newRow("case-sensitive") << "abc" << QStringList{"C1"} << Messages();
        QTest::newRow("upper case") << "ABC" << QStringList{"A1"} << Messages();
        QTest::newRow("number is not searched") << "D1" << QStringList{} << warning("无信息！");
        QTest::newRow("date is not searched") << "2024" << QStringList{} << warning("无信息！");
        QTest::newRow("only spaces") << " \u3000 " << QStringList{"keep"} << warning("请输入要查询的内容！");
    }
    void keywordQuery() {
        QFETCH(QString, keyword);
        QFETCH(QStringList, numbers);
        QFETCH(Messages, expected);
        QueryShop shop;
        shop.list()->addRow({"1", "", "", "keep"});
        shop.keyword(keyword);
        QCOMPARE(shop.messages(), expected);
        QCOMPARE(shop.listColumn(kList, 3), numbers);
        if (numbers.isEmpty())
            QCOMPARE(shop.text(QStringLiteral("标签_查询金额合计")), QString());
    }

    void enterInTheKeywordBoxLoads() {
        QueryShop shop;
        shop.type(QStringLiteral("编辑框_查询关键字"), QStringLiteral("王五"));
        QTest::keyClick(shop.find<QLineEdit>(QStringLiteral("编辑框_查询关键字")), Qt::Key_Return);
        QCOMPARE(shop.listRows(kList),
                 QList<QStringList>({{"1", "2024年3月4日", "王五", "A1", "苹果", "5", "3.5", "17.5", "已结", "ABC"}}));
        QCOMPARE(shop.list()->cellIcon(0, 8), 0);
    }

    void dateRange_data() {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<QStringList>("numbers");
        QTest::newRow("inclusive, time of day ignored") << QDate(2024, 3, 2) << QDate(2024, 3, 3) << QStringList{"B1", "C1"};
        QTest::newRow("one day") << QDate(2024, 3, 1) << QDate(2024, 3, 1) << QStringList{"A1", "A1"};
        QTest::newRow("start after end") << QDate(2024, 3, 4) << QDate(2024, 3, 1) << QStringList{};
    }
    void dateRange() {
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        QFETCH(QStringList, numbers);
        QueryShop shop;
        shop.loadRange(from, to);
        QCOMPARE(shop.listColumn(kList, 3), numbers);
        QCOMPARE(shop.messages(), numbers.isEmpty() ? warning("无信息！") : Messages());
    }

    void stateIconsFollowTheText() {
        QueryShop shop;
        shop.loadAll();
        QList<int> icons;
        for (int r = 0; r < 6; ++r)
            icons << shop.list()->cellIcon(r, 8);
        QCOMPARE(icons, QList<int>({0, 2, 5, 0, 0, -1}));
    }

    void customerChoiceHoldsCustomersInOrderOfAppearance() {
        QueryShop shop;
        shop.loadAll();
        auto* combo = shop.find<QComboBox>(QStringLiteral("组合框_查询客户"));
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        QCOMPARE(items, QStringList({"张三", "李四", "王五"}));
        QCOMPARE(combo->currentIndex(), -1);
        shop.choose(QStringLiteral("组合框_查询客户"), QStringLiteral("李四"));
        QCOMPARE(shop.listColumn(kList, 3), QStringList({"B1", "D1"}));
        QCOMPARE(shop.listColumn(kList, 0), QStringList({"1", "2"}));
        QCOMPARE(shop.text(QStringLiteral("标签_查询金额合计")), QStringLiteral("17"));
    }

    void amountFilter_data() {
        QTest::addColumn<QString>("low");
        QTest::addColumn<QString>("high");
        QTest::addColumn<QStringList>("amounts");
        QTest::newRow("exactly 10") << "10" << "10" << QStringList{"10", "10", "10"};
        QTest::newRow("2.5 to 7") << "2.5" << "7" << QStringList{"7", "2.5"};
        QTest::newRow("upside down empties") << "20" << "10" << QStringList{};
        QTest::newRow("empty bound does nothing") << "" << "10" << QStringList{"10", "7", "2.5", "17.5", "10", "10"};
    }
    void amountFilter() {
        QFETCH(QString, low);
        QFETCH(QString, high);
        QFETCH(QStringList, amounts);
        QueryShop shop;
        shop.loadAll();
        shop.type(QStringLiteral("编辑框_查询金额起"), low);
        shop.type(QStringLiteral("编辑框_查询金额止"), high);
        shop.click(QStringLiteral("按钮24"));
        QCOMPARE(shop.listColumn(kList, 7), amounts);
        QCOMPARE(shop.messages(), Messages());
        if (amounts.isEmpty()) {
            QCOMPARE(shop.text(QStringLiteral("标签_查询金额合计")), QString());
            QCOMPARE(shop.text(QStringLiteral("标签_查询数量合计")), QString());
        }
    }

    void methodFilter_data() {
        QTest::addColumn<QStringList>("ticked");
        QTest::addColumn<QStringList>("states");
        QTest::newRow("settled and on account") << QStringList{"选择框_查询现结", "选择框_查询记账"}
                                                << QStringList{"已结", "记账", "已结", "已结"};
        QTest::newRow("prepaid only") << QStringList{"选择框_查询代扣"} << QStringList{"代扣"};
        QTest::newRow("all three: no change") << QStringList{"选择框_查询现结", "选择框_查询记账", "选择框_查询代扣"}
                                              << QStringList{"已结", "记账", "代扣", "已结", "已结", "其他"};
        QTest::newRow("none: no change") << QStringList{} << QStringList{"已结", "记账", "代扣", "已结", "已结", "其他"};
    }
    void methodFilter() {
        QFETCH(QStringList, ticked);
        QFETCH(QStringList, states);
        QueryShop shop;
        shop.loadAll();
        for (const QString& box : ticked)
            shop.click(box);
        shop.click(QStringLiteral("按钮22"));
        QCOMPARE(shop.listColumn(kList, 8), states);
    }

    void methodFlagsFollowClicksNotTheBoxes() {
        QueryShop shop;
        shop.loadAll();
        shop.click(QStringLiteral("选择框_查询代扣"));
        // Ticking a box from the program does not set its flag.
        shop.find<QCheckBox>(QStringLiteral("选择框_查询现结"))->setChecked(true);
        shop.click(QStringLiteral("按钮22"));
        QCOMPARE(shop.listColumn(kList, 8), QStringList({"代扣"}));
    }

    void filtersCombine() {
        QueryShop shop;
        shop.loadAll();
        shop.choose(QStringLiteral("组合框_查询客户"), QStringLiteral("张三"));
        shop.click(QStringLiteral("选择框_查询现结"));
        shop.click(QStringLiteral("按钮22"));
        QCOMPARE(shop.listColumn(kList, 0), QStringList({"1", "2"}));
        QCOMPARE(shop.text(QStringLiteral("标签_查询数量合计")), QStringLiteral("4"));
        QCOMPARE(shop.text(QStringLiteral("标签_查询金额合计")), QStringLiteral("20"));
    }

    void pageTotalsPassThroughText() {
        QueryShop shop;
        shop.keyword(QStringLiteral("苹果"));
        QCOMPARE(shop.text(QStringLiteral("标签_查询数量合计")), QStringLiteral("7.5"));
        QCOMPARE(shop.text(QStringLiteral("标签_查询金额合计")), QStringLiteral("37.5"));
        shop.keyword(QStringLiteral("李四"));
        QCOMPARE(shop.text(QStringLiteral("标签_查询数量合计")), QStringLiteral("3"));
        QCOMPARE(shop.text(QStringLiteral("标签_查询金额合计")), QStringLiteral("17"));
    }

    void selectionTotalAndMarkButtons() {
        QueryShop shop;
        shop.loadAll();
        shop.selectRows({0, 2});
        QCOMPARE(shop.text(QStringLiteral("标签_查询选中金额合计")), QStringLiteral("12.5"));
        QVERIFY(!shop.find<QPushButton>(QStringLiteral("按钮_标记已结"))->isEnabled());
        QVERIFY(!shop.find<QPushButton>(QStringLiteral("按钮_标记记账"))->isEnabled());
        shop.clickListRow(kList, 1);
        QCOMPARE(shop.text(QStringLiteral("标签_查询选中金额合计")), QStringLiteral("7"));
        QVERIFY(shop.find<QPushButton>(QStringLiteral("按钮_标记已结"))->isEnabled());
        shop.clickListEmptySpace(kList);
        QCOMPARE(shop.text(QStringLiteral("标签_查询选中金额合计")), QStringLiteral("0"));
    }

    void headerClicksSortRenumberAndKeepIcons_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("serial only renumbers") << 0 << QStringList{"A1", "B1", "C1", "A1", "A1", "D1"};
        QTest::newRow("date") << 1 << QStringList{"A1", "A1", "B1", "C1", "A1", "D1"};
        QTest::newRow("amount as numbers, ties as inserted") << 7 << QStringList{"C1", "B1", "A1", "D1", "A1", "A1"};
        QTest::newRow("number as text") << 3 << QStringList{"A1", "A1", "A1", "B1", "C1", "D1"};
    }
    void headerClicksSortRenumberAndKeepIcons() {
        QFETCH(int, column);
        QFETCH(QStringList, order);
        QueryShop shop;
        shop.loadAll();
        shop.list()->setCell(1, 0, QStringLiteral("99"));
        shop.clickListHeader(kList, column);
        QCOMPARE(shop.listColumn(kList, 3), order);
        QCOMPARE(shop.listColumn(kList, 0), QStringList({"1", "2", "3", "4", "5", "6"}));
        for (int r = 0; r < 6; ++r) {
            const QString state = shop.list()->cell(r, 8);
            int expected = state == QStringLiteral("已结") ? 0 : state == QStringLiteral("记账") ? 2 : 5;
            if (state != QStringLiteral("其他"))
                QCOMPARE(shop.list()->cellIcon(r, 8), expected);
        }
    }

    void markSelectedRows() {
        QueryShop shop;
        shop.click(QStringLiteral("按钮_标记记账"));
        QCOMPARE(shop.messages(), warning("请选中要标记的项目！"));
        shop.prompter.clear();
        shop.loadAll();
        shop.selectRows({0, 3});
        shop.click(QStringLiteral("按钮_标记记账"));
        QCOMPARE(shop.messages(), Messages());
        // Row 1 shows two identical records: only the first in file order changes.
        QCOMPARE(shop.storedMethods(), QStringList({"记账", "记账", "代扣", "记账", "已结", "其他"}));
        QCOMPARE(shop.listColumn(kList, 8), QStringList({"记账", "记账", "代扣", "记账", "已结", "其他"}));
        QCOMPARE(shop.list()->cellIcon(0, 8), 2);
        QCOMPARE(shop.text(QStringLiteral("标签_查询金额合计")), QStringLiteral("57")); // not recomputed, same rows
        shop.selectRows({0, 1});
        shop.click(QStringLiteral("按钮_标记已结"));
        QCOMPARE(shop.storedMethods(), QStringList({"已结", "已结", "代扣", "记账", "已结", "其他"}));
    }

    void markingARowAlreadyInTheStateWritesEveryEqualRecord() {
        QueryShop shop;
        shop.loadAll();
        shop.selectRows({0, 4}); // both rows show the same 已结 record
        shop.click(QStringLiteral("按钮_标记已结"));
        QCOMPARE(shop.storedMethods(), QStringList({"已结", "记账", "代扣", "已结", "已结", "其他"}));
        shop.selectRows({0, 4});
        shop.click(QStringLiteral("按钮_标记记账"));
        // Row 0 takes the first record, row 4 the second.
        QCOMPARE(shop.storedMethods(), QStringList({"记账", "记账", "代扣", "已结", "记账", "其他"}));
    }

    void markingAVanishedRecordChangesNothing() {
        QueryShop shop;
        shop.loadAll();
        executeOnFile(shop.databasePath(), QStringLiteral("DELETE FROM 销售记录 WHERE rowid = 2"));
        shop.selectRows({1});
        shop.click(QStringLiteral("按钮_标记已结"));
        QCOMPARE(shop.messages(), Messages());
        QCOMPARE(shop.listColumn(kList, 8)[1], QStringLiteral("记账"));
    }

    void failedMarkingRollsBackAndShowsTheRowsAsStored() {
        QueryShop shop;
        shop.loadAll();
        executeOnFile(shop.databasePath(), QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE ON 销售记录 "
                                                          "WHEN old.rowid = 4 BEGIN SELECT RAISE(ABORT, 'no'); END"));
        shop.selectRows({0, 3});
        shop.click(QStringLiteral("按钮_标记记账"));
        QCOMPARE(shop.messages(), Messages({{"标记失败，数据未改动！", MessageIcon::Error}}));
        QCOMPARE(shop.storedMethods(), QStringList({"已结", "记账", "代扣", "已结", "已结", "其他"}));
        QCOMPARE(shop.listColumn(kList, 8), QStringList({"已结", "记账", "代扣", "已结", "已结", "其他"}));
        QCOMPARE(shop.list()->cellIcon(0, 8), 0);
    }

    void deleteRefusals_data() {
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<QString>("message");
        QTest::newRow("on account") << QList<int>{1} << "记账或代扣项目不可删除！\r\n记账为未结算金额；代扣已抵扣充值金额！";
        QTest::newRow("prepaid") << QList<int>{2} << "记账或代扣项目不可删除！\r\n记账为未结算金额；代扣已抵扣充值金额！";
        QTest::newRow("state first, then count")
            << QList<int>{1, 0} << "记账或代扣项目不可删除！\r\n记账为未结算金额；代扣已抵扣充值金额！";
        QTest::newRow("several rows") << QList<int>{0, 3} << "只能单条删除记录，请勿多选！";
    }
    void deleteRefusals() {
        QFETCH(QList<int>, rows);
        QFETCH(QString, message);
        QueryShop shop;
        shop.loadAll();
        shop.selectRows(rows);
        shop.menuItem(QStringLiteral("删除记录"));
        QCOMPARE(shop.messages(), warning(message));
        QCOMPARE(shop.stored(Tables::kSales).size(), 6);
    }

    void deleteRemovesTheFirstEqualRecordOnly() {
        QueryShop shop;
        shop.loadAll();
        shop.clickListRow(kList, 4, Qt::RightButton);
        QVERIFY(shop.find<QMenu>(QStringLiteral("查询右键"))->isVisible());
        shop.find<QMenu>(QStringLiteral("查询右键"))->hide();
        shop.menuItem(QStringLiteral("删除记录"));
        QCOMPARE(shop.messages(), info("销售记录删除成功！"));
        QCOMPARE(shop.storedMethods(), QStringList({"记账", "代扣", "已结", "已结", "其他"}));
        QCOMPARE(shop.listColumn(kList, 0), QStringList({"1", "2", "3", "4", "6"})); // a gap until renumbered
        QCOMPARE(shop.text(QStringLiteral("标签_查询金额合计")), QStringLiteral("47"));
    }

    void rightClickWithoutSelectionOpensNoMenu() {
        QueryShop shop;
        shop.loadAll();
        shop.clickListEmptySpace(kList);
        shop.list()->setCurrentRow(-1);
        emit shop.list()->rightClicked(-1);
        QVERIFY(!shop.find<QMenu>(QStringLiteral("查询右键"))->isVisible());
    }

    void editDialogChangesDatePriceQuantityRemark() {
        QueryShop shop;
        shop.loadAll();
        shop.selectRows({3});
        shop.prompter.answerDialog([](QDialog& d) {
            if (d.windowTitle() != QStringLiteral("  修改选中项目内容：") || d.size() != QSize(609, 337))
                return int(QDialog::Rejected);
            if (d.findChild<QLabel*>(QStringLiteral("透明标签_提示"))->isVisibleTo(&d))
                return int(QDialog::Rejected);
            d.findChild<QDateEdit*>(QStringLiteral("日期框1"))->setDate(QDate(2024, 4, 1));
            d.findChild<QLineEdit*>(QStringLiteral("编辑框_单价"))->setText(QStringLiteral("6"));
            d.findChild<QLineEdit*>(QStringLiteral("编辑框_数量"))->setText(QStringLiteral("2"));
            if (d.findChild<QLineEdit*>(QStringLiteral("编辑框_金额到大写"))->text() != QStringLiteral("壹拾贰元整"))
                return int(QDialog::Rejected);
            d.findChild<QLineEdit*>(QStringLiteral("编辑框_备注"))->setText(QStringLiteral("改过"));
            d.findChild<QPushButton*>(QStringLiteral("按钮1"))->click();
            return d.result();
        });
        shop.menuItem(QStringLiteral("修改记录"));
        QCOMPARE(shop.messages(), Messages());
        QCOMPARE(shop.listRows(kList)[3],
                 QStringList({"4", "2024年4月1日", "王五", "A1", "苹果", "6", "2", "12", "已结", "改过"}));
        StoredRecord record = shop.stored(Tables::kSales)[3];
        QCOMPARE(record.value(QStringLiteral("日期")), QStringLiteral("2024年4月1日"));
        QCOMPARE(record.value(QStringLiteral("金额")), QStringLiteral("12"));
        QCOMPARE(record.value(QStringLiteral("备注")), QStringLiteral("改过"));
        QCOMPARE(shop.text(QStringLiteral("标签_查询金额合计")), QStringLiteral("51.5"));
    }

    void editDialogRefusals() {
        QueryShop shop;
        shop.loadAll();
        shop.selectRows({0, 1});
        shop.menuItem(QStringLiteral("修改记录"));
        QCOMPARE(shop.messages(), warning("只能单条修改记录，请勿多选！"));
        shop.prompter.clear();
        shop.selectRows({0});
        shop.prompter.answerDialog([](QDialog& d) {
            d.findChild<QLineEdit*>(QStringLiteral("编辑框_数量"))->setText(QStringLiteral("0"));
            d.findChild<QPushButton*>(QStringLiteral("按钮1"))->click();
            d.findChild<QLineEdit*>(QStringLiteral("编辑框_单价"))->setText(QString());
            d.findChild<QPushButton*>(QStringLiteral("按钮1"))->click();
            d.findChild<QPushButton*>(QStringLiteral("按钮2"))->click();
            return d.result();
        });
        shop.menuItem(QStringLiteral("修改记录"));
        QCOMPARE(shop.messages(), warning("单价或数量不能小于 0 ！") + warning("单价或数量不能为空！"));
        QCOMPARE(shop.stored(Tables::kSales)[0].value(QStringLiteral("数量")), QStringLiteral("2"));
    }

    void prepaidRecordCannotBeEdited() {
        QueryShop shop;
        shop.loadAll();
        shop.selectRows({2});
        bool locked = false;
        shop.prompter.answerDialog([&](QDialog& d) {
            locked = d.findChild<QLabel*>(QStringLiteral("透明标签_提示"))->isVisibleTo(&d) &&
                     !d.findChild<QLineEdit*>(QStringLiteral("编辑框_单价"))->isEnabled() &&
                     !d.findChild<QPushButton*>(QStringLiteral("按钮1"))->isEnabled();
            return int(QDialog::Rejected);
        });
        shop.menuItem(QStringLiteral("修改记录"));
        QVERIFY(locked);
    }

    void entryEmptiesTheListOncePerSale() {
        QueryShop shop;
        shop.loadAll();
        shop.toolbar(7);
        QCOMPARE(shop.list()->rowCount(), 6);
        shop.ctx->flags.queryPageEntered = false; // as a checkout clears it
        shop.toolbar(7);
        QCOMPARE(shop.list()->rowCount(), 0);
    }

    void findTextNoCase_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("find");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("position");
        QTest::newRow("upper-case extension") << "report.XLS" << ".xls" << 1 << 7;
        QTest::newRow("absent") << "report" << ".xls" << 1 << -1;
        QTest::newRow("xlsx contains it") << "report.xlsx" << ".xls" << 1 << 7;
        QTest::newRow("in the middle") << "a.xls.txt" << ".xls" << 1 << 2;
        QTest::newRow("chinese counts bytes") << "报表.xls" << ".XLS" << 1 << 5;
        QTest::newRow("from after it") << "a.xls" << ".xls" << 3 << -1;
        QTest::newRow("empty text") << "" << ".xls" << 1 << -1;
        QTest::newRow("empty find") << "a" << "" << 1 << -1;
    }
    void findTextNoCase() {
        QFETCH(QString, text);
        QFETCH(QString, find);
        QFETCH(int, from);
        QFETCH(int, position);
        QCOMPARE(FindTextNoCase(text, find, from), position);
    }

    // Long work shows the status bar's progress bar while it runs and hides it after;
    // here every piece of work counts as long.
    void longWorkShowsProgress_data() {
        QTest::addColumn<QString>("operation");
        QTest::newRow("date range") << "date range";
        QTest::newRow("keyword") << "keyword";
        QTest::newRow("amount filter") << "amount filter";
        QTest::newRow("sort") << "sort";
    }
    void longWorkShowsProgress() {
        QFETCH(QString, operation);
        QueryShop shop;
        if (operation != "date range" && operation != "keyword")
            shop.loadAll();
        auto* bar = shop.find<QProgressBar>(QStringLiteral("进度条"));
        QVERIFY(bar->isHidden());
        WorkProgress::setShowAfter(0);
        ShowCounter shows;
        bar->installEventFilter(&shows);
        QTest::qWait(150); // past the pump's throttle, so the work's first pump runs
        if (operation == "date range") {
            shop.loadAll();
        } else if (operation == "keyword") {
            shop.keyword(QStringLiteral("张三"));
        } else if (operation == "amount filter") {
            shop.type(QStringLiteral("编辑框_查询金额起"), QStringLiteral("1"));
            shop.type(QStringLiteral("编辑框_查询金额止"), QStringLiteral("9"));
            shop.click(QStringLiteral("按钮24"));
        } else {
            shop.clickListHeader(kList, 7);
        }
        WorkProgress::setShowAfter(500);
        QVERIFY(shows.count > 0);
        QVERIFY(bar->isHidden());
    }

    void exportOfAnEmptyListIsRefused() {
        QueryShop shop;
        shop.click(QStringLiteral("按钮25"));
        QCOMPARE(shop.messages(), warning("列表无内容！"));
        QVERIFY(shop.prompter.saveDialogNames.isEmpty());
    }

    void exportWritesTheFileFormat() {
        QueryShop shop;
        shop.keyword(QStringLiteral("张三"));
        QString path = shop.programDir() + QStringLiteral("/导出");
        shop.prompter.answerSaveFile(path);
        shop.click(QStringLiteral("按钮25"));
        QCOMPARE(shop.prompter.saveDialogNames, QStringList({"岚丰销售_2024年3月15日14时30分5秒.xls"}));
        QCOMPARE(shop.messages(), info("保存成功！"));
        QStringList lines = fileLines(path + QStringLiteral(".xls"));
        QVERIFY2(lines.size() == 56, qPrintable(lines.first()));
        QCOMPARE(lines[0], QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gbk\">"));
        QCOMPARE(lines.mid(1, 8), QStringList({"<table border=\"0\">", "  <tr>",
                                                "<th  colspan='10' style='font-family:宋体;font-size:30px;'>岚丰销售</th>",
                                                "  </tr>", "</table>", "<table border=\"1\">", "  <tr>",
                                                "    <th>序号</th>"}));
        QCOMPARE(lines[17], QStringLiteral("    <th>备注</th>"));
        QCOMPARE(lines[18], QStringLiteral("  </tr>"));
        QCOMPARE(lines[19], QStringLiteral("  <tr>"));
        QCOMPARE(lines[20], QStringLiteral("    <td>1</td>"));
        QCOMPARE(lines[21], QStringLiteral("    <td>2024年3月1日</td>"));
        // Markup in a cell is escaped so the spreadsheet shows the text.
        QVERIFY(lines.contains(QStringLiteral("    <td>abc&lt;b&gt;&amp;</td>")));
        QCOMPARE(lines.last(), QStringLiteral("</table>"));
    }

    void exportNameRules_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::newRow("upper-case extension kept") << "report.XLS" << "report.XLS";
        QTest::newRow("extension added") << "report" << "report.xls";
        QTest::newRow("xlsx left alone") << "report.xlsx" << "report.xlsx";
        QTest::newRow("xls inside left alone") << "a.xls.txt" << "a.xls.txt";
    }
    void exportNameRules() {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        QueryShop shop;
        shop.loadAll();
        shop.prompter.answerSaveFile(shop.programDir() + QLatin1Char('/') + chosen);
        shop.click(QStringLiteral("按钮25"));
        QVERIFY(QFile::exists(shop.programDir() + QLatin1Char('/') + written));
        QCOMPARE(QDir(shop.programDir()).entryList({"*.xls*", "*.XLS", "*.txt"}).size(), 1);
    }

    void exportCancelledOrUnwritable() {
        QueryShop shop;
        shop.loadAll();
        const QString before = QDir::currentPath();
        shop.click(QStringLiteral("按钮25")); // no answer queued: cancelled
        QCOMPARE(shop.messages(), Messages());
        QCOMPARE(QDir::currentPath(), before);
        shop.prompter.answerSaveFile(shop.programDir() + QStringLiteral("/no/such/folder/x.xls"));
        shop.click(QStringLiteral("按钮25"));
        QCOMPARE(shop.messages(), Messages());
        QVERIFY(!QFile::exists(shop.programDir() + QStringLiteral("/no/such/folder/x.xls")));
    }

    void exportWithoutTitleOrHeader() {
        QueryShop shop;
        shop.loadAll();
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(SpreadsheetExport::WriteListAsHtmlTable(buffer, *shop.list(), false, QString()));
        QList<QByteArray> lines = buffer.data().split('\n');
        QCOMPARE(lines.size() - 1, 1 + 1 + 6 * 12 + 1);
        QCOMPARE(lines[1], QByteArray("<table border=\"1\">\r"));
    }

    // The file opens as a table with the Chinese text intact in LibreOffice Calc.
    void exportOpensInLibreOffice() {
        const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
        if (soffice.isEmpty())
            QSKIP("LibreOffice (libreoffice-calc-nogui) is not installed");
        QueryShop shop;
        shop.loadAll();
        QTemporaryDir out;
        const QString xls = out.filePath(QStringLiteral("export.xls"));
        QVERIFY(SpreadsheetExport::WriteListAsHtmlTable(xls, *shop.list(), true, QStringLiteral("岚丰销售")));
        QProcess convert;
        convert.setWorkingDirectory(out.path());
        convert.start(soffice, {QStringLiteral("-env:UserInstallation=file://") + out.filePath(QStringLiteral("profile")),
                                QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                                QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76"), QStringLiteral("--outdir"),
                                out.path(), xls});
        QVERIFY(convert.waitForFinished(180000));
        QFile csv(out.filePath(QStringLiteral("export.csv")));
        QVERIFY2(csv.open(QIODevice::ReadOnly), qPrintable(QString::fromLocal8Bit(convert.readAllStandardError())));
        QStringList lines = QString::fromUtf8(csv.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        for (QString& l : lines)
            l.remove(QLatin1Char('\r'));
        int first = lines.indexOf(QStringLiteral("序号,销售日期,购买客户,商品编号,商品名称,销售单价,销售数量,金额,结账方式,备注"));
        QVERIFY2(first >= 0, qPrintable(lines.join(QLatin1Char('\n'))));
        QCOMPARE(lines.size() - first - 1, shop.list()->rowCount());
        for (int r = 0; r < shop.list()->rowCount(); ++r) {
            QStringList cells = lines[first + 1 + r].split(QLatin1Char(','));
            QCOMPARE(cells.size(), 10);
            QCOMPARE(cells[2], shop.list()->cell(r, 2));
            QCOMPARE(cells[4], shop.list()->cell(r, 4));
            QCOMPARE(cells[8], shop.list()->cell(r, 8));
        }
    }
};

QTEST_MAIN(QueryPageTest)
#include "tst_querypage.moc"
