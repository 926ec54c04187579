#include "ui/OutlookBar.h"
#include "ui/TreeControl.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

class TreeAndBarTest : public QObject {
    Q_OBJECT

private slots:
    void treeTellsWhetherTheMouseChangedTheSelection() {
        QWidget window;
        window.resize(300, 300);
        auto* tree = new TreeControl(QStringLiteral("树型框_测试"), &window);
        tree->setGeometry(0, 0, 300, 300);
        QTreeWidgetItem* fruit = tree->addItem(nullptr, QStringLiteral("水果"), 1, 1);
        QTreeWidgetItem* apple = tree->addItem(fruit, QStringLiteral("苹果"), 24, 2);
        tree->addItem(nullptr, QStringLiteral("饮料"), 1, 1);
        fruit->setExpanded(true);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QSignalSpy changed(tree, &TreeControl::selectionChangedBy);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(apple).center());
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed.last().at(1).toBool(), true);
        QCOMPARE(tree->selectedItem(), apple);
        QCOMPARE(TreeControl::itemValue(apple), 2);

        tree->setFocus();
        QTest::keyClick(tree, Qt::Key_Up);
        QCOMPARE(changed.last().at(1).toBool(), false);
        QCOMPARE(tree->selectedItem(), fruit);

        tree->setCurrentItem(apple);
        QCOMPARE(changed.last().at(1).toBool(), false);
        QCOMPARE(tree->rootItems().size(), 2);
        tree->clearTree();
        QCOMPARE(tree->topLevelItemCount(), 0);
        QCOMPARE(tree->selectedItem(), nullptr);
    }

    void outlookBarReportsPressAndItemClicks() {
        OutlookBar bar(QStringLiteral("外形框_测试"));
        int colours = bar.addGroup(QStringLiteral("颜色"));
        int styles = bar.addGroup(QStringLiteral("风格"));
        bar.addItem(colours, QStringLiteral("红"));
        bar.addItem(styles, QStringLiteral("经典"));
        bar.addItem(styles, QStringLiteral("现代"));
        QCOMPARE(bar.groupCount(), 2);
        QCOMPARE(bar.itemCount(styles), 2);
        QSignalSpy pressed(&bar, &OutlookBar::pressed);
        QSignalSpy clicked(&bar, &OutlookBar::itemClicked);
        bar.clickItem(styles, 1);
        QCOMPARE(pressed.size(), 1);
        QCOMPARE(clicked.last().at(0).toInt(), styles);
        QCOMPARE(clicked.last().at(1).toInt(), 1);
        QCOMPARE(bar.currentGroup(), styles);
        QCOMPARE(bar.currentItem(), 1);
        bar.clickItem(styles, 5); // no such item
        QCOMPARE(clicked.size(), 1);
    }
};

QTEST_MAIN(TreeAndBarTest)
#include "tst_treeandbar.moc"
