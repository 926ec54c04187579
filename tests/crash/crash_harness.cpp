// Kills the program in the middle of its multi-record changes and checks that
// the file holds each change wholly or not at all.
//
//   crash_harness [--trials-per-op N] [--seed S]
//
// A shop of a few thousand records is made once. Each operation (a 20-line
// checkout in each payment state, a product category rename and delete with
// their products, a top-up, marking 1,500 sales records) first runs to its end
// in a child process, which gives the file as the whole change leaves it.
// Then each trial copies the shop, starts a child that prepares the operation
// through the real controls, says "go" just before the click that makes the
// change, and is killed with SIGKILL after a random wait up to a little past
// the operation's measured length. The file must then pass SQLite's integrity
// check, every stored value must decode and encode back to the same text, and
// every table must equal either the file before the change or the file after
// it. Prints the trials and the violations; exits 1 on any violation.
//
//   crash_harness --child OP FOLDER   (the child: runs OP on FOLDER/xssj.db)

#include "support/StoredRecords.h"
#include "support/TestShop.h"

#include "store/EncodedFields.h"
#include "store/FieldCodec.h"
#include "store/SqliteDB.h"
#include "store/Tables.h"
#include "ui/ListControl.h"

#include <QApplication>
#include <QDateEdit>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>

#include <chrono>
#include <cstdio>
#include <map>
#include <random>
#include <thread>

