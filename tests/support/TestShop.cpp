#include "TestShop.h"

#include "store/EncodedFields.h"
#include "store/SqliteDB.h"
#include "store/Schema.h"
#include "store/SqliteDB.h"
#include "store/Tables.h"
#include "ui/ListControl.h"
#include "ui/TreeControl.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QRadioButton>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>

QString templateDatabase() {
    static QTemporaryDir folder;
    static QString path = [] {
        QString p = folder.filePath(QStringLiteral("template.db"));
        if (!Schema::CreateDatabaseFile(p))
            qFatal("cannot create the template database");
        return p;
    }();
    return path;
}

namespace {

QString copyOfTemplate(const QTemporaryDir& dir) {
    if (!QFile::copy(templateDatabase(), dir.filePath(QStringLiteral("xssj.db"))))
        qFatal("cannot copy the template database");
    QFile::setPermissions(dir.filePath(QStringLiteral("xssj.db")), QFile::ReadOwner | QFile::WriteOwner);
    return dir.path();
}

} // namespace

TestShop::TestShop() : programDir_(copyOfTemplate(dir_)) { start(); }

TestShop::TestShop(const QString& programDir) : programDir_(programDir) { start(); }

void TestShop::start() {
    ctx = std::make_unique<AppContext>(programDir_, clock, prompter);
    window = std::make_unique<MainWindow>(*ctx);
}

TestShop::~TestShop() {
    window.reset();
    ShutdownCleanup(*ctx);
}

void TestShop::addRecord(const QString& table, const QStringList& values) {
    SqliteDB db;
    SqliteTable cursor;
    if (!db.Open(databasePath()) || !cursor.Open(table, db) || !cursor.BeginAppend())
        qFatal("cannot open %s", qPrintable(table));
    const QStringList fields = Tables::fieldsOf(table);
    for (int i = 0; i < fields.size() && i < values.size(); ++i)
        writePlain(cursor, fields[i], values[i]);
    if (!cursor.Update())
        qFatal("cannot append to %s", qPrintable(table));
}

void TestShop::setSettings(const QMap<QString, QString>& fields) {
    SqliteDB db;
    SqliteTable cursor;
    if (!db.Open(databasePath()) || !cursor.Open(Tables::kSettings, db) || !cursor.GoFirst() || !cursor.BeginEdit())
        qFatal("cannot open the settings record");
    for (auto it = fields.begin(); it != fields.end(); ++it)
        writePlain(cursor, it.key(), it.value());
    if (!cursor.Update())
        qFatal("cannot write the settings record");
}

void executeOnFile(const QString& path, const QString& sql) {
    SqliteDB db;
    if (!db.Open(path) || !db.Execute(sql))
        qFatal("cannot run %s", qPrintable(sql));
}

QStringList TestShop::storedField(const QString& table, const QString& field) const {
    QStringList values;
    for (const StoredRecord& r : stored(table))
        values << r.value(field);
    return values;
}

Messages TestShop::messages() const {
    Messages out;
    for (const auto& m : prompter.messages) {
        if (m.caption != Prompter::kInfoCaption)
            qFatal("unexpected caption %s", qPrintable(m.caption));
        out << qMakePair(m.text, m.icon);
    }
    return out;
}

void TestShop::toolbar(int position) {
    // Button positions 1, 3, 5, 7, 9 are the toolbar's actions in order.
    QList<QAction*> buttons;
    for (QAction* a : window->toolbar()->actions())
        if (!a->isSeparator())
            buttons << a;
    int index = (position - 1) / 2;
    if (position % 2 == 1 && index >= 0 && index < buttons.size()) {
        QWidget* button = window->toolbar()->widgetForAction(buttons[index]);
        QTest::mouseClick(button, Qt::LeftButton);
    } else {
        window->OnToolbarClick(position);
    }
}

void TestShop::click(const QString& name) {
    auto* button = find<QAbstractButton>(name);
    if (!button->isEnabled())
        qFatal("control %s is disabled", qPrintable(name));
    // Check boxes and radio buttons take clicks only on their indicator and text, at the left.
    const bool indicator = qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button);
    QTest::mouseClick(button, Qt::LeftButton, {}, indicator ? QPoint(8, button->height() / 2) : button->rect().center());
}

