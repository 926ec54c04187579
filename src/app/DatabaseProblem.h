#pragma once

#include "store/DatabaseCheck.h"

#include <QString>

class AppContext;

// What the operator is told about a problem with xssj.db; empty for None.
QString DatabaseProblemText(const DatabaseCheck& check, const QString& path);

// Checks xssj.db and tells the operator of any problem. Used at start-up.
void ReportDatabaseProblem(AppContext& ctx);

// After xssj.db could not be opened in the middle of work (deleted, replaced
// by something else, or held by another program): says why, once, until the
// file can be opened again.
void ReportUnreachableDatabase(AppContext& ctx);
