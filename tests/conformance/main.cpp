// Checks the pure text functions against case tables (tests/cases, or the
// folder named by XSSJ_CASES). One line per failing row, then "N passed, M failed".

#include "CaseFile.h"

#include "store/FieldCodec.h"
#include "util/ChineseText.h"
#include "util/DateTimeFormat.h"
#include "util/MoneyCapitals.h"
#include "util/OleDate.h"
#include "util/SortOrder.h"
#include "util/TextForms.h"

#include <QDir>
#include <QRegularExpression>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <optional>

namespace {

struct Outcome {
    QString expected;
    QString got;
    bool pass;
};

Outcome compareTexts(const QString& expected, const QString& got) { return {expected, got, expected == got}; }

double parseDouble(const QString& literal) { return std::strtod(literal.toUtf8().constData(), nullptr); }

bool identical(double a, double b) {
    if (std::isnan(a) && std::isnan(b))
        return true;
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// "Y-M-D h:m:s" of a case file as a date-time value.
std::optional<double> caseDateTime(const QString& text) {
    static const QRegularExpression form(QStringLiteral("^(-?\\d+)-(\\d+)-(\\d+)(?: (\\d+):(\\d+):(\\d+))?$"));
    QRegularExpressionMatch m = form.match(text.trimmed());
    if (!m.hasMatch())
        return std::nullopt;
    OleDate::Fields f{m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt(),
                      m.captured(4).toInt(), m.captured(5).toInt(), m.captured(6).toInt()};
    return OleDate::fromFields(f);
}

QString isoDateTime(double value) {
    OleDate::Fields f;
    if (!OleDate::toFields(value, f))
        return QStringLiteral("INVALID");
    return QStringLiteral("%1-%2-%3 %4:%5:%6")
        .arg(f.year, 4, 10, QLatin1Char('0'))
        .arg(f.month, 2, 10, QLatin1Char('0'))
        .arg(f.day, 2, 10, QLatin1Char('0'))
        .arg(f.hour, 2, 10, QLatin1Char('0'))
        .arg(f.minute, 2, 10, QLatin1Char('0'))
        .arg(f.second, 2, 10, QLatin1Char('0'));
}

using Checker = std::function<QList<Outcome>(const QStringList&)>;

struct Table {
    const char* file;
    int columns;
    Checker check;
};

const QList<Table>& tables() {
    static const QList<Table> all = {
        {"number_text.tsv", 2,
         [](const QStringList& f) { return QList{compareTexts(f[1], TextForms::numberText(parseDouble(f[0])))}; }},
        {"text_to_number.tsv", 2,
         [](const QStringList& f) {
             double want = parseDouble(f[1]), got = TextForms::toNumber(f[0]);
             return QList{Outcome{f[1], TextForms::numberText(got) + QStringLiteral(" (%1)").arg(got, 0, 'g', 17),
                                  identical(want, got)}};
         }},
        {"date_text.tsv", 2,
         [](const QStringList& f) {
             auto value = caseDateTime(f[0]);
             return QList{compareTexts(f[1], value ? TextForms::dateTimeText(*value) : QStringLiteral("bad case"))};
         }},
        {"parse_date.tsv", 2,
         [](const QStringList& f) {
             bool valid = false;
             double value = TextForms::toDateTime(f[0], &valid);
             return QList{compareTexts(f[1], valid ? isoDateTime(value) : QStringLiteral("INVALID"))};
         }},
        {"format_datetime.tsv", 5,
         [](const QStringList& f) {
             auto value = caseDateTime(f[0]);
             QString got = value ? DateTimeFormat::FormatDateTime(*value, f[1].toInt(), f[2].toInt(), f[3].toInt())
                                 : QStringLiteral("bad case");
             return QList{compareTexts(f[4], got)};
         }},
        {"drop_leading.tsv", 3,
         [](const QStringList& f) {
             return QList{compareTexts(f[2], DateTimeFormat::DropLeadingChars(f[0], f[1].toInt()))};
         }},
        {"codec.tsv", 2,
         [](const QStringList& f) {
             return QList{compareTexts(f[1], FieldCodec::EncodeField(f[0])),
                          compareTexts(f[0], FieldCodec::DecodeField(f[1]))};
         }},
        {"decode.tsv", 2, [](const QStringList& f) { return QList{compareTexts(f[1], FieldCodec::DecodeField(f[0]))}; }},
        {"capitals.tsv", 3,
         [](const QStringList& f) {
             return QList{compareTexts(f[2], MoneyToCapitals(parseDouble(f[0]), f[1].trimmed() == QStringLiteral("1")))};
         }},
        {"is_all_chinese.tsv", 2,
         [](const QStringList& f) {
             return QList{compareTexts(f[1], ChineseText::IsAllChineseText(f[0]) ? QStringLiteral("true")
                                                                                 : QStringLiteral("false"))};
         }},
        {"sort.tsv", 3,
         [](const QStringList& f) {
             QStringList keys = f[1].isEmpty() ? QStringList() : f[1].split(QLatin1Char('|'));
             QStringList order;
             for (int i : SortOrder::insertionOrder(keys, f[0].toInt()))
                 order << QString::number(i);
             return QList{compareTexts(f[2], order.join(QLatin1Char(',')))};
         }},
    };
    return all;
}

void say(const QString& text) { std::printf("%s\n", text.toUtf8().constData()); }

} // namespace

int main() {
    QString folder = qEnvironmentVariable("XSSJ_CASES");
    if (folder.isEmpty())
        folder = QStringLiteral(XSSJ_SOURCE_DIR "/tests/cases");
    QDir dir(folder);
    int passed = 0, failed = 0;
    for (const Table& table : tables()) {
        const QString name = QString::fromLatin1(table.file);
        CaseFile file = readCaseFile(dir.filePath(name));
        if (!file.present) {
            say(QStringLiteral("note: %1 not found, skipped").arg(name));
            continue;
        }
        for (const CaseRow& row : file.rows) {
            if (row.fields.size() < table.columns) {
                ++failed;
                say(QStringLiteral("%1:%2: expected %3 columns, got %4").arg(name).arg(row.line).arg(table.columns).arg(row.fields.size()));
                continue;
            }
            bool rowPassed = true;
            for (const Outcome& o : table.check(row.fields)) {
                if (o.pass)
                    continue;
                rowPassed = false;
                say(QStringLiteral("%1:%2: expected \"%3\", got \"%4\"")
                        .arg(name)
                        .arg(row.line)
                        .arg(escapeForDisplay(o.expected), escapeForDisplay(o.got)));
            }
            rowPassed ? ++passed : ++failed;
        }
    }
    say(QStringLiteral("%1 passed, %2 failed").arg(passed).arg(failed));
    return failed == 0 ? 0 : 1;
}
