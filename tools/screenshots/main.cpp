// xssj-screenshots FOLDER [--scale F]
// Makes the README's pictures: a demo shop in a temporary program folder, the
// real main window at its 1024 × 800 size, and one sale driven through the
// real controls. With --scale the whole window is drawn at that scale (as on
// a screen set to 125 % or 150 %), to check that nothing is cut off.

#include "../newdb/DemoData.h"

#include "support/TestShop.h"

#include "store/Schema.h"
#include "store/SqliteDB.h"

#include <QApplication>
#include <QDateEdit>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

namespace {

// The shop's window driven through its controls, as the page tests drive it.
class Photographer : public TestShop {
public:
    Photographer(const QString& programDir, const QDir& folder) : TestShop(programDir), folder_(folder) {}

    // Clicks the first row that shows the text in any column.
    void clickRow(const QString& listName, const QString& text) {
        const QList<QStringList> rows = listRows(listName);
        for (int row = 0; row < rows.size(); ++row) {
            if (rows[row].contains(text)) {
                clickListRow(listName, row);
                return;
            }
        }
        qFatal("%s is not listed", qPrintable(text));
    }
    bool shoot(const QString& name) {
        for (int i = 0; i < 5; ++i) {
            QApplication::processEvents();
            QTest::qWait(20);
        }
        const QString path = folder_.filePath(name + QStringLiteral(".png"));
        const bool saved = window->grab().save(path);
        std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
        return saved;
    }
    // The messages shown, so a failed step is seen.
    void printMessages() {
        for (const QString& text : prompter.messageTexts())
            std::printf("  信息：%s\n", qPrintable(text));
        prompter.clear();
    }

private:
    QDir folder_;
};

} // namespace

int main(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    QString scale;
    if (const int at = args.indexOf(QStringLiteral("--scale")); at >= 0 && at + 1 < args.size()) {
        scale = args.takeAt(at + 1);
        args.removeAt(at);
    }
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: xssj-screenshots FOLDER [--scale F]\n");
        return 2;
    }
    // Both must be set before the application starts.
    if (!scale.isEmpty())
        qputenv("QT_SCALE_FACTOR", scale.toLatin1());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QDir folder(args[0]);
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(args[0]));
        return 1;
    }

    // The demo shop as it stood on a fixed day, so the pictures come out the same every time.
    const QDateTime today(QDate(2024, 3, 15), QTime(14, 30, 5));
    QTemporaryDir programDir;
    const QString database = programDir.filePath(QStringLiteral("xssj.db"));
    SqliteDB db;
    if (!Schema::CreateDatabaseFile(database) || !db.Open(database) || !FillDemoData(db, today)) {
        std::fprintf(stderr, "cannot make the demo database\n");
        return 1;
    }
    db.Close();

    bool ok = true;
    {
        Photographer shots(programDir.path(), folder);
        if (shots.window->OnMainWindowCreated() != MainWindow::Start::Run)
            return 1;
        shots.window->show();
        if (!QTest::qWaitForWindowExposed(shots.window.get()))
            return 1;
        ok &= shots.shoot(QStringLiteral("1-start"));

        // One sale: list the products, put two in the cart, pick the customer and the payment.
        shots.toolbar(1);
        shots.click(QStringLiteral("按钮35"));
        shots.clickRow(QStringLiteral("超级列表框_销售"), QStringLiteral("东北大米5kg"));
        shots.type(QStringLiteral("编辑框_数量"), QStringLiteral("2"));
        shots.click(QStringLiteral("按钮2"));
        shots.clickRow(QStringLiteral("超级列表框_销售"), QStringLiteral("可口可乐330ml"));
        shots.type(QStringLiteral("编辑框_数量"), QStringLiteral("6"));
        shots.type(QStringLiteral("编辑框_备注"), QStringLiteral("冰镇"));
        shots.click(QStringLiteral("按钮2"));
        shots.choose(QStringLiteral("组合框_客户"), QStringLiteral("张三"));
        shots.click(QStringLiteral("单选框_代扣"));
        ok &= shots.shoot(QStringLiteral("2-sales"));
        shots.click(QStringLiteral("按钮3"));
        shots.printMessages();

        shots.toolbar(3);
        shots.click(QStringLiteral("按钮28"));
        ok &= shots.shoot(QStringLiteral("3-warehouse"));

        shots.toolbar(5);
        ok &= shots.shoot(QStringLiteral("4-customers"));

        // The sale just made shows up in the query of this month.
        shots.toolbar(7);
        shots.find<QDateEdit>(QStringLiteral("日期框_起"))->setDate(QDate(2024, 3, 1));
        shots.find<QDateEdit>(QStringLiteral("日期框_止"))->setDate(QDate(2024, 3, 15));
        shots.click(QStringLiteral("按钮23"));
        ok &= shots.shoot(QStringLiteral("5-query"));

        shots.toolbar(9);
        ok &= shots.shoot(QStringLiteral("6-settings"));
        shots.printMessages();
    }
    return ok ? 0 : 1;
}
