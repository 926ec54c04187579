#include "SpreadsheetExport.h"

#include "app/AppContext.h"
#include "ui/EventPump.h"
#include "ui/ListControl.h"
#include "ui/Prompter.h"
#include "ui/SaveFileDialog.h"
#include "ui/WorkProgress.h"
#include "util/FindText.h"
#include "util/Gbk.h"
#include "util/TextForms.h"

#include <QFile>

namespace SpreadsheetExport {

namespace {

// Only what would turn a text into markup: & first, then < and >.
QString escaped(QString text) {
    return text.replace(QLatin1Char('&'), QStringLiteral("&amp;"))
        .replace(QLatin1Char('<'), QStringLiteral("&lt;"))
        .replace(QLatin1Char('>'), QStringLiteral("&gt;"));
}

// Collects lines and writes them in code page 936 a block at a time.
class LineWriter {
public:
    explicit LineWriter(QIODevice& out) : out_(out) {}
    void line(const QString& text) {
        buffer_ += text;
        buffer_ += QStringLiteral("\r\n");
        if (buffer_.size() > 64 * 1024) {
            flush();
            PumpEvents();
        }
    }
    bool flush() {
        QByteArray bytes = Gbk::fromUnicode(buffer_);
        buffer_.clear();
        ok_ = ok_ && out_.write(bytes) == bytes.size();
        return ok_;
    }

private:
    QIODevice& out_;
    QString buffer_;
    bool ok_ = true;
};

} // namespace

bool WriteListAsHtmlTable(QIODevice& out, const ListControl& list, bool header, const QString& title) {
    LineWriter w(out);
    // Without it, a spreadsheet program that does not assume the Chinese code page garbles every cell.
    w.line(QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gbk\">"));
    const int columns = list.columnCount();
    if (!title.isEmpty()) {
        w.line(QStringLiteral("<table border=\"0\">"));
        w.line(QStringLiteral("  <tr>"));
        w.line(QStringLiteral("<th  colspan='%1' style='font-family:宋体;font-size:30px;'>%2</th>")
                   .arg(columns)
                   .arg(escaped(title)));
        w.line(QStringLiteral("  </tr>"));
        w.line(QStringLiteral("</table>"));
    }
    w.line(QStringLiteral("<table border=\"1\">"));
    if (header) {
        w.line(QStringLiteral("  <tr>"));
        for (int c = 0; c < columns; ++c)
            w.line(QStringLiteral("    <th>%1</th>").arg(escaped(list.listModel()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString())));
        w.line(QStringLiteral("  </tr>"));
    }
    WorkProgress progress(list.rowCount());
    for (int r = 0; r < list.rowCount(); ++r) {
        progress.setDone(r);
        w.line(QStringLiteral("  <tr>"));
        for (int c = 0; c < columns; ++c)
            w.line(QStringLiteral("    <td>%1</td>").arg(escaped(list.cell(r, c))));
        w.line(QStringLiteral("  </tr>"));
    }
    w.line(QStringLiteral("</table>"));
    return w.flush();
}

bool WriteListAsHtmlTable(const QString& path, const ListControl& list, bool header, const QString& title) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    bool written = WriteListAsHtmlTable(file, list, header, title);
    file.close();
    return written && file.error() == QFileDevice::NoError;
}

void ExportQueryList(AppContext& ctx, const ListControl& list) {
    if (list.rowCount() == 0) {
        ctx.prompter.warn(QStringLiteral("列表无内容！"));
        return;
    }
    const QString proposed =
        QStringLiteral("岚丰销售_%1.xls").arg(TextForms::dateTimeText(ctx.clock.nowOle()));
    QString path = ShowSaveFileDialog(ctx.prompter, proposed, QStringLiteral("*.xls"));
    if (path.isEmpty())
        return;
    if (FindTextNoCase(path, QStringLiteral(".xls")) < 0)
        path += QStringLiteral(".xls");
    if (WriteListAsHtmlTable(path, list, true, QStringLiteral("岚丰销售")))
        ctx.prompter.info(QStringLiteral("保存成功！"));
}

} // namespace SpreadsheetExport
