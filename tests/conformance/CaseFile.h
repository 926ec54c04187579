#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One case table: UTF-8, tab-separated, one case a line; blank lines and
// lines starting with '#' are skipped; fields know \t \n \r \\ and \uXXXX.
struct CaseRow {
    int line = 0;
    QStringList fields;
};

struct CaseFile {
    bool present = false;
    QList<CaseRow> rows;
};

CaseFile readCaseFile(const QString& path);
QString unescapeField(const QString& field);
// Shows a text with its control characters escaped again, for failure lines.
QString escapeForDisplay(const QString& text);