namespace {

const QStringList kOperations = {QStringLiteral("checkout-现款"), QStringLiteral("checkout-代扣"),
                                 QStringLiteral("checkout-记账"), QStringLiteral("category-rename"),
                                 QStringLiteral("category-delete"), QStringLiteral("top-up"),
                                 QStringLiteral("mark-settled")};
const QStringList kTables = {Tables::kSettings,  Tables::kProductCategories, Tables::kProducts, Tables::kCustomerCategories,
                             Tables::kCustomers, Tables::kTopUps,            Tables::kSales};
const QString kClearance = QStringLiteral("清仓");
constexpr int kProducts = 2000;
constexpr int kClearanceProducts = 600;
constexpr int kSales = 4000;
constexpr int kOnAccountSales = 1500;

void say(const QString& text) {
    std::printf("%s\n", text.toLocal8Bit().constData());
    std::fflush(stdout);
}

QString productNumber(int n) { return QStringLiteral("P%1").arg(n, 5, 10, QLatin1Char('0')); }

// ---- the shop -------------------------------------------------------------

bool makeShop(const QString& path) {
    if (!QFile::copy(templateDatabase(), path))
        return false;
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    SqliteDB db;
    if (!db.Open(path))
        return false;
    TransactionGuard transaction(db);
    std::map<QString, SqliteTable> cursors;
    auto add = [&](const QString& table, const QStringList& values) {
        SqliteTable& cursor = cursors[table];
        if (!cursor.IsOpen() && !cursor.Open(table, db))
            return false;
        if (!cursor.BeginAppend())
            return false;
        const QStringList fields = Tables::fieldsOf(table);
        for (int i = 0; i < fields.size() && i < values.size(); ++i)
            writePlain(cursor, fields[i], values[i]);
        return cursor.Update();
    };
    bool ok = transaction.began();
    const QStringList categories = {QStringLiteral("饮料"), kClearance, QStringLiteral("粮油"), QStringLiteral("文具")};
    for (const QString& c : categories)
        ok = ok && add(Tables::kProductCategories, {c});
    for (int n = 0; n < kProducts && ok; ++n) {
        const QString category = n % 3 == 1 && n / 3 < kClearanceProducts ? kClearance : categories[(n % 2) * 2];
        ok = add(Tables::kProducts, {productNumber(n), category, QStringLiteral("商品%1").arg(n),
                                     QString::number(1 + n % 50) + QStringLiteral(".5"), QStringLiteral("假"),
                                     QStringLiteral("假"), QStringLiteral("1000"), QString()});
    }
    for (const char* c : {"零售", "批发"})
        ok = ok && add(Tables::kCustomerCategories, {QString::fromUtf8(c)});
    ok = ok && add(Tables::kCustomers, {"张三", "零售", "真", "138", "东街", "100000", "99000", ""});
    ok = ok && add(Tables::kCustomers, {"王五", "批发", "假", "", "", "0", "0", ""});
    ok = ok && add(Tables::kTopUps, {"2024年1月2日", "张三", "100000", "首次"});
    for (int n = 0; n < kSales && ok; ++n) {
        const bool onAccount = n % 8 < 3 && n / 8 * 3 + n % 8 < kOnAccountSales;
        ok = add(Tables::kSales, {QStringLiteral("2024年3月%1日").arg(1 + n % 14), onAccount ? "王五" : "张三",
                                  productNumber(n % kProducts), QStringLiteral("商品%1").arg(n % kProducts), "2", "1",
                                  "2", QStringLiteral("第%1笔").arg(n), onAccount ? "记账" : "已结"});
    }
    cursors.clear();
    return ok && transaction.commit();
}

// ---- the child: one operation through the real window ---------------------

void prepareCheckout(TestShop& shop, const QString& method) {
    shop.toolbar(1);
    shop.click(QStringLiteral("按钮35"));
    const QString list = QStringLiteral("超级列表框_销售");
    const QStringList numbers = shop.listColumn(list, 1);
    for (int line = 0; line < 20; ++line) {
        shop.clickListRow(list, numbers.indexOf(productNumber(line * 97)));
        shop.type(QStringLiteral("编辑框_数量"), QString::number(1 + line % 4));
        shop.click(QStringLiteral("按钮2"));
    }
    shop.choose(QStringLiteral("组合框_客户"), QStringLiteral("张三"));
    const QString radio = method == QStringLiteral("现款")   ? QStringLiteral("单选框_现款")
                          : method == QStringLiteral("代扣") ? QStringLiteral("单选框_代扣")
                                                             : QStringLiteral("单选框_记账");
    shop.find<QRadioButton>(radio)->click();
}

// Everything up to the click that changes the file; returns that click.
std::function<void()> prepare(TestShop& shop, const QString& op) {
    if (op.startsWith(QStringLiteral("checkout-"))) {
        prepareCheckout(shop, op.section(QLatin1Char('-'), 1));
        return [&shop] { shop.click(QStringLiteral("按钮3")); };
    }
    if (op.startsWith(QStringLiteral("category-"))) {
        shop.toolbar(3);
        shop.clickTreeItem(QStringLiteral("树型框_商品信息"), kClearance);
        if (op == QStringLiteral("category-rename")) {
            shop.type(QStringLiteral("编辑框_商品分类"), QStringLiteral("特价"));
            return [&shop] { shop.click(QStringLiteral("按钮6")); };
        }
        return [&shop] { shop.click(QStringLiteral("按钮7")); };
    }
    if (op == QStringLiteral("top-up")) {
        shop.toolbar(5);
        shop.find<QTabWidget>(QStringLiteral("高级选择夹2"))->setCurrentIndex(1);
        const QString list = QStringLiteral("超级列表框_预存充值");
        shop.find<QDateEdit>(QStringLiteral("日期框_充值"))->setDate(QDate(2024, 3, 1));
        shop.clickListRow(list, shop.listColumn(list, 1).indexOf(QStringLiteral("张三")));
        shop.type(QStringLiteral("编辑框_预存说明"), QStringLiteral("现金"));
        shop.type(QStringLiteral("编辑框_本次预存"), QStringLiteral("50"));
        return [&shop] { shop.click(QStringLiteral("按钮21")); };
    }
    // Marking: every 记账 sale of 王五 selected in the full list.
    shop.toolbar(7);
    shop.find<QDateEdit>(QStringLiteral("日期框_起"))->setDate(QDate(2024, 1, 1));
    shop.find<QDateEdit>(QStringLiteral("日期框_止"))->setDate(QDate(2024, 12, 31));
    shop.click(QStringLiteral("按钮23"));
    auto* list = shop.find<ListControl>(QStringLiteral("超级列表框_查询"));
    list->setCurrentRow(-1);
    int first = -1;
    for (int row = 0; row < list->rowCount(); ++row) {
        if (list->cell(row, 2) == QStringLiteral("王五")) {
            list->selectRow(row, true);
            first = first < 0 ? row : first;
        }
    }
    list->selectionModel()->setCurrentIndex(list->listModel()->index(first, 0), QItemSelectionModel::NoUpdate);
    emit list->leftClicked(first);
    return [&shop] { shop.click(QStringLiteral("按钮_标记已结")); };
}

int runChild(const QString& op, const QString& folder) {
    TestShop shop(folder);
    shop.window->OnMainWindowCreated();
    shop.window->show();
    if (!QTest::qWaitForWindowExposed(shop.window.get()))
        return 3;
    std::function<void()> change = prepare(shop, op);
    shop.prompter.clear();
    say(QStringLiteral("go"));
    QElapsedTimer timer;
    timer.start();
    change();
    say(QStringLiteral("done %1 %2").arg(timer.elapsed()).arg(shop.prompter.messageTexts().join(QLatin1Char('|'))));
    return 0;
}

// ---- the parent: trials and checks ----------------------------------------

using TableContents = QList<StoredRecord>;
using FileContents = QMap<QString, TableContents>;

FileContents contentsOf(const QString& path) {
    FileContents contents;
    for (const QString& table : kTables)
        contents[table] = readStoredRecords(path, table);
    return contents;
}

QString integrityOf(const QString& path) {
    sqlite3* db = nullptr;
    QString result = QStringLiteral("cannot open");
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &statement, nullptr) == SQLITE_OK &&
            sqlite3_step(statement) == SQLITE_ROW)
            result = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
        sqlite3_finalize(statement);
    }
    sqlite3_close(db);
    return result;
}

