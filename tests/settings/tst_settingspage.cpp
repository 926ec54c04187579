#include "support/TestShop.h"

#include "settings/DatabaseCopy.h"
#include "settings/SkinCatalog.h"
#include "settings/SkinEngine.h"
#include "store/SqliteDB.h"
#include "store/Tables.h"
#include "ui/ListControl.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTest>

namespace {


// The settings page of a shop with some stored settings, entered once.
struct SettingsShop : TestShop {
    explicit SettingsShop(const QMap<QString, QString>& settings = {}) {
        addRecord(Tables::kSales, {"2024年3月1日", "张三", "A1", "苹果", "5", "2", "10", "", "已结"});
        addRecord(Tables::kProducts, {"A1", "水果", "苹果", "5", "假", "假", "3", ""});
        addRecord(Tables::kCustomers, {"张三", "老顾客", "真", "", "", "0", "0", ""});
        addRecord(Tables::kTopUps, {"2024年3月1日", "张三", "100", ""});
        if (!settings.isEmpty())
            setSettings(settings);
        window->OnMainWindowCreated();
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            qWarning("window not exposed");
        if (!settings.value(QStringLiteral("密码")).isEmpty())
            prompter.answerInput(settings.value(QStringLiteral("密码")));
        toolbar(9);
        prompter.clear();
    }
    ~SettingsShop() { window->skins().SkinDetach(); }
    bool checked(const QString& name) { return find<QAbstractButton>(name)->isChecked(); }
    bool enabled(const QString& name) { return control(name)->isEnabled(); }
    QString storedSetting(const QString& field) const { return stored(Tables::kSettings).first().value(field); }
    ListControl* skins() { return find<ListControl>(QStringLiteral("超级列表框_皮肤")); }};

const QStringList kPasswordGroup = {"编辑框_密码", "编辑框_确认密码", "按钮_密码确定", "选择框_登录密码",
                                    "选择框_仓库密码", "选择框_客户密码", "选择框_查询密码"};

} // namespace

class SettingsPageTest : public QObject {
    Q_OBJECT

private slots:
    void pageIsFilledFromTheSettings() {
        SettingsShop shop({{"密码", "a b"}, {"登录密码", "假"}, {"仓库密码", "真"}, {"客户密码", ""}, {"查询密码", "x"},
                           {"皮肤", "5"}, {"自动备份", "2024年3月1日"}, {"备份周期", "2"}, {"备份路径", "/备份/店"}});
        QVERIFY(shop.checked(QStringLiteral("单选框_启用密码")));
        for (const QString& name : kPasswordGroup)
            QVERIFY2(shop.enabled(name), qPrintable(name));
        QCOMPARE(shop.text(QStringLiteral("编辑框_密码")), QStringLiteral("a b"));
        QCOMPARE(shop.text(QStringLiteral("编辑框_确认密码")), QStringLiteral("a b"));
        QCOMPARE(shop.find<QLineEdit>(QStringLiteral("编辑框_密码"))->echoMode(), QLineEdit::Password);
        QVERIFY(!shop.checked(QStringLiteral("选择框_登录密码")));
        QVERIFY(shop.checked(QStringLiteral("选择框_仓库密码")));
        QVERIFY(shop.checked(QStringLiteral("选择框_客户密码"))); // empty shows ticked
        QVERIFY(shop.checked(QStringLiteral("选择框_查询密码")));
        QVERIFY(shop.checked(QStringLiteral("单选框_开启备份")));
        QVERIFY(!shop.checked(QStringLiteral("单选框_关闭备份")));
        QVERIFY(shop.enabled(QStringLiteral("组合框_周期")));
        QCOMPARE(shop.find<QComboBox>(QStringLiteral("组合框_周期"))->currentText(), QStringLiteral("7天"));
        QCOMPARE(shop.text(QStringLiteral("标签_备份路径")), QStringLiteral("/备份/店"));
        QCOMPARE(shop.skins()->rowCount(), 129);
        QCOMPARE(shop.skins()->currentRow(), 4);
        QVERIFY(shop.checked(QStringLiteral("单选框_启用皮肤")));
        QVERIFY(shop.text(QStringLiteral("标签_数据库大小")).endsWith(QStringLiteral("KB")));
        QCOMPARE(shop.prompter.messages.size(), 0);
    }

