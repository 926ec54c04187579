#pragma once

#include <QString>

class AppContext;

// Empties one of four tables behind the fixed clearing password.
void ClearTableWithPassword(AppContext& ctx, const QString& table, const QString& doneMessage);
