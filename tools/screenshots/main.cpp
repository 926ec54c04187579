// xssj-screenshots FOLDER [--scale F]
// Makes the README's pictures: a demo shop in a temporary program folder, the
// real main window at its 1024 × 800 size, and one sale driven through the
// real controls. With --scale the whole window is drawn at that scale (as on
// a screen set to 125 % or 150 %), to check that nothing is cut off.

#include "../newdb/DemoData.h"

#include "app/AppContext.h"
#include "app/MainWindow.h"
#include "store/Schema.h"
#include "store/SqliteDB.h"
#include "ui/ListControl.h"
#include "ui/Prompter.h"
#include "util/Clock.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

#include <cstdio>

namespace {

// Answers nothing and asks nothing: the pictures show pages, not message boxes.
// Messages are printed so a failed step is seen.
class PrintingPrompter : public Prompter {
public:
    void message(const QString& text, const QString&, MessageIcon) override {
        std::printf("  信息：%s\n", qPrintable(text));
    }
    std::optional<QString> inputText(const QString&, const QString&, bool, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&, const QString&) override { return {}; }
    QString chooseFolder(const QString&, const QString&) override { return {}; }
    int runDialog(QDialog&) override { return QDialog::Rejected; }
};

class Photographer {
public:
    Photographer(MainWindow& window, const QDir& folder) : window_(window), folder_(folder) {}

    template <typename T> T* find(const QString& name) const {
        T* widget = window_.findChild<T*>(name);
        if (!widget)
            qFatal("no control named %s", qPrintable(name));
        return widget;
    }
    void settle() const {
        for (int i = 0; i < 5; ++i) {
            QApplication::processEvents();
            QTest::qWait(20);
        }
    }
    void toolbar(int index) const {
        QList<QAction*> buttons;
        for (QAction* a : window_.toolbar()->actions())
            if (!a->isSeparator())
                buttons << a;
        QTest::mouseClick(window_.toolbar()->widgetForAction(buttons.at(index)), Qt::LeftButton);
        settle();
    }
    void click(const QString& name) const {
        auto* button = find<QAbstractButton>(name);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(qMin(8, button->width() / 2), button->height() / 2));
        settle();
    }
    void type(const QString& name, const QString& text) const { find<QLineEdit>(name)->setText(text); }
    // Clicks the first row that shows the text in any column.
    void clickRow(const QString& listName, const QString& text) const {
        auto* list = find<ListControl>(listName);
        list->listModel()->publish();
        for (int row = 0; row < list->rowCount(); ++row) {
            bool shown = false;
            for (int column = 0; column < list->columnCount(); ++column)
                shown |= list->cell(row, column) == text;
            if (shown) {
                list->scrollToRow(row);
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                                  list->visualRect(list->listModel()->index(row, 1)).center());
                settle();
                return;
            }
        }
        qFatal("%s is not listed", qPrintable(text));
    }
    void pickCustomer(const QString& name) const {
        auto* box = find<QComboBox>(QStringLiteral("组合框_客户"));
        const int index = box->findText(name);
        box->setCurrentIndex(index);
        emit box->activated(index);
        settle();
    }
    bool shoot(const QString& name) const {
        settle();
        const QString path = folder_.filePath(name + QStringLiteral(".png"));
        const bool saved = window_.grab().save(path);
        std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
        return saved;
    }

private:
    MainWindow& window_;
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

    FixedClock clock(today);
    PrintingPrompter prompter;
    AppContext ctx(programDir.path(), clock, prompter);
    bool ok = true;
    {
        MainWindow window(ctx);
        if (window.OnMainWindowCreated() != MainWindow::Start::Run)
            return 1;
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            return 1;
        Photographer shots(window, folder);
        ok &= shots.shoot(QStringLiteral("1-start"));

        // One sale: list the products, put two in the cart, pick the customer and the payment.
        shots.toolbar(0);
        shots.click(QStringLiteral("按钮35"));
        shots.clickRow(QStringLiteral("超级列表框_销售"), QStringLiteral("东北大米5kg"));
        shots.type(QStringLiteral("编辑框_数量"), QStringLiteral("2"));
        shots.click(QStringLiteral("按钮2"));
        shots.clickRow(QStringLiteral("超级列表框_销售"), QStringLiteral("可口可乐330ml"));
        shots.type(QStringLiteral("编辑框_数量"), QStringLiteral("6"));
        shots.type(QStringLiteral("编辑框_备注"), QStringLiteral("冰镇"));
        shots.click(QStringLiteral("按钮2"));
        shots.pickCustomer(QStringLiteral("张三"));
        shots.click(QStringLiteral("单选框_代扣"));
        ok &= shots.shoot(QStringLiteral("2-sales"));
        shots.click(QStringLiteral("按钮3"));

        shots.toolbar(1);
        shots.click(QStringLiteral("按钮28"));
        ok &= shots.shoot(QStringLiteral("3-warehouse"));

        shots.toolbar(2);
        ok &= shots.shoot(QStringLiteral("4-customers"));

        // The sale just made shows up in the query of this month.
        shots.toolbar(3);
        shots.find<QDateEdit>(QStringLiteral("日期框_起"))->setDate(QDate(2024, 3, 1));
        shots.find<QDateEdit>(QStringLiteral("日期框_止"))->setDate(QDate(2024, 3, 15));
        shots.click(QStringLiteral("按钮23"));
        ok &= shots.shoot(QStringLiteral("5-query"));

        shots.toolbar(4);
        ok &= shots.shoot(QStringLiteral("6-settings"));
    }
    ShutdownCleanup(ctx);
    return ok ? 0 : 1;
}
