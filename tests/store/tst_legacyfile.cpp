// Reads the database of an earlier installation through the table cursor and
// the field codec and checks every record against expected.json. The folder
// comes from XSSJ_LEGACY_FIXTURE, else the shared legacy fixture.

#include "store/EncodedFields.h"
#include "store/SqliteDB.h"
#include "store/Tables.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <cstdio>

namespace {

QString fixtureFolder() {
    QString fromEnv = qEnvironmentVariable("XSSJ_LEGACY_FIXTURE");
    if (!fromEnv.isEmpty())
        return fromEnv;
    return QStringLiteral(XSSJ_SOURCE_DIR "/../shared/fixtures/legacy");
}

void say(const QString& text) { std::printf("%s\n", text.toUtf8().constData()); }

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QDir folder(fixtureFolder());
    QFile expectedFile(folder.filePath(QStringLiteral("expected.json")));
    if (!expectedFile.open(QIODevice::ReadOnly)) {
        say(QStringLiteral("cannot read %1").arg(expectedFile.fileName()));
        return 1;
    }
    QJsonObject expected = QJsonDocument::fromJson(expectedFile.readAll()).object();

    // Work on a copy: the fixture itself stays untouched.
    QTemporaryDir work;
    QString copy = work.filePath(QStringLiteral("xssj.db"));
    if (!QFile::copy(folder.filePath(QStringLiteral("xssj.db")), copy)) {
        say(QStringLiteral("cannot copy the fixture database"));
        return 1;
    }
    SqliteDB db;
    if (!db.Open(copy)) {
        say(QStringLiteral("cannot open the copy"));
        return 1;
    }

    int passed = 0, failed = 0;
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        const QString tableName = it.key();
        const QJsonArray records = it.value().toArray();
        SqliteTable table;
        if (!table.Open(tableName, db)) {
            say(QStringLiteral("%1: table cannot be opened").arg(tableName));
            failed += records.size();
            continue;
        }
        if (table.RecordCount() != records.size()) {
            say(QStringLiteral("%1: %2 records, expected %3").arg(tableName).arg(table.RecordCount()).arg(records.size()));
            failed += std::abs(table.RecordCount() - static_cast<int>(records.size()));
        }
        for (int n = 1; n <= std::min<int>(table.RecordCount(), records.size()); ++n) {
            table.GoTo(n);
            const QJsonObject record = records[n - 1].toObject();
            bool same = true;
            for (auto field = record.begin(); field != record.end(); ++field) {
                QString got = readPlain(table, field.key());
                if (got != field.value().toString()) {
                    same = false;
                    say(QStringLiteral("%1 record %2 field %3: expected \"%4\", got \"%5\"")
                            .arg(tableName)
                            .arg(n)
                            .arg(field.key(), field.value().toString(), got));
                }
            }
            same ? ++passed : ++failed;
        }
    }
    say(QStringLiteral("%1 passed, %2 failed").arg(passed).arg(failed));
    return failed == 0 && passed > 0 ? 0 : 1;
}