void TestShop::type(const QString& name, const QString& text) {
    QWidget* w = control(name);
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        edit->setText(text);
    else if (auto* area = qobject_cast<QTextEdit*>(w))
        area->setPlainText(text);
    else
        qFatal("control %s takes no text", qPrintable(name));
}

void TestShop::choose(const QString& name, const QString& text) {
    auto* box = find<QComboBox>(name);
    const int index = box->findText(text);
    box->setCurrentIndex(index);
    emit box->activated(index);
}

QString TestShop::text(const QString& name) const {
    QWidget* w = control(name);
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        return edit->text();
    if (auto* area = qobject_cast<QTextEdit*>(w))
        return area->toPlainText();
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return button->text();
    if (auto* combo = qobject_cast<QComboBox*>(w))
        return combo->currentText();
    if (auto* label = qobject_cast<QLabel*>(w))
        return label->text();
    qFatal("control %s shows no text", qPrintable(name));
}

QList<QStringList> TestShop::listRows(const QString& name) const {
    auto* list = find<ListControl>(name);
    QList<QStringList> rows;
    for (int r = 0; r < list->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < list->columnCount(); ++c)
            cells << list->cell(r, c);
        rows << cells;
    }
    return rows;
}

QStringList TestShop::listColumn(const QString& name, int column) const {
    auto* list = find<ListControl>(name);
    QStringList cells;
    for (int r = 0; r < list->rowCount(); ++r)
        cells << list->cell(r, column);
    return cells;
}

namespace {

QPoint rowCenter(ListControl* list, int row) {
    list->listModel()->publish();
    list->scrollToRow(row);
    QRect rect = list->visualRect(list->listModel()->index(row, 1 < list->columnCount() ? 1 : 0));
    return rect.center();
}

void ensureShown(QWidget* w) {
    QWidget* top = w->window();
    if (!top->isVisible()) {
        top->show();
        if (!QTest::qWaitForWindowExposed(top))
            qWarning("window not exposed");
    }
    QApplication::processEvents();
}

} // namespace

void TestShop::clickListRow(const QString& name, int row, Qt::MouseButton button) {
    auto* list = find<ListControl>(name);
    ensureShown(list);
    QTest::mouseClick(list->viewport(), button, {}, rowCenter(list, row));
}

void TestShop::clickListEmptySpace(const QString& name) {
    auto* list = find<ListControl>(name);
    ensureShown(list);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(5, list->viewport()->height() - 3));
}

void TestShop::clickListHeader(const QString& name, int column) {
    auto* list = find<ListControl>(name);
    ensureShown(list);
    QHeaderView* header = list->header();
    int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
}

void TestShop::doubleClickListRow(const QString& name, int row) {
    auto* list = find<ListControl>(name);
    ensureShown(list);
    QPoint at = rowCenter(list, row);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

QStringList TestShop::treeItems(const QString& name) const {
    auto* tree = find<TreeControl>(name);
    QStringList out;
    std::function<void(QTreeWidgetItem*, int)> visit = [&](QTreeWidgetItem* item, int depth) {
        out << QString(depth * 2, QLatin1Char(' ')) + item->text(0);
        for (int i = 0; i < item->childCount(); ++i)
            visit(item->child(i), depth + 1);
    };
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        visit(tree->topLevelItem(i), 0);
    return out;
}

QTreeWidgetItem* TestShop::treeItem(const QString& name, const QString& path) const {
    auto* tree = find<TreeControl>(name);
    QStringList parts = path.split(QLatin1Char('/'));
    QTreeWidgetItem* item = nullptr;
    for (const QString& part : parts) {
        QTreeWidgetItem* found = nullptr;
        int count = item ? item->childCount() : tree->topLevelItemCount();
        for (int i = 0; i < count && !found; ++i) {
            QTreeWidgetItem* child = item ? item->child(i) : tree->topLevelItem(i);
            if (child->text(0) == part)
                found = child;
        }
        if (!found)
            qFatal("no tree item %s", qPrintable(path));
        item = found;
    }
    return item;
}

void TestShop::clickTreeItem(const QString& name, const QString& path) {
    auto* tree = find<TreeControl>(name);
    ensureShown(tree);
    QTreeWidgetItem* item = treeItem(name, path);
    for (QTreeWidgetItem* p = item->parent(); p; p = p->parent())
        p->setExpanded(true);
    tree->scrollToItem(item);
    QApplication::processEvents();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
}
