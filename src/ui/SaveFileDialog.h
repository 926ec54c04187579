#pragma once

#include <QString>

class Prompter;

// The save-file dialog of the export and the manual backup. filter alternates
// description and pattern, separated by '|' ("TXT文档(*.txt)|*.txt|…"); a
// text without '|' is one pattern. Returns the chosen path, empty when the
// operator cancels. The process's current directory is left as it was.
QString ShowSaveFileDialog(Prompter& prompter, const QString& proposedName = {},
                           const QString& filter = QStringLiteral("TXT文档(*.txt)|*.txt|所有文件(*.*)|*.*"),
                           const QString& title = QStringLiteral("保存文件"));

// The same filter in the form Qt's file dialogs take.
QString QtFileFilter(const QString& filter);
