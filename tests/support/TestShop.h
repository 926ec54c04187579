#pragma once

#include "ScriptedPrompter.h"
#include "StoredRecords.h"

#include "app/AppContext.h"
#include "app/MainWindow.h"
#include "util/Clock.h"

#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>

#include <memory>

class ListControl;
class TreeControl;
class QTreeWidgetItem;

// Messages as the operator saw them: text and icon (the caption is checked to be "信息：").
using Messages = QList<QPair<QString, MessageIcon>>;
inline Messages warning(const QString& text) { return {{text, MessageIcon::Warning}}; }
inline Messages info(const QString& text) { return {{text, MessageIcon::Information}}; }
inline Messages error(const QString& text) { return {{text, MessageIcon::Error}}; }

// Runs SQL on a database file behind the program's back.
void executeOnFile(const QString& path, const QString& sql);

// A page-test fixture: a temporary program directory holding a fresh copy of
// a new database (made once per test run), a fixed clock, the scripted
// prompter, the context and the real main window.
class TestShop {
public:
    // The clock stands at 15 March 2024 14:30:05 unless a test moves it.
    TestShop();
    // Works on the xssj.db already in the folder (the crash harness's child).
    explicit TestShop(const QString& programDir);
    ~TestShop();

    QString programDir() const { return programDir_; }
    QString databasePath() const { return ctx->databasePath(); }

    // Appends a record with plain values (encoded as the program stores them) in the table's field order.
    void addRecord(const QString& table, const QStringList& values);
    // Sets fields of the settings record (field name → plain text).
    void setSettings(const QMap<QString, QString>& fields);
    QList<StoredRecord> stored(const QString& table) const { return readStoredRecords(databasePath(), table); }
    // One field of every stored record of a table, in storage order.
    QStringList storedField(const QString& table, const QString& field) const;
    // The messages shown so far; fails the test run on any caption but "信息：".
    Messages messages() const;

    template <typename T> T* find(const QString& name) const {
        T* widget = window->findChild<T*>(name);
        if (!widget)
            qFatal("no control named %s", qPrintable(name));
        return widget;
    }
    QWidget* control(const QString& name) const { return find<QWidget>(name); }

    void toolbar(int position);
    void click(const QString& name);
    void type(const QString& name, const QString& text);
    // Picks the item showing the text in a drop-down list, as the operator does
    // (no item when none shows it).
    void choose(const QString& name, const QString& text);
    QString text(const QString& name) const;

    // Rows of a list as texts.
    QList<QStringList> listRows(const QString& name) const;
    QStringList listColumn(const QString& name, int column) const;
    void clickListRow(const QString& name, int row, Qt::MouseButton button = Qt::LeftButton);
    void clickListEmptySpace(const QString& name);
    void clickListHeader(const QString& name, int column);
    void doubleClickListRow(const QString& name, int row);

    // Tree items depth-first, each indented by two spaces per level.
    QStringList treeItems(const QString& name) const;
    QTreeWidgetItem* treeItem(const QString& name, const QString& path) const;
    void clickTreeItem(const QString& name, const QString& path);

    FixedClock clock{QDateTime(QDate(2024, 3, 15), QTime(14, 30, 5))};
    ScriptedPrompter prompter;
    std::unique_ptr<AppContext> ctx;
    std::unique_ptr<MainWindow> window;

private:
    void start();
    QTemporaryDir dir_; // declared before programDir_: the plain constructor copies into it first
    QString programDir_;
};

// A new database made once per test run; copy it, never change it.
QString templateDatabase();
