#include "app/SingleInstance.h"
#include "support/ScriptedPrompter.h"

#include <QFile>
#include <QProcess>
#include <QTest>
#include <QUuid>

namespace {

QString uniqueName() { return QStringLiteral("岚丰销售-测试-") + QUuid::createUuid().toString(QUuid::Id128); }

// Starts a probe copy and waits for its first line.
QString startProbe(QProcess& probe, const QString& name) {
    probe.start(QStringLiteral(XSSJ_PROBE), {name});
    probe.waitForStarted();
    probe.waitForReadyRead(10000);
    return QString::fromUtf8(probe.readLine()).trimmed();
}

} // namespace

class SingleInstanceTest : public QObject {
    Q_OBJECT

private slots:
    void secondMarkerInTheSameProcessIsRefused() {
        QString name = uniqueName();
        ScriptedPrompter prompter;
        SingleInstance first, second;
        QVERIFY(first.EnsureSingleInstance(name, QStringLiteral("m"), MessageIcon::Information, prompter));
        QVERIFY(!second.EnsureSingleInstance(name, QStringLiteral("检测到已有相同程序运行，请勿多开！"),
                                             MessageIcon::Information, prompter));
        QCOMPARE(prompter.messages.size(), 1);
        QCOMPARE(prompter.lastMessage().text, QStringLiteral("检测到已有相同程序运行，请勿多开！"));
        QCOMPARE(prompter.lastMessage().caption, QStringLiteral("友情提醒:"));
        QCOMPARE(prompter.lastMessage().icon, MessageIcon::Information);
    }

    void secondCopyIsToldAndExitsWithZero() {
        QString name = uniqueName();
        QProcess first, second;
        QCOMPARE(startProbe(first, name), QStringLiteral("running"));
        QString line = startProbe(second, name);
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(line, QStringLiteral("message|检测到已有相同程序运行，请勿多开！|友情提醒:|%1")
                           .arg(static_cast<int>(MessageIcon::Information)));
        QCOMPARE(first.state(), QProcess::Running); // the first copy is not disturbed
        first.kill();
        first.waitForFinished();
    }

    void copyStartedAfterTheFirstEndedRuns_data() {
        QTest::addColumn<bool>("crashed");
        QTest::newRow("first copy killed") << true;
        QTest::newRow("first copy ended") << false;
    }
    void copyStartedAfterTheFirstEndedRuns() {
        QFETCH(bool, crashed);
        QString name = uniqueName();
        QProcess first;
        QCOMPARE(startProbe(first, name), QStringLiteral("running"));
        if (crashed)
            first.kill(); // leaves its lock file behind
        else
            first.terminate();
        QVERIFY(first.waitForFinished(10000));
        if (crashed)
            QVERIFY(QFile::exists(SingleInstance::markerPath(name)));
        QProcess next;
        QCOMPARE(startProbe(next, name), QStringLiteral("running"));
        next.kill();
        next.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "tst_singleinstance.moc"
