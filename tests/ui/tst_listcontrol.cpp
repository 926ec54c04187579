#include "support/TestShop.h"
#include "ui/ListControl.h"
#include "ui/ListSort.h"

#include <QApplication>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>

// A list shown in its own window, filled with rows "r0".."rN".
class ListControlTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QWidget> window;
    ListControl* list = nullptr;

    void fill(const QList<QStringList>& rows) {
        for (const QStringList& r : rows)
            list->addRow(r);
        list->listModel()->publish();
    }

    QPoint rowPoint(int row) { return list->visualRect(list->listModel()->index(row, 1)).center(); }

private slots:
    void init() {
        window = std::make_unique<QWidget>();
        window->resize(600, 400);
        list = new ListControl(QStringLiteral("超级列表框_测试"), window.get());
        list->setGeometry(0, 0, 600, 400);
        list->setColumns({{"序号", 50}, {"名称", 150}, {"单价", 80}, {"备注", 100}});
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup() { window.reset(); }

    void clicksReportRowOrEmptySpace() {
        fill({{"1", "甲", "5", ""}, {"2", "乙", "3", ""}});
        QSignalSpy left(list, &ListControl::leftClicked);
        QSignalSpy right(list, &ListControl::rightClicked);
        QSignalSpy twice(list, &ListControl::doubleClickedRow);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowPoint(1));
        QCOMPARE(left.size(), 1);
        QCOMPARE(left.last().at(0).toInt(), 1);
        QCOMPARE(list->currentRow(), 1);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(10, 380));
        QCOMPARE(left.last().at(0).toInt(), -1);
        QCOMPARE(list->currentRow(), -1);
        QTest::mouseClick(list->viewport(), Qt::RightButton, {}, rowPoint(0));
        QCOMPARE(right.size(), 1);
        QCOMPARE(right.last().at(0).toInt(), 0);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rowPoint(0));
        QCOMPARE(twice.size(), 1);
        QCOMPARE(twice.last().at(0).toInt(), 0);
    }

    void keyboardMovesReportNothing() {
        fill({{"1", "甲"}, {"2", "乙"}, {"3", "丙"}});
        list->setCurrentRow(0);
        list->setFocus();
        QSignalSpy left(list, &ListControl::leftClicked);
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->currentRow(), 1);
        QCOMPARE(left.size(), 0);
    }

    void headerClickReportsColumn() {
        fill({{"1", "甲"}});
        QSignalSpy header(list, &ListControl::headerClicked);
        QHeaderView* h = list->header();
        QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, QPoint(h->sectionViewportPosition(2) + 10, 5));
        QCOMPARE(header.size(), 1);
        QCOMPARE(header.last().at(0).toInt(), 2);
    }

    void multipleSelectionAndValues() {
        fill({{"1", "a"}, {"2", "b"}, {"3", "c"}});
        list->selectRow(0, true);
        list->selectRow(2, true);
        QCOMPARE(list->selectedRows(), (QList<int>{0, 2}));
        list->setRowValue(1, 77);
        QCOMPARE(list->rowValue(1), 77);
        list->setColumnHidden(3, true);
        QVERIFY(list->isColumnHidden(3));
        list->removeRow(0);
        QCOMPARE(list->rowCount(), 2);
        QCOMPARE(list->cell(0, 1), QStringLiteral("b"));
        list->clearRows();
        QCOMPARE(list->rowCount(), 0);
    }

    void rowsAddedDuringAWalkAreReadableAtOnce() {
        int row = list->addRow({"1", "x"});
        QCOMPARE(list->rowCount(), 1);
        QCOMPARE(list->cell(row, 1), QStringLiteral("x"));
        QCOMPARE(list->cell(row, 9), QString()); // no such column
        QCOMPARE(list->cell(5, 1), QString());   // no such row
        QApplication::processEvents();
        QCOMPARE(list->model()->rowCount(), 1); // shown after the event loop turned
    }

    void sortKeepsSelectionAndLeavesIconsInPlace() {
        fill({{"1", "乙", "10", ""}, {"2", "甲", "9", ""}, {"3", "丙", "9.5", ""}});
        list->setCellIcon(0, 1, 1);
        list->setCurrentRow(0); // "乙", value 0 becomes the marker 1
        SortListByColumn(*list, 2, 0);
        QCOMPARE(QStringList({list->cell(0, 2), list->cell(1, 2), list->cell(2, 2)}), QStringList({"9", "9.5", "10"}));
        QCOMPARE(list->currentRow(), 2);
        QCOMPARE(list->cell(2, 1), QStringLiteral("乙"));
        QCOMPARE(list->rowValue(2), 1);
        QCOMPARE(list->cellIcon(0, 1), 1); // the image stayed at row 0
        QCOMPARE(list->cellIcon(2, 1), -1);
    }

    void sortWithoutSelectionSelectsNothing() {
        fill({{"1", "b"}, {"2", "a"}});
        SortListByColumn(*list, 1, 1);
        QCOMPARE(list->selectedRows(), QList<int>());
        QCOMPARE(list->cell(0, 1), QStringLiteral("a"));
    }

    void headerSortRenumbers_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("sortable column") << 2 << QStringList{"甲", "丙", "乙"};
        QTest::newRow("serial column does not reorder") << 0 << QStringList{"乙", "甲", "丙"};
    }
    void headerSortRenumbers() {
        QFETCH(int, column);
        QFETCH(QStringList, names);
        fill({{"7", "乙", "10"}, {"8", "甲", "9"}, {"9", "丙", "9.5"}});
        SortOnHeaderClick(*list, column, {{1, 1}, {2, 0}});
        QCOMPARE(QStringList({list->cell(0, 1), list->cell(1, 1), list->cell(2, 1)}), names);
        QCOMPARE(QStringList({list->cell(0, 0), list->cell(1, 0), list->cell(2, 0)}), QStringList({"1", "2", "3"}));
    }

    void descendingWhenAsked() {
        fill({{"1", "a"}, {"2", "c"}, {"3", "b"}});
        SortListByColumn(*list, 1, 1, true, false);
        QCOMPARE(QStringList({list->cell(0, 1), list->cell(1, 1), list->cell(2, 1)}), QStringList({"c", "b", "a"}));
    }
};

QTEST_MAIN(ListControlTest)
#include "tst_listcontrol.moc"
