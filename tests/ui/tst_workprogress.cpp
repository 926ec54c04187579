#include "ui/WorkProgress.h"

#include <QProgressBar>
#include <QTest>

#include <memory>

class WorkProgressTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QProgressBar> bar;

private slots:
    void init() {
        bar = std::make_unique<QProgressBar>();
        bar->show();
        WorkProgress::attachBar(bar.get());
        WorkProgress::setShowAfter(0);
    }
    void cleanup() { bar.reset(); }

    void hiddenUntilWorkRuns() {
        QVERIFY(bar->isHidden());
        WorkProgress::refresh();
        QVERIFY(bar->isHidden());
    }

    void showsTheShareDone_data() {
        QTest::addColumn<qint64>("total");
        QTest::addColumn<qint64>("done");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("value");
        QTest::newRow("half") << qint64(10) << qint64(5) << 1000 << 500;
        QTest::newRow("nothing yet") << qint64(200000) << qint64(0) << 1000 << 0;
        QTest::newRow("more than the total") << qint64(10) << qint64(12) << 1000 << 1000;
        QTest::newRow("beyond int") << (qint64(1) << 40) << (qint64(1) << 39) << 1000 << 500;
        QTest::newRow("unknown total: busy") << qint64(0) << qint64(7) << 0 << 0;
    }
    void showsTheShareDone() {
        QFETCH(qint64, total);
        QFETCH(qint64, done);
        QFETCH(int, maximum);
        QFETCH(int, value);
        {
            WorkProgress work(total);
            work.setDone(done);
            WorkProgress::refresh();
            QVERIFY(bar->isVisible());
            QCOMPARE(bar->maximum(), maximum);
            if (maximum > 0)
                QCOMPARE(bar->value(), value);
        }
        QVERIFY(bar->isHidden());
    }

    void innermostShowsOutermostEnds() {
        WorkProgress outer(4);
        outer.setDone(1);
        {
            WorkProgress inner;
            WorkProgress::refresh();
            QCOMPARE(bar->maximum(), 0);
        }
        QVERIFY(bar->isVisible()); // the outer work still runs
        WorkProgress::refresh();
        QCOMPARE(bar->maximum(), 1000);
        QCOMPARE(bar->value(), 250);
    }

    void shortWorkShowsNothing() {
        WorkProgress::setShowAfter(60 * 1000);
        WorkProgress work(10);
        work.advance(3);
        WorkProgress::refresh();
        QVERIFY(bar->isHidden());
    }

    void barGoneWithTheWindow() {
        WorkProgress work(10);
        bar.reset();
        WorkProgress::refresh(); // nothing to show, nothing to crash
    }
};

QTEST_MAIN(WorkProgressTest)
#include "tst_workprogress.moc"