    void emptySettingsShowPasswordsAndBackupOff() {
        SettingsShop shop;
        QVERIFY(shop.checked(QStringLiteral("单选框_禁用密码")));
        for (const QString& name : kPasswordGroup)
            QVERIFY2(!shop.enabled(name), qPrintable(name));
        QVERIFY(shop.checked(QStringLiteral("单选框_关闭备份")));
        QVERIFY(!shop.enabled(QStringLiteral("组合框_周期")));
        QVERIFY(!shop.enabled(QStringLiteral("按钮_备份更改位置")));
        QVERIFY(shop.checked(QStringLiteral("单选框_关闭皮肤")));
        QCOMPARE(shop.skins()->currentRow(), -1);
    }

    void pageIsFilledOncePerRun() {
        SettingsShop shop;
        shop.type(QStringLiteral("编辑框_密码"), QStringLiteral("typed"));
        shop.toolbar(1);
        shop.setSettings({{"密码", "changed"}});
        shop.toolbar(9);
        QCOMPARE(shop.text(QStringLiteral("编辑框_密码")), QStringLiteral("typed"));
    }

    void savePassword_data() {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("confirm");
        QTest::addColumn<Messages>("expected");
        QTest::addColumn<QString>("stored");
        QTest::newRow("saved with inner blank") << "a b" << "a b" << warning("保存成功！") << "a b";
        QTest::newRow("only blanks") << "   " << "   " << warning("请正确输入密码！") << "";
        QTest::newRow("full-width blanks") << "\u3000" << "\u3000" << warning("请正确输入密码！") << "";
        QTest::newRow("confirmation differs") << "abc" << "abc " << warning("两次输入的密码不一致，请检查！") << "";
    }
    void savePassword() {
        QFETCH(QString, password);
        QFETCH(QString, confirm);
        QFETCH(Messages, expected);
        QFETCH(QString, stored);
        SettingsShop shop;
        shop.click(QStringLiteral("单选框_启用密码"));
        QVERIFY(shop.enabled(QStringLiteral("编辑框_密码")));
        shop.type(QStringLiteral("编辑框_密码"), password);
        shop.type(QStringLiteral("编辑框_确认密码"), confirm);
        shop.find<QCheckBox>(QStringLiteral("选择框_登录密码"))->setChecked(true);
        shop.find<QCheckBox>(QStringLiteral("选择框_仓库密码"))->setChecked(false);
        shop.click(QStringLiteral("按钮_密码确定"));
        QCOMPARE(shop.messages(), expected);
        QCOMPARE(shop.storedSetting(QStringLiteral("密码")), stored);
        if (!stored.isEmpty()) {
            QCOMPARE(shop.storedSetting(QStringLiteral("登录密码")), QStringLiteral("真"));
            QCOMPARE(shop.storedSetting(QStringLiteral("仓库密码")), QStringLiteral("假"));
        }
        QCOMPARE(shop.ctx->settings.password, QString()); // in force from the next start
    }

    void disablingStoresAnEmptyPasswordAndKeepsTheFlags() {
        SettingsShop shop({{"密码", "pw"}, {"仓库密码", "真"}, {"查询密码", "假"}});
        shop.click(QStringLiteral("单选框_禁用密码"));
        QCOMPARE(shop.messages(), warning("保存成功！"));
        QCOMPARE(shop.storedSetting(QStringLiteral("密码")), QString());
        QCOMPARE(shop.storedSetting(QStringLiteral("仓库密码")), QStringLiteral("真"));
        QCOMPARE(shop.storedSetting(QStringLiteral("查询密码")), QStringLiteral("假"));
        for (const QString& name : kPasswordGroup)
            QVERIFY2(!shop.enabled(name), qPrintable(name));
        QCOMPARE(shop.ctx->settings.password, QStringLiteral("pw"));
    }

