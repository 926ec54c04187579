#pragma once

#include <QString>
#include <QStringList>

// Looks at xssj.db before the program starts working on it: the program
// never creates the file, so a missing or broken one must be reported.
struct DatabaseCheck {
    enum Problem { None, Missing, NotDatabase, Locked, MissingTables, MissingColumns, ReadOnly };
    Problem problem = None;
    QStringList missingTables;  // with MissingTables
    QStringList missingColumns; // with MissingColumns, as 表.字段

    static DatabaseCheck Run(const QString& path);
};
