#include "support/TestShop.h"

#include <QDir>
#include <QLabel>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void fixedLayoutAndTitle() {
        TestShop shop;
        QCOMPARE(shop.window->windowTitle(), QStringLiteral("岚丰销售管理系统"));
        QCOMPARE(shop.window->size(), QSize(1024, 800));
        QCOMPARE(shop.window->pos(), QPoint(50, 50));
        QCOMPARE(shop.control(QStringLiteral("工具条1"))->geometry(), QRect(0, -1, 1018, 60));
        QCOMPARE(shop.control(QStringLiteral("状态条1"))->geometry(), QRect(0, 755, 1018, 20));
        QCOMPARE(shop.control(QStringLiteral("图片框6"))->geometry(), QRect(333, 128, 300, 400));
        QCOMPARE(shop.control(QStringLiteral("透明标签60"))->geometry(), QRect(328, 576, 336, 48));
        QStringList captions;
        for (QAction* a : shop.window->toolbar()->actions())
            if (!a->isSeparator())
                captions << a->text();
        QCOMPARE(captions, QStringList({"销售出库", "仓库管理", "客户资料", "销售查询", "参数设置"}));
        auto* pages = shop.find<QTabWidget>(QStringLiteral("高级选择夹1"));
        QStringList pageCaptions;
        for (int i = 0; i < pages->count(); ++i)
            pageCaptions << pages->tabText(i);
        QCOMPARE(pageCaptions, QStringList({"销售录入", "仓库管理", "客户资料", "数据查询", "参数设置"}));
    }

    void onlyToolbarStatusAndStartPictureBeforeFirstClick() {
        TestShop shop;
        QCOMPARE(shop.window->OnMainWindowCreated(), MainWindow::Start::Run);
        shop.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(shop.window.get()));
        QVERIFY(!shop.control(QStringLiteral("高级选择夹1"))->isVisible());
        QVERIFY(shop.control(QStringLiteral("工具条1"))->isVisible());
        QVERIFY(shop.control(QStringLiteral("图片框6"))->isVisible());
        QVERIFY(shop.control(QStringLiteral("透明标签60"))->isVisible());
        QCOMPARE(shop.text(QStringLiteral("透明标签60")), QStringLiteral("您的打赏是我更新的动力！"));
        QVERIFY(shop.text(QStringLiteral("状态条1_文本")).startsWith(QStringLiteral("岚丰软件-岚丰销售管理系统")));
        QVERIFY(!shop.find<QLabel>(QStringLiteral("图片框6"))->pixmap().isNull());
        QDir(QStringLiteral(XSSJ_BINARY_DIR)).mkpath(QStringLiteral("screenshots"));
        QVERIFY(shop.window->grab().save(QStringLiteral(XSSJ_BINARY_DIR "/screenshots/start.png")));
    }

    void eachButtonShowsItsPageWithoutTabCaptions_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("page");
        QTest::newRow("销售出库") << 1 << 0;
        QTest::newRow("仓库管理") << 3 << 1;
        QTest::newRow("客户资料") << 5 << 2;
        QTest::newRow("销售查询") << 7 << 3;
        QTest::newRow("参数设置") << 9 << 4;
    }
    void eachButtonShowsItsPageWithoutTabCaptions() {
        QFETCH(int, position);
        QFETCH(int, page);
        TestShop shop;
        QCOMPARE(shop.window->OnMainWindowCreated(), MainWindow::Start::Run);
        shop.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(shop.window.get()));
        shop.toolbar(position);
        auto* pages = shop.find<QTabWidget>(QStringLiteral("高级选择夹1"));
        QVERIFY(pages->isVisible());
        QCOMPARE(pages->currentIndex(), page);
        QVERIFY(!pages->tabBar()->isVisible());
        QVERIFY(pages->currentWidget()->isVisible());
        shop.toolbar(position); // the same button again shows the same page
        QCOMPARE(pages->currentIndex(), page);
        if (position == 1)
            QVERIFY(shop.window->grab().save(QStringLiteral(XSSJ_BINARY_DIR "/screenshots/first-page.png")));
    }

    void otherPositionsOnlyShowThePageControl() {
        TestShop shop;
        QCOMPARE(shop.window->OnMainWindowCreated(), MainWindow::Start::Run);
        shop.window->show();
        auto* pages = shop.find<QTabWidget>(QStringLiteral("高级选择夹1"));
        shop.window->OnToolbarClick(4);
        QVERIFY(pages->isVisible());
        QCOMPARE(pages->currentIndex(), 0);
    }

    void testsSkipTheSingleInstanceCheck() {
        TestShop first;
        TestShop second;
        QCOMPARE(first.window->OnMainWindowCreated(), MainWindow::Start::Run);
        QCOMPARE(second.window->OnMainWindowCreated(), MainWindow::Start::Run);
        QVERIFY(second.prompter.messages.isEmpty());
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
