#pragma once

#include <QString>
#include <QStringList>

// Looks at xssj.db before the program starts working on it: the program
// never creates the file, so a missing or broken one must be reported.
struct DatabaseCheck {
    enum Problem { None, Missing, NotDatabase, MissingTables };
    Problem problem = None;
    QStringList missingTables; // with MissingTables

    static DatabaseCheck Run(const QString& path);
};