// A value written halfway would not survive decoding and encoding again.
int undecodableValues(const QString& path) {
    int bad = 0;
    for (const QString& table : kTables)
        for (const StoredRecord& record : readRawRecords(path, table))
            for (const QString& raw : record)
                bad += !raw.isEmpty() && FieldCodec::EncodeField(FieldCodec::DecodeField(raw)) != raw;
    return bad;
}

struct Outcome {
    QString problem; // empty when the file is sound
    bool changed = false;
};

Outcome check(const QString& path, const FileContents& before, const FileContents& after) {
    const QString integrity = integrityOf(path); // opening rolls back what a killed change left behind
    if (integrity != QStringLiteral("ok"))
        return {QStringLiteral("integrity check: %1").arg(integrity)};
    if (const int bad = undecodableValues(path))
        return {QStringLiteral("%1 values do not decode").arg(bad)};
    const FileContents now = contentsOf(path);
    if (now == before)
        return {{}, false};
    if (now == after)
        return {{}, true};
    QStringList differing;
    for (const QString& table : kTables)
        if (now[table] != before[table])
            differing << QStringLiteral("%1 (%2 → %3 records)").arg(table).arg(before[table].size()).arg(now[table].size());
    return {QStringLiteral("half a change: %1").arg(differing.join(QStringLiteral(", ")))};
}

struct ChildRun {
    bool sawGo = false;
    bool finished = false; // ran to its end before the kill
    QString output;
};

ChildRun runTrial(const QString& op, const QString& folder, std::optional<int> killAfterMicroseconds) {
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // A runtime folder of its own keeps Qt from warning about a missing one in every child.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!environment.contains(QStringLiteral("XDG_RUNTIME_DIR"))) {
        const QString runtime = folder + QStringLiteral("/runtime");
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    }
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child"), op, folder});
    ChildRun run;
    QElapsedTimer waiting;
    waiting.start();
    while (!run.sawGo && waiting.elapsed() < 60000) {
        if (!child.waitForReadyRead(1000) && child.state() == QProcess::NotRunning)
            break;
        while (child.canReadLine() && !run.sawGo)
            run.sawGo = child.readLine().trimmed() == "go";
    }
    if (killAfterMicroseconds && run.sawGo) {
        std::this_thread::sleep_for(std::chrono::microseconds(*killAfterMicroseconds));
        child.kill();
    }
    child.waitForFinished(60000);
    run.output = QString::fromLocal8Bit(child.readAll()).trimmed();
    run.finished = child.exitStatus() == QProcess::NormalExit && run.output.startsWith(QStringLiteral("done"));
    return run;
}