    void failedSettingsWriteIsReported() {
        SettingsShop shop;
        executeOnFile(shop.databasePath(), QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE ON 参数设置 "
                                                          "BEGIN SELECT RAISE(ABORT, 'no'); END"));
        shop.click(QStringLiteral("单选框_启用密码"));
        shop.type(QStringLiteral("编辑框_密码"), QStringLiteral("pw"));
        shop.type(QStringLiteral("编辑框_确认密码"), QStringLiteral("pw"));
        shop.click(QStringLiteral("按钮_密码确定"));
        shop.click(QStringLiteral("按钮26"));
        QCOMPARE(shop.messages(), error("保存失败，设置未能写入数据库！") + error("保存失败，设置未能写入数据库！"));
    }

    void manualBackupNames_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::newRow("extension added") << "backup" << "backup.db";
        QTest::newRow("upper-case kept") << "backup.DB" << "backup.DB";
        QTest::newRow("db inside kept") << "old.db.bak" << "old.db.bak";
    }
    void manualBackupNames() {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        SettingsShop shop;
        shop.prompter.answerSaveFile(shop.programDir() + QLatin1Char('/') + chosen);
        shop.click(QStringLiteral("按钮27"));
        QCOMPARE(shop.prompter.saveDialogNames, QStringList({"2024年3月15日14时30分5秒_xssj.db"}));
        QCOMPARE(shop.messages(), info("数据备份成功！"));
        const QString copy = shop.programDir() + QLatin1Char('/') + written;
        QCOMPARE(readStoredRecords(copy, Tables::kSales), shop.stored(Tables::kSales));
        QCOMPARE(readStoredRecords(copy, Tables::kTopUps).size(), 1);
    }

    void manualBackupCancelledOrFailing() {
        SettingsShop shop;
        shop.click(QStringLiteral("按钮27"));
        QCOMPARE(shop.messages(), Messages());
        // A missing folder: the failure is told, never passed off as a backup.
        shop.prompter.answerSaveFile(shop.programDir() + QStringLiteral("/无此目录/x.db"));
        shop.click(QStringLiteral("按钮27"));
        QCOMPARE(shop.messages(), warning(QStringLiteral("数据备份失败，请检查备份位置是否存在并可写入：%1")
                                              .arg(shop.programDir() + QStringLiteral("/无此目录"))));
        QVERIFY(!QFile::exists(shop.programDir() + QStringLiteral("/无此目录/x.db")));
    }

    void backupSwitchesAndFolder() {
        SettingsShop shop;
        shop.click(QStringLiteral("单选框_开启备份"));
        QVERIFY(!shop.checked(QStringLiteral("单选框_关闭备份")));
        QVERIFY(shop.enabled(QStringLiteral("组合框_周期")));
        QVERIFY(shop.enabled(QStringLiteral("按钮_备份更改位置")));
        shop.prompter.answerFolder(QStringLiteral("/tmp/店"));
        shop.click(QStringLiteral("按钮_备份更改位置"));
        QCOMPARE(shop.text(QStringLiteral("标签_备份路径")), QStringLiteral("/tmp/店"));
        shop.click(QStringLiteral("按钮_备份更改位置")); // cancelled
        QCOMPARE(shop.text(QStringLiteral("标签_备份路径")), QString());
        shop.click(QStringLiteral("单选框_关闭备份"));
        QVERIFY(shop.checked(QStringLiteral("单选框_关闭备份")));
        QVERIFY(!shop.enabled(QStringLiteral("组合框_周期")));
        QCOMPARE(shop.storedSetting(QStringLiteral("自动备份")), QString()); // nothing stored by the switches
    }

    void savingWithBackupOnStoresAndCopiesAtOnce() {
        SettingsShop shop({{"备份周期", "4"}, {"备份路径", "/老位置"}});
        const QString folder = shop.programDir() + QStringLiteral("/备份");
        QDir().mkpath(folder);
        shop.click(QStringLiteral("单选框_开启备份"));
        shop.find<QComboBox>(QStringLiteral("组合框_周期"))->setCurrentIndex(1);
        shop.prompter.answerFolder(folder);
        shop.click(QStringLiteral("按钮_备份更改位置"));
        shop.click(QStringLiteral("按钮26"));
        QCOMPARE(shop.messages(), info("保存成功！"));
        QCOMPARE(shop.storedSetting(QStringLiteral("自动备份")), QStringLiteral("2024年3月15日"));
        QCOMPARE(shop.storedSetting(QStringLiteral("备份周期")), QStringLiteral("1"));
        QCOMPARE(shop.storedSetting(QStringLiteral("备份路径")), folder);
        const QString copy = folder + QStringLiteral("/2024年3月15日14时30分5秒_xssj.db");
        QCOMPARE(readStoredRecords(copy, Tables::kSales).size(), 1);
        QCOMPARE(shop.ctx->settings.backupCycle, QStringLiteral("4")); // in memory until the next start

        shop.prompter.clear();
        shop.click(QStringLiteral("单选框_关闭备份"));
        shop.click(QStringLiteral("按钮26"));
        QCOMPARE(shop.messages(), info("保存成功！"));
        QCOMPARE(shop.storedSetting(QStringLiteral("自动备份")), QString());
        QCOMPARE(shop.storedSetting(QStringLiteral("备份周期")), QStringLiteral("1"));
        QCOMPARE(shop.storedSetting(QStringLiteral("备份路径")), folder);
    }

    void clearTables_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("message");
        QTest::newRow("sales") << "按钮29" << Tables::kSales << "销售记录数据库已清空！";
        QTest::newRow("products") << "按钮30" << Tables::kProducts << "商品信息数据库已清空！";
        QTest::newRow("customers") << "按钮31" << Tables::kCustomers << "客户资料数据库已清空！";
        QTest::newRow("top-ups") << "按钮32" << Tables::kTopUps << "充值记录数据库已清空！";
    }
    void clearTables() {
        QFETCH(QString, button);
        QFETCH(QString, table);
        QFETCH(QString, message);
        SettingsShop shop;
        shop.prompter.answerInput(QStringLiteral("kovrel"));
        shop.click(button);
        QCOMPARE(shop.messages(), info(message));
        QCOMPARE(shop.prompter.inputs.first().prompt, QStringLiteral("请输入数据库清空密码"));
        QVERIFY(shop.prompter.inputs.first().password);
        for (const QString& t : {Tables::kSales, Tables::kProducts, Tables::kCustomers, Tables::kTopUps})
            QCOMPARE(shop.stored(t).size(), t == table ? 0 : 1);
        QCOMPARE(shop.stored(Tables::kSettings).size(), 1);
        // An empty table clears again.
        shop.prompter.clear();
        shop.prompter.answerInput(QStringLiteral("kovrel"));
        shop.click(button);
        QCOMPARE(shop.messages(), info(message));
    }

    void clearingRefusesWrongPasswordsAndCancel() {
        SettingsShop shop;
        shop.prompter.answerInput(QStringLiteral("kovrel "));
        shop.click(QStringLiteral("按钮29"));
        QCOMPARE(shop.messages(), error("密码错误！"));
        shop.prompter.clear();
        shop.prompter.answerInput(QStringLiteral("KOVREL"));
        shop.click(QStringLiteral("按钮29"));
        QCOMPARE(shop.messages(), error("密码错误！"));
        shop.prompter.clear();
        shop.click(QStringLiteral("按钮29")); // cancelled
        QCOMPARE(shop.messages(), Messages());
        QCOMPARE(shop.stored(Tables::kSales).size(), 1);
    }

    void failedClearingIsReported() {
        SettingsShop shop;
        executeOnFile(shop.databasePath(), QStringLiteral("CREATE TRIGGER refuse BEFORE DELETE ON 销售记录 "
                                                          "BEGIN SELECT RAISE(ABORT, 'no'); END"));
        shop.prompter.answerInput(QStringLiteral("kovrel"));
        shop.click(QStringLiteral("按钮29"));
        QCOMPARE(shop.messages(), error("清空失败，数据没有改动！"));
        QCOMPARE(shop.stored(Tables::kSales).size(), 1);
    }

    void skinChoiceIsAppliedAndStored() {
        SettingsShop shop;
        shop.clickListRow(QStringLiteral("超级列表框_皮肤"), 2);
        QCOMPARE(shop.window->skins().attached(), 3);
        QCOMPARE(QApplication::palette().color(QPalette::Window), SkinCatalog::Palette(3).color(QPalette::Window));
        QCOMPARE(shop.storedSetting(QStringLiteral("皮肤")), QStringLiteral("3"));
        QCOMPARE(shop.ctx->settings.skin, QString());
        QCOMPARE(shop.prompter.messages.size(), 0);

        shop.click(QStringLiteral("单选框_关闭皮肤"));
        QCOMPARE(shop.window->skins().attached(), 0);
        QCOMPARE(shop.storedSetting(QStringLiteral("皮肤")), QString());
        QVERIFY(QApplication::palette().color(QPalette::Window) != SkinCatalog::Palette(3).color(QPalette::Window));

        shop.clickListRow(QStringLiteral("超级列表框_皮肤"), 0); // attaches again without preparing again
        QCOMPARE(shop.window->skins().attached(), 1);
        // A click that leaves no row selected (the list is too long to show empty space).
        shop.skins()->setCurrentRow(-1);
        emit shop.skins()->leftClicked(-1);
        QCOMPARE(shop.storedSetting(QStringLiteral("皮肤")), QStringLiteral("0"));
        QCOMPARE(shop.window->skins().attached(), 1); // skin 0 applies nothing
    }

    void detachRestoresTheStartingLook() {
        const QColor original = QApplication::palette().color(QPalette::Window);
        SkinEngine engine;
        engine.SkinDetach(); // nothing prepared yet: nothing happens
        QCOMPARE(QApplication::palette().color(QPalette::Window), original);
        engine.ApplySkin(130, 0, 0);
        QVERIFY(!engine.loaded());
        engine.ApplySkin(77, 0, 0);
        QVERIFY(engine.loaded());
        QVERIFY(QApplication::palette().color(QPalette::Window) != original);
        engine.SkinDetach();
        QCOMPARE(QApplication::palette().color(QPalette::Window), original);
    }

    void everySkinIsDistinctNamedAndReadable() {
        const QStringList names = SkinCatalog::Names();
        QCOMPARE(names.size(), 129);
        QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), 129);
        QCOMPARE(SkinCatalog::NamesText().split(QStringLiteral("\r\n")), names);
        QSet<QString> palettes;
        for (int n = 1; n <= 129; ++n) {
            QVERIFY(names[n - 1].startsWith(QStringLiteral("皮肤_")));
            QVERIFY(names[n - 1].size() > 3);
            SkinEngine engine;
            engine.ApplySkin(n, 0, 0);
            const QPalette p = QApplication::palette();
            const QPair<QPalette::ColorRole, QPalette::ColorRole> pairs[] = {
                {QPalette::Window, QPalette::WindowText}, {QPalette::Base, QPalette::Text},
                {QPalette::Button, QPalette::ButtonText}, {QPalette::ToolTipBase, QPalette::ToolTipText},
                {QPalette::Highlight, QPalette::HighlightedText}};
            for (const auto& [background, text] : pairs) {
                double ratio = SkinCatalog::ContrastRatio(p.color(background), p.color(text));
                QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("%1: %2 on %3 is %4")
                                                      .arg(names[n - 1])
                                                      .arg(p.color(text).name(), p.color(background).name())
                                                      .arg(ratio)));
            }
            palettes.insert(p.color(QPalette::Window).name() + p.color(QPalette::Button).name() +
                            p.color(QPalette::Highlight).name());
            engine.SkinDetach();
        }
        QCOMPARE(palettes.size(), 129);
    }

    void screenshotsUnderAFewSkins() {
        SettingsShop shop({{"皮肤", "5"}});
        for (int row : {1, 40, 65, 92, 128}) {
            shop.clickListRow(QStringLiteral("超级列表框_皮肤"), row);
            QApplication::processEvents();
            QVERIFY(shop.window->grab().save(
                QStringLiteral(XSSJ_BINARY_DIR "/screenshots/settings-skin-%1.png").arg(row + 1)));
        }
    }

    void databaseSizeText_data() {
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("1000 bytes") << qint64(1000) << "";
        QTest::newRow("1001 bytes") << qint64(1001) << "0.9775390625KB";
        QTest::newRow("1000 KB") << qint64(1024000) << "1000KB";
        QTest::newRow("2 MB") << qint64(2097152) << "2MB";
        QTest::newRow("rounded MB") << qint64(1100000) << "1.05MB";
    }
    void databaseSizeText() {
        QFETCH(qint64, bytes);
        QFETCH(QString, text);
        QCOMPARE(DatabaseCopy::SizeText(bytes), text);
    }
};

QTEST_MAIN(SettingsPageTest)
#include "tst_settingspage.moc"
