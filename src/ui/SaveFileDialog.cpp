#include "SaveFileDialog.h"

#include "Prompter.h"

#include <QDir>
#include <QStringList>

QString QtFileFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    if (parts.size() < 2)
        return filter;
    QStringList entries;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        entries << QStringLiteral("%1 (%2)").arg(parts[i], parts[i + 1]);
    return entries.join(QStringLiteral(";;"));
}

QString ShowSaveFileDialog(Prompter& prompter, const QString& proposedName, const QString& filter,
                           const QString& title) {
    const QString before = QDir::currentPath();
    QString chosen = prompter.saveFileName(title, proposedName, QtFileFilter(filter));
    QDir::setCurrent(before);
    return chosen;
}
