// Faults around the file: the program goes on with a clear message, and the
// file holds every sale wholly or not at all.
#include "support/TestShop.h"

#include "store/Tables.h"
#include "ui/ListControl.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRadioButton>
#include <QTest>

#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

const QString kCheckoutFailed = QStringLiteral("出现紧急问题，请联系开发人员！");
const QString kSold = QStringLiteral("商品销售录入成功！");

// A small shop, made once: two products and a customer who pays from a balance.
QString shopDatabase() {
    static QTemporaryDir folder;
    static const QString path = [] {
        TestShop seed;
        seed.addRecord(Tables::kProductCategories, {"粮油"});
        seed.addRecord(Tables::kProducts, {"C1", "粮油", "大米", "12.5", "假", "假", "100", ""});
        seed.addRecord(Tables::kProducts, {"C2", "粮油", "面粉", "8", "假", "假", "100", ""});
        seed.addRecord(Tables::kCustomerCategories, {"零售"});
        seed.addRecord(Tables::kCustomers, {"张三", "零售", "真", "", "", "500", "500", ""});
        const QString copy = folder.filePath(QStringLiteral("shop.db"));
        QFile::copy(seed.databasePath(), copy);
        return copy;
    }();
    return path;
}

QString copyShopInto(const QString& folder) {
    const QString path = folder + QStringLiteral("/xssj.db");
    QFile::remove(path);
    QFile::copy(shopDatabase(), path);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    return path;
}

// The shop's window on a folder prepared by the test.
struct FaultShop : TestShop {
    explicit FaultShop(const QString& folder) : TestShop(folder) {}
    void start() {
        window->OnMainWindowCreated();
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            qWarning("window not exposed");
        toolbar(1);
    }
    // Two lines, paid from the balance; a long remark makes the file grow.
    void fillCart() {
        const QString products = QStringLiteral("超级列表框_销售");
        click(QStringLiteral("按钮35"));
        for (const QString& number : {QStringLiteral("C1"), QStringLiteral("C2")}) {
            const int row = listColumn(products, 1).indexOf(number);
            if (row < 0)
                return;
            clickListRow(products, row);
            type(QStringLiteral("编辑框_数量"), QStringLiteral("2"));
            type(QStringLiteral("编辑框_备注"), QString(3000, QChar(0x7C73)));
            click(QStringLiteral("按钮2"));
        }
    }
    void checkout() {
        choose(QStringLiteral("组合框_客户"), QStringLiteral("张三"));
        find<QRadioButton>(QStringLiteral("单选框_代扣"))->click();
        click(QStringLiteral("按钮3"));
    }
    int cartLines() { return find<ListControl>(QStringLiteral("超级列表框_购物车"))->rowCount(); }
};

// A fresh copy of the shop in a folder of its own, the window started and two lines in the cart.
struct ShopAtTheTill {
    QTemporaryDir dir;
    QString path = copyShopInto(dir.path());
    FaultShop shop{dir.path()};
    ShopAtTheTill() {
        shop.start();
        shop.fillCart();
    }
};

// The stored state a sale changes: sales, stock and the balance.
struct Books {
    int sales;
    QStringList stock;
    QString balance;
    bool operator==(const Books&) const = default;
};
Books booksOf(const TestShop& shop) {
    return {static_cast<int>(shop.stored(Tables::kSales).size()), shop.storedField(Tables::kProducts, QStringLiteral("数量")),
            shop.storedField(Tables::kCustomers, QStringLiteral("剩余金额")).value(0)};
}
const Books kUntouched{0, {"100", "100"}, "500"};
const Books kSoldOnce{2, {"98", "98"}, "459"};

Messages startupWarning(const QString& text) { return warning(text); }

} // namespace

