#include "ScriptedPrompter.h"

#include <QDialog>

void ScriptedPrompter::message(const QString& text, const QString& caption, MessageIcon icon) {
    messages.append({text, caption, icon});
}

std::optional<QString> ScriptedPrompter::inputText(const QString& prompt, const QString& title, bool password,
                                                   const QString&) {
    inputs.append({prompt, title, password});
    return inputAnswers.isEmpty() ? std::nullopt : inputAnswers.dequeue();
}

QString ScriptedPrompter::saveFileName(const QString&, const QString& initialName, const QString&) {
    saveDialogNames << initialName;
    return saveAnswers.isEmpty() ? QString() : saveAnswers.dequeue();
}

QString ScriptedPrompter::chooseFolder(const QString&, const QString&) {
    return folderAnswers.isEmpty() ? QString() : folderAnswers.dequeue();
}

int ScriptedPrompter::runDialog(QDialog& dialog) {
    if (dialogAnswers.isEmpty())
        return QDialog::Rejected;
    return dialogAnswers.dequeue()(dialog);
}

QStringList ScriptedPrompter::messageTexts() const {
    QStringList texts;
    for (const Message& m : messages)
        texts << m.text;
    return texts;
}

void ScriptedPrompter::clear() {
    messages.clear();
    inputs.clear();
    saveDialogNames.clear();
    inputAnswers.clear();
    saveAnswers.clear();
    folderAnswers.clear();
    dialogAnswers.clear();
}
