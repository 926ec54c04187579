#include "support/TestShop.h"

#include "settings/SkinCatalog.h"
#include "settings/SkinEngine.h"
#include "store/SqliteDB.h"
#include "store/Tables.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTabWidget>
#include <QTest>

#include <sqlite3.h>

Q_DECLARE_METATYPE(std::optional<QString>)

namespace {

using Start = MainWindow::Start;

int recordCount(const QString& path, const QString& table) {
    sqlite3* db = nullptr;
    int count = -1;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* stmt = nullptr;
        QByteArray sql = QStringLiteral("SELECT count(*) FROM %1").arg(table).toUtf8();
        if (sqlite3_prepare_v2(db, sql.constData(), -1, &stmt, nullptr) == SQLITE_OK && sqlite3_step(stmt) == SQLITE_ROW)
            count = sqlite3_column_int(stmt, 0);
        sqlite3_finalize(stmt);
    }
    sqlite3_close(db);
    return count;
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        // Skins change the whole application; put the look back for the next test.
        SkinEngine engine;
        engine.ApplySkin(1, 0, 0);
        engine.SkinDetach();
    }

    void loginPrompt_data() {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("flag");
        QTest::addColumn<QList<std::optional<QString>>>("answers");
        QTest::addColumn<int>("prompts");
        QTest::addColumn<int>("errors");
        QTest::addColumn<bool>("runs");
        QTest::newRow("no password, flag set: no prompt") << "" << "真" << QList<std::optional<QString>>{} << 0 << 0 << true;
        QTest::newRow("flag off: no prompt") << "pw" << "假" << QList<std::optional<QString>>{} << 0 << 0 << true;
        QTest::newRow("flag empty: no prompt") << "pw" << "" << QList<std::optional<QString>>{} << 0 << 0 << true;
        QTest::newRow("right at once") << "pw" << "真" << QList<std::optional<QString>>{QString("pw")} << 1 << 0 << true;
        QTest::newRow("wrong, wrong, right")
            << "pw" << "真" << QList<std::optional<QString>>{QString("x"), QString("PW"), QString("pw")} << 3 << 2 << true;
        QTest::newRow("trailing spaces must be typed")
            << "a b  " << "真" << QList<std::optional<QString>>{QString("a b"), QString("a b  ")} << 2 << 1 << true;
        QTest::newRow("cancel ends the program") << "pw" << "真" << QList<std::optional<QString>>{std::nullopt} << 1 << 0
                                                 << false;
    }
    void loginPrompt() {
        QFETCH(QString, password);
        QFETCH(QString, flag);
        QFETCH(QList<std::optional<QString>>, answers);
        QFETCH(int, prompts);
        QFETCH(int, errors);
        QFETCH(bool, runs);
        TestShop shop;
        QDir().mkpath(shop.programDir() + QStringLiteral("/备份"));
        shop.setSettings({{"密码", password}, {"登录密码", flag}, {"自动备份", "2024年3月1日"}, {"备份周期", "0"},
                          {"备份路径", shop.programDir() + QStringLiteral("/备份")}});
        for (const auto& a : answers)
            shop.prompter.answerInput(a);
        QCOMPARE(shop.window->OnMainWindowCreated(), runs ? Start::Run : Start::LoginCancelled);
        QCOMPARE(shop.prompter.inputs.size(), prompts);
        for (const auto& input : shop.prompter.inputs) {
            QCOMPARE(input.prompt, QStringLiteral("请输入登录密码"));
            QCOMPARE(input.title, QStringLiteral("岚丰销售管理系统"));
            QVERIFY(input.password);
        }
        QCOMPARE(shop.prompter.messages.size(), errors);
        for (const auto& m : shop.prompter.messages) {
            QCOMPARE(m.text, QStringLiteral("密码错误，请重新输入！"));
            QCOMPARE(m.icon, MessageIcon::Error);
            QCOMPARE(m.caption, QStringLiteral("信息："));
        }
        // One automatic backup check, whatever happened at the prompt.
        QCOMPARE(QDir(shop.programDir() + QStringLiteral("/备份")).entryList(QDir::Files).size(), 1);
    }

    void sectionPasswords_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("flag");       // settings field of the section
        QTest::addColumn<QString>("flagValue");
        QTest::addColumn<QString>("prompt");     // empty: no prompt expected
        QTest::addColumn<std::optional<QString>>("answer");
        QTest::addColumn<int>("page");           // page shown afterwards
        QTest::addColumn<bool>("entered");       // entry steps ran
        QTest::newRow("warehouse, flag off") << 3 << "仓库密码" << "假" << "" << std::optional<QString>() << 1 << true;
        QTest::newRow("warehouse, right") << 3 << "仓库密码" << "真" << "您要访问的是仓库管理，请输入密码！"
                                          << std::optional<QString>("pw") << 1 << true;
        QTest::newRow("warehouse, wrong") << 3 << "仓库密码" << "真" << "您要访问的是仓库管理，请输入密码！"
                                          << std::optional<QString>("nope") << 0 << false;
        QTest::newRow("warehouse, cancel") << 3 << "仓库密码" << "真" << "您要访问的是仓库管理，请输入密码！"
                                           << std::optional<QString>() << 0 << true;
        QTest::newRow("customers, right") << 5 << "客户密码" << "真" << "您要访问的是客户资料，请输入密码"
                                          << std::optional<QString>("pw") << 2 << true;
        QTest::newRow("customers, wrong") << 5 << "客户密码" << "真" << "您要访问的是客户资料，请输入密码"
                                          << std::optional<QString>("x") << 0 << false;
        QTest::newRow("query, right") << 7 << "查询密码" << "真" << "您要访问的是销售查询，请输入密码"
                                      << std::optional<QString>("pw") << 3 << true;
        QTest::newRow("query, empty flag") << 7 << "查询密码" << "" << "" << std::optional<QString>() << 3 << true;
        QTest::newRow("settings always asks") << 9 << "仓库密码" << "假" << "您要访问的是参数设置，请输入密码"
                                              << std::optional<QString>("pw") << 4 << true;
        QTest::newRow("settings, cancel") << 9 << "仓库密码" << "假" << "您要访问的是参数设置，请输入密码"
                                          << std::optional<QString>() << 0 << true;
        QTest::newRow("sales never asks") << 1 << "仓库密码" << "真" << "" << std::optional<QString>() << 0 << true;
    }
    void sectionPasswords() {
        QFETCH(int, position);
        QFETCH(QString, flag);
        QFETCH(QString, flagValue);
        QFETCH(QString, prompt);
        QFETCH(std::optional<QString>, answer);
        QFETCH(int, page);
        QFETCH(bool, entered);
        TestShop shop;
        shop.setSettings({{"密码", "pw"}, {flag, flagValue}});
        QCOMPARE(shop.window->OnMainWindowCreated(), Start::Run);
        shop.window->show();
        shop.prompter.answerInput(answer);
        shop.toolbar(position);
        auto* pages = shop.find<QTabWidget>(QStringLiteral("高级选择夹1"));
        QVERIFY(pages->isVisible());
        QCOMPARE(pages->currentIndex(), page);
        QCOMPARE(shop.prompter.inputs.size(), prompt.isEmpty() ? 0 : 1);
        if (!prompt.isEmpty()) {
            QCOMPARE(shop.prompter.inputs[0].prompt, prompt);
            QCOMPARE(shop.prompter.inputs[0].title, QStringLiteral("岚丰销售管理系统"));
            QVERIFY(shop.prompter.inputs[0].password);
        }
        const bool wrong = answer && *answer != QStringLiteral("pw") && !prompt.isEmpty();
        QCOMPARE(shop.prompter.messages.size(), wrong ? 1 : 0);
        if (wrong) {
            QCOMPARE(shop.prompter.lastMessage().text, QStringLiteral("密码错误！"));
            QCOMPARE(shop.prompter.lastMessage().icon, MessageIcon::Warning);
        }
        const PageFlags& f = shop.ctx->flags;
        bool ran = position == 1 ? !f.salesBrowserStale
                 : position == 3 ? f.warehouseBrowserLoaded
                 : position == 5 ? f.customersPageLoaded
                 : position == 7 ? f.queryPageEntered
                                 : f.settingsPageFilled;
        QCOMPARE(ran, entered);
    }

    void noPasswordMeansNoPromptAnywhere() {
        TestShop shop;
        shop.setSettings({{"仓库密码", "真"}, {"客户密码", "真"}, {"查询密码", "真"}, {"登录密码", "真"}});
        QCOMPARE(shop.window->OnMainWindowCreated(), Start::Run);
        for (int position : {1, 3, 5, 7, 9})
            shop.toolbar(position);
        QCOMPARE(shop.prompter.inputs.size(), 0);
        QCOMPARE(shop.find<QTabWidget>(QStringLiteral("高级选择夹1"))->currentIndex(), 4);
    }

    void inMemoryPasswordStaysUntilTheNextStart() {
        TestShop shop;
        shop.setSettings({{"密码", "old"}});
        QCOMPARE(shop.window->OnMainWindowCreated(), Start::Run);
        shop.setSettings({{"密码", "new"}}); // as saving on the settings page does
        shop.prompter.answerInput(QStringLiteral("old"));
        shop.toolbar(9);
        QCOMPARE(shop.find<QTabWidget>(QStringLiteral("高级选择夹1"))->currentIndex(), 4);
        QCOMPARE(shop.prompter.messages.size(), 0);
    }

    void databaseProblemsAreReportedOnce_data() {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("fragment");
        QTest::newRow("missing") << "remove" << "找不到数据库文件";
        QTest::newRow("not a database") << "junk" << "不是数据库文件";
        QTest::newRow("a table missing") << "drop" << "缺少数据表：充值记录";
    }
    void databaseProblemsAreReportedOnce() {
        QFETCH(QString, damage);
        QFETCH(QString, fragment);
        TestShop shop;
        const QString path = shop.databasePath();
        if (damage == QStringLiteral("remove")) {
            QFile::remove(path);
        } else if (damage == QStringLiteral("junk")) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(QByteArray(3000, 'j'));
        } else {
            SqliteDB db;
            QVERIFY(db.Open(path) && db.Execute(QStringLiteral("DROP TABLE 充值记录")));
        }
        QCOMPARE(shop.window->OnMainWindowCreated(), Start::Run);
        QCOMPARE(shop.prompter.messages.size(), 1);
        QVERIFY2(shop.prompter.lastMessage().text.contains(fragment), qPrintable(shop.prompter.lastMessage().text));
        QVERIFY(shop.prompter.lastMessage().text.contains(QDir::toNativeSeparators(path)));
        QCOMPARE(shop.prompter.lastMessage().icon, MessageIcon::Warning);
        for (int position : {1, 3, 5, 7, 9})
            shop.toolbar(position);
        QCOMPARE(shop.prompter.messages.size(), 1);
        if (damage == QStringLiteral("remove"))
            QVERIFY(!QFile::exists(path));
    }

    void soundDatabaseGivesNoMessage() {
        TestShop shop;
        QCOMPARE(shop.window->OnMainWindowCreated(), Start::Run);
        QCOMPARE(shop.prompter.messages.size(), 0);
    }

    void storedSkinIsAppliedAtStart_data() {
        QTest::addColumn<QString>("skin");
        QTest::addColumn<int>("attached");
        QTest::newRow("third") << "3" << 3;
        QTest::newRow("last") << "129" << 129;
        QTest::newRow("zero") << "0" << 0;
        QTest::newRow("beyond") << "130" << 0;
        QTest::newRow("empty") << "" << 0;
    }
    void storedSkinIsAppliedAtStart() {
        QFETCH(QString, skin);
        QFETCH(int, attached);
        TestShop shop;
        shop.setSettings({{"皮肤", skin}});
        QCOMPARE(shop.window->OnMainWindowCreated(), Start::Run);
        QCOMPARE(shop.window->skins().attached(), attached);
        QCOMPARE(shop.window->skins().loaded(), attached != 0);
        if (attached)
            QCOMPARE(QApplication::palette().color(QPalette::Window),
                     SkinCatalog::Palette(attached).color(QPalette::Window));
        shop.window->skins().SkinDetach();
    }

    void automaticBackupCycles_data() {
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("cycle");
        QTest::addColumn<bool>("copied");
        QTest::addColumn<QString>("storedAfter");
        QTest::newRow("3 days, 3 days ago") << "2024年3月12日" << "1" << true << "2024年3月15日";
        QTest::newRow("3 days, 2 days ago") << "2024年3月13日" << "1" << false << "2024年3月13日";
        QTest::newRow("7 days, 7 days ago") << "2024年3月8日" << "2" << true << "2024年3月15日";
        QTest::newRow("15 days, 14 days ago") << "2024年3月1日" << "3" << false << "2024年3月1日";
        QTest::newRow("30 days, long ago") << "2023年1月1日" << "4" << true << "2024年3月15日";
        QTest::newRow("every start keeps the date") << "2024年3月15日" << "0" << true << "2024年3月15日";
        QTest::newRow("not a date counts as elapsed") << "很久以前" << "4" << true << "2024年3月15日";
        QTest::newRow("off") << "" << "0" << false << "";
        QTest::newRow("unknown cycle") << "2020年1月1日" << "7" << false << "2020年1月1日";
    }
    void automaticBackupCycles() {
        QFETCH(QString, last);
        QFETCH(QString, cycle);
        QFETCH(bool, copied);
        QFETCH(QString, storedAfter);
        TestShop shop;
        shop.addRecord(Tables::kSales, {"2024年3月1日", "张三", "A1", "苹果", "5", "2", "10", "", "已结"});
        const QString folder = shop.programDir() + QStringLiteral("/备份");
        QDir().mkpath(folder);
        shop.setSettings({{"自动备份", last}, {"备份周期", cycle}, {"备份路径", folder}});
        QCOMPARE(shop.window->OnMainWindowCreated(), Start::Run);
        const QString backup = folder + QStringLiteral("/2024年3月15日14时30分5秒_xssj.db");
        QCOMPARE(QFile::exists(backup), copied);
        QCOMPARE(shop.stored(Tables::kSettings).first().value(QStringLiteral("自动备份")), storedAfter);
        QCOMPARE(shop.prompter.messages.size(), 0);
        if (copied) {
            // A complete database: it opens and holds every record.
            QCOMPARE(recordCount(backup, Tables::kSales), 1);
            QCOMPARE(recordCount(backup, Tables::kSettings), 1);
        }
    }

    // A folder that is missing or cannot be written: the operator hears of it, and the
    // date of the last backup stays, so the next start tries again.
    void failedAutomaticBackupIsReportedAndNotCounted_data() {
        QTest::addColumn<QString>("cycle");
        QTest::addColumn<bool>("folderExists");
        QTest::newRow("missing folder, 3 days") << "1" << false;
        QTest::newRow("missing folder, every start") << "0" << false;
        QTest::newRow("folder not writable") << "1" << true;
    }
    void failedAutomaticBackupIsReportedAndNotCounted() {
        QFETCH(QString, cycle);
        QFETCH(bool, folderExists);
        TestShop shop;
        const QString folder = shop.programDir() + QStringLiteral("/备份");
        if (folderExists) {
            // A plain file where the folder should be: nothing can be written into it, even by root.
            QFile blocker(folder);
            QVERIFY(blocker.open(QIODevice::WriteOnly));
        }
        shop.setSettings({{"自动备份", "2024年1月1日"}, {"备份周期", cycle}, {"备份路径", folder}});
        QCOMPARE(shop.window->OnMainWindowCreated(), Start::Run);
        QCOMPARE(shop.messages(), warning(QStringLiteral("数据备份失败，请检查备份位置是否存在并可写入：%1").arg(folder)));
        QCOMPARE(shop.stored(Tables::kSettings).first().value(QStringLiteral("自动备份")), QStringLiteral("2024年1月1日"));
    }
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
