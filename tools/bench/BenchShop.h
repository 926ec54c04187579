#pragma once

#include "app/AppContext.h"
#include "app/MainWindow.h"
#include "ui/Prompter.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <functional>
#include <memory>

// Answers nothing and counts the messages, so handlers run unattended.
class SilentPrompter : public Prompter {
public:
    void message(const QString&, const QString&, MessageIcon) override { ++messages; }
    std::optional<QString> inputText(const QString&, const QString&, bool, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&, const QString&) override { return saveAnswer; }
    QString chooseFolder(const QString&, const QString&) override { return {}; }
    int runDialog(QDialog&) override { return 0; }
    int messages = 0;
    QString saveAnswer;
};

// A shop of a given size in a temporary folder, with the real main window.
class BenchShop {
public:
    BenchShop();
    ~BenchShop();
    SqliteDB& fillDb() { return fill_; }
    // products named 商品0.., numbered LFXS-2400000000.., spread over categories 分类0..
    void fillProducts(int products, int categories);
    void startWindow();
    // Runs the action and prints its time (the event loop is turned afterwards so the views catch up).
    static qint64 measure(const char* what, const std::function<void()>& action);

    QTemporaryDir dir;
    Clock clock;
    SilentPrompter prompter;
    std::unique_ptr<AppContext> ctx;
    std::unique_ptr<MainWindow> window;

private:
    SqliteDB fill_;
};

// Appends plain values in a table's field order (encoded as the program stores them).
void appendPlainRecord(SqliteTable& table, const QString& tableName, const QStringList& values);
