// xssj-newdb PATH [--demo]: creates a new, empty xssj.db (optionally with a
// small demo shop). Never overwrites an existing file.

#include "DemoData.h"

#include "store/Schema.h"
#include "store/SqliteDB.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QStringList>

#include <cstdio>

namespace {

void say(FILE* stream, const QString& text) { std::fprintf(stream, "%s\n", text.toLocal8Bit().constData()); }

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    bool demo = args.removeAll(QStringLiteral("--demo")) > 0;
    if (args.size() != 1 || args[0].startsWith(QLatin1Char('-'))) {
        say(stderr, QStringLiteral("用法：xssj-newdb 路径 [--demo]"));
        return 2;
    }
    const QString path = args[0];
    QString error;
    if (!Schema::CreateDatabaseFile(path, &error)) {
        say(stderr, error);
        return 1;
    }
    if (demo) {
        SqliteDB db;
        bool filled = db.Open(path) && FillDemoData(db, QDateTime::currentDateTime());
        db.Close();
        if (!filled) {
            QFile::remove(path);
            say(stderr, QStringLiteral("无法写入演示数据：%1").arg(path));
            return 1;
        }
    }
    say(stdout, QStringLiteral("已创建 %1").arg(path));
    return 0;
}
