#pragma once

#include <QString>

class AppContext;

namespace DatabaseCopy {

// Copies the database file to target, replacing a file of that name. The
// copy is written beside the target first and renamed into place, so a
// failed copy never leaves half a file under the target name.
bool CopyDatabase(const QString& source, const QString& target);

// The automatic backup's file: folder, separator, date-time text, "_xssj.db".
QString BackupPath(const QString& folder, double nowOle);

// Size label of the settings page: "" up to 1000 bytes, then KB, then MB.
QString SizeText(qint64 bytes);

} // namespace DatabaseCopy