class FaultsTest : public QObject {
    Q_OBJECT

private slots:
    void readOnlyFile() {
        QTemporaryDir dir;
        const QString path = copyShopInto(dir.path());
        bool mounted = false;
        if (geteuid() == 0) {
            // Root writes through file permissions; only a read-only file system stops it.
            mounted = mount("tmpfs", qPrintable(dir.path()), "tmpfs", 0, "size=4m") == 0;
            if (!mounted)
                QSKIP("running as root without the right to mount a read-only file system");
            copyShopInto(dir.path());
            QVERIFY(mount("tmpfs", qPrintable(dir.path()), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0);
        } else {
            QFile::setPermissions(path, QFile::ReadOwner);
        }
        {
            FaultShop shop(dir.path());
            shop.start();
            QCOMPARE(shop.messages(),
                     startupWarning(QStringLiteral("数据库文件或其所在的文件夹不可写入：%1\r\n程序可以查看数据，但所做的修改不会被保存。")
                                        .arg(path)));
            shop.prompter.clear();
            shop.fillCart();
            QCOMPARE(shop.cartLines(), 2); // reading still works
            shop.checkout();
            QCOMPARE(shop.messages(), error(kCheckoutFailed));
            QCOMPARE(booksOf(shop), kUntouched);
            QCOMPARE(shop.cartLines(), 2);
        }
        if (mounted)
            umount2(qPrintable(dir.path()), MNT_DETACH);
    }

    void lockedByAnotherProgramForAWhile() {
        QTemporaryDir dir;
        const QString path = copyShopInto(dir.path());
        QProcess holder;
        holder.start(QStringLiteral(XSSJ_LOCK_HOLDER), {path});
        QVERIFY(holder.waitForReadyRead(10000));
        QCOMPARE(holder.readLine().trimmed(), QByteArray("locked"));

        FaultShop shop(dir.path());
        shop.start();
        const Messages locked = startupWarning(
            QStringLiteral("数据库文件正被其他程序占用：%1\r\n请关闭占用它的程序后再试；在此之前数据无法读取，所做的修改也不会被保存。")
                .arg(path));
        QCOMPARE(shop.messages(), locked);
        shop.prompter.clear();
        shop.click(QStringLiteral("按钮35"));
        QCOMPARE(shop.listColumn(QStringLiteral("超级列表框_销售"), 1), QStringList()); // told once already

        // The other program lets go: the same window works on once the page is entered again.
        holder.closeWriteChannel();
        QVERIFY(holder.waitForFinished(10000));
        shop.toolbar(7);
        shop.toolbar(1);
        shop.fillCart();
        shop.checkout();
        QCOMPARE(shop.messages(), info(kSold));
        QCOMPARE(booksOf(shop), kSoldOnce);
    }

    void diskFullInTheMiddleOfACheckout() {
        ShopAtTheTill till;
        FaultShop& shop = till.shop;
        const QString& path = till.path;
        // No file may grow past the database's present size: the sale's pages do not fit.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit original{};
        getrlimit(RLIMIT_FSIZE, &original);
        rlimit full = original;
        full.rlim_cur = static_cast<rlim_t>(QFileInfo(path).size());
        QVERIFY(setrlimit(RLIMIT_FSIZE, &full) == 0);
        shop.checkout();
        setrlimit(RLIMIT_FSIZE, &original);
        QCOMPARE(shop.messages(), error(kCheckoutFailed));
        QCOMPARE(booksOf(shop), kUntouched);
        QCOMPARE(shop.cartLines(), 2);

        // Space again: the kept cart sells whole.
        shop.prompter.clear();
        shop.checkout();
        QCOMPARE(shop.messages(), info(kSold));
        QCOMPARE(booksOf(shop), kSoldOnce);
    }

    // A real full file system: a small one mounted for the test (root only).
    void fullFileSystemInTheMiddleOfACheckout() {
        if (geteuid() != 0)
            QSKIP("mounting a small file system needs root");
        QTemporaryDir dir;
        const QByteArray folder = dir.path().toLocal8Bit();
        if (mount("tmpfs", folder.constData(), "tmpfs", 0, "size=4m") != 0)
            QSKIP("no right to mount a file system here");
        {
            const QString path = copyShopInto(dir.path());
            FaultShop shop(dir.path());
            shop.start();
            shop.fillCart();
            // Room for the file as it is and two pages more: not for the sale and its journal.
            const QByteArray tight = "size=" + QByteArray::number(QFileInfo(path).size() + 8192);
            QVERIFY(mount("tmpfs", folder.constData(), "tmpfs", MS_REMOUNT, tight.constData()) == 0);
            shop.prompter.clear();
            shop.checkout();
            QCOMPARE(shop.messages(), error(kCheckoutFailed));
            QCOMPARE(booksOf(shop), kUntouched);
            QCOMPARE(shop.cartLines(), 2);

            QVERIFY(mount("tmpfs", folder.constData(), "tmpfs", MS_REMOUNT, "size=4m") == 0);
            shop.prompter.clear();
            shop.checkout();
            QCOMPARE(shop.messages(), info(kSold));
            QCOMPARE(booksOf(shop), kSoldOnce);
        }
        umount2(folder.constData(), MNT_DETACH);
    }

    void replacedByGarbageWhileRunning() {
        ShopAtTheTill till;
        FaultShop& shop = till.shop;
        const QString& path = till.path;
        QByteArray garbage(64 * 1024, '\0');
        for (int i = 0; i < garbage.size(); ++i)
            garbage[i] = static_cast<char>((i * 7919) % 251);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(garbage);
        file.close();
        shop.prompter.clear();
        shop.checkout();
        QCOMPARE(shop.messages(),
                 Messages({{QStringLiteral("数据库文件已损坏或不是数据库文件：%1\r\n程序将照常运行，但数据无法读取，所做的修改也不会被保存。").arg(path),
                            MessageIcon::Warning},
                           {kCheckoutFailed, MessageIcon::Error}}));
        shop.toolbar(7);
        shop.click(QStringLiteral("按钮23")); // a query walks the file: nothing to show, no crash
        QFile again(path);
        QVERIFY(again.open(QIODevice::ReadOnly));
        QCOMPARE(again.readAll(), garbage); // nothing written into it
    }

    // A column gone before start: the operator is told at start-up which one; a sale
    // is stored with every field the table still has.
    void missingColumn() {
        QTemporaryDir dir;
        const QString path = copyShopInto(dir.path());
        executeOnFile(path, QStringLiteral("ALTER TABLE 销售记录 DROP COLUMN 备注"));
        FaultShop shop(dir.path());
        shop.start();
        QCOMPARE(shop.messages(),
                 warning(QStringLiteral("数据库文件的数据表缺少字段：销售记录.备注\r\n文件：%1\r\n涉及这些字段的修改不会被保存。").arg(path)));
        shop.prompter.clear();
        shop.fillCart();
        shop.checkout();
        QCOMPARE(shop.messages(), info(kSold));
        QCOMPARE(booksOf(shop), kSoldOnce);
        QCOMPARE(shop.storedField(Tables::kSales, QStringLiteral("编号")), QStringList({"C1", "C2"}));
    }

    // The sales table dropped while the program runs: the checkout fails whole.
    void missingTable() {
        ShopAtTheTill till;
        FaultShop& shop = till.shop;
        const QString& path = till.path;
        executeOnFile(path, QStringLiteral("DROP TABLE 销售记录"));
        shop.prompter.clear();
        shop.checkout();
        QCOMPARE(shop.messages(), error(kCheckoutFailed));
        QCOMPARE(shop.storedField(Tables::kProducts, QStringLiteral("数量")), QStringList({"100", "100"}));
        QCOMPARE(shop.storedField(Tables::kCustomers, QStringLiteral("剩余金额")), QStringList({"500"}));
        QCOMPARE(shop.cartLines(), 2);
    }

    void deletedWhileRunning() {
        ShopAtTheTill till;
        FaultShop& shop = till.shop;
        const QString& path = till.path;
        shop.ctx->db.Close(); // as between two pieces of work
        QVERIFY(QFile::remove(path));
        shop.prompter.clear();
        shop.checkout();
        QCOMPARE(shop.messages(),
                 Messages({{QStringLiteral("找不到数据库文件：%1\r\n程序将照常运行，但数据无法读取，所做的修改也不会被保存。").arg(path),
                            MessageIcon::Warning},
                           {kCheckoutFailed, MessageIcon::Error}}));
        QVERIFY(!QFile::exists(path)); // never made anew, empty
        QCOMPARE(shop.cartLines(), 2);
    }
};

QTEST_MAIN(FaultsTest)
#include "tst_faults.moc"
