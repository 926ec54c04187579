#include "CaseFile.h"

#include <QFile>

QString unescapeField(const QString& field) {
    QString out;
    for (qsizetype i = 0; i < field.size(); ++i) {
        QChar c = field[i];
        if (c != QLatin1Char('\\') || i + 1 >= field.size()) {
            out += c;
            continue;
        }
        QChar next = field[++i];
        switch (next.unicode()) {
        case 't': out += QLatin1Char('\t'); break;
        case 'n': out += QLatin1Char('\n'); break;
        case 'r': out += QLatin1Char('\r'); break;
        case '\\': out += QLatin1Char('\\'); break;
        case 'u': {
            bool ok = false;
            QString hex = field.mid(i + 1, 4);
            ushort code = hex.toUShort(&ok, 16);
            if (ok && hex.size() == 4) {
                out += QChar(code);
                i += 4;
            } else {
                out += QStringLiteral("\\u");
            }
            break;
        }
        default: out += QLatin1Char('\\'); out += next; break;
        }
    }
    return out;
}

QString escapeForDisplay(const QString& text) {
    QString out;
    for (QChar c : text) {
        if (c == QLatin1Char('\t'))
            out += QStringLiteral("\\t");
        else if (c == QLatin1Char('\n'))
            out += QStringLiteral("\\n");
        else if (c == QLatin1Char('\r'))
            out += QStringLiteral("\\r");
        else if (c == QLatin1Char('\\'))
            out += QStringLiteral("\\\\");
        else if (c.unicode() < 0x20)
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

CaseFile readCaseFile(const QString& path) {
    CaseFile file;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return file;
    file.present = true;
    const QList<QByteArray> lines = f.readAll().split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        QString line = QString::fromUtf8(lines[i]);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        CaseRow row;
        row.line = i + 1;
        for (const QString& field : line.split(QLatin1Char('\t')))
            row.fields << unescapeField(field);
        file.rows << row;
    }
    return file;
}
