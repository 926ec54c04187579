#include "DatabaseCopy.h"

#include "ui/EventPump.h"
#include "ui/WorkProgress.h"
#include "util/TextForms.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <cmath>

namespace DatabaseCopy {

bool CopyDatabase(const QString& source, const QString& target) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    WorkProgress progress(in.size());
    QByteArray chunk;
    while (!(chunk = in.read(1 << 20)).isEmpty()) {
        if (out.write(chunk) != chunk.size()) {
            out.cancelWriting();
            return false;
        }
        progress.advance(chunk.size());
        PumpEvents();
    }
    if (in.error() != QFileDevice::NoError) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}

QString BackupPath(const QString& folder, double nowOle) {
    // The separator goes in whatever the folder text, as the stored settings expect.
    return QDir::toNativeSeparators(folder + QLatin1Char('/') + TextForms::dateTimeText(nowOle) +
                                    QStringLiteral("_xssj.db"));
}

QString SizeText(qint64 bytes) {
    if (bytes <= 1000)
        return {};
    const double kb = bytes / 1024.0;
    if (kb <= 1000)
        return TextForms::numberText(kb) + QStringLiteral("KB");
    const double mb = std::round(bytes / 1048576.0 * 100) / 100; // halves away from zero
    return TextForms::numberText(mb) + QStringLiteral("MB");
}

} // namespace DatabaseCopy
