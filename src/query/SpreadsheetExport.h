#pragma once

#include <QString>

class AppContext;
class ListControl;
class QIODevice;

// The query list saved as a table that spreadsheet programs open: an HTML
// table in code page 936 with CR LF line ends, under a ".xls" name.
namespace SpreadsheetExport {

// Writes the list's rows and columns (title table first when title is not
// empty, header row when header is set). Texts are escaped, so a cell
// holding markup shows as typed.
bool WriteListAsHtmlTable(QIODevice& out, const ListControl& list, bool header, const QString& title);
bool WriteListAsHtmlTable(const QString& path, const ListControl& list, bool header, const QString& title);

// The export button: asks for a file name (proposed 岚丰销售_<date-time>.xls) and writes the list.
void ExportQueryList(AppContext& ctx, const ListControl& list);

} // namespace SpreadsheetExport