int runHarness(int trialsPerOp, unsigned seed) {
    QTemporaryDir work;
    const QString shop = work.filePath(QStringLiteral("shop.db"));
    if (!makeShop(shop)) {
        say(QStringLiteral("cannot make the shop"));
        return 2;
    }
    const FileContents before = contentsOf(shop);
    std::mt19937 random(seed);
    int trials = 0, violations = 0;
    say(QStringLiteral("operation          ms  trials  killed-midway  stored  not-stored  violations"));
    for (const QString& op : kOperations) {
        // The whole change, once, to know what it leaves and how long it takes.
        const QString fullFolder = work.filePath(op + QStringLiteral("-full"));
        QDir().mkpath(fullFolder);
        QFile::copy(shop, fullFolder + QStringLiteral("/xssj.db"));
        const ChildRun full = runTrial(op, fullFolder, std::nullopt);
        if (!full.finished) {
            say(QStringLiteral("%1: the change does not run to its end: %2").arg(op, full.output));
            return 2;
        }
        const int lengthMs = full.output.section(QLatin1Char(' '), 1, 1).toInt();
        const FileContents after = contentsOf(fullFolder + QStringLiteral("/xssj.db"));
        if (after == before) {
            say(QStringLiteral("%1: the change stored nothing: %2").arg(op, full.output));
            return 2;
        }
        std::uniform_int_distribution<int> wait(0, (lengthMs + 5) * 1200);
        int midway = 0, stored = 0, notStored = 0, opViolations = 0;
        for (int t = 0; t < trialsPerOp; ++t) {
            const QString folder = work.filePath(QStringLiteral("%1-%2").arg(op).arg(t));
            QDir().mkpath(folder);
            QFile::copy(shop, folder + QStringLiteral("/xssj.db"));
            const ChildRun run = runTrial(op, folder, wait(random));
            if (!run.sawGo) {
                say(QStringLiteral("%1: the child never got ready: %2").arg(op, run.output));
                return 2;
            }
            midway += !run.finished;
            const Outcome outcome = check(folder + QStringLiteral("/xssj.db"), before, after);
            if (!outcome.problem.isEmpty()) {
                ++opViolations;
                say(QStringLiteral("  violation in %1 trial %2: %3").arg(op).arg(t).arg(outcome.problem));
            }
            (outcome.changed ? stored : notStored) += outcome.problem.isEmpty();
            QDir(folder).removeRecursively();
        }
        trials += trialsPerOp;
        violations += opViolations;
        say(QStringLiteral("%1 %2 %3 %4 %5 %6 %7")
                .arg(op, -16)
                .arg(lengthMs, 5)
                .arg(trialsPerOp, 7)
                .arg(midway, 14)
                .arg(stored, 7)
                .arg(notStored, 11)
                .arg(opViolations, 11));
    }
    say(QStringLiteral("trials %1, violations %2 (seed %3)").arg(trials).arg(violations).arg(seed));
    return violations == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.size() == 3 && args[0] == QStringLiteral("--child"))
        return runChild(args[1], args[2]);
    int trialsPerOp = 30;
    unsigned seed = 20261211;
    for (int i = 0; i + 1 < args.size(); i += 2) {
        if (args[i] == QStringLiteral("--trials-per-op"))
            trialsPerOp = args[i + 1].toInt();
        else if (args[i] == QStringLiteral("--seed"))
            seed = args[i + 1].toUInt();
    }
    if (trialsPerOp <= 0 || args.size() % 2 != 0) {
        say(QStringLiteral("usage: crash_harness [--trials-per-op N] [--seed S]"));
        return 2;
    }
    return runHarness(trialsPerOp, seed);
}
