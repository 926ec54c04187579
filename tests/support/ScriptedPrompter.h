#pragma once

#include "ui/Prompter.h"

#include <QList>
#include <QQueue>

#include <functional>

// Answers dialogs from queues filled by the test and records every message.
// An input box with no queued answer is cancelled; a dialog with no queued
// handler is rejected.
class ScriptedPrompter : public Prompter {
public:
    struct Message {
        QString text;
        QString caption;
        MessageIcon icon;
    };
    struct Input {
        QString prompt;
        QString title;
        bool password;
    };

    void message(const QString& text, const QString& caption, MessageIcon icon) override;
    std::optional<QString> inputText(const QString& prompt, const QString& title, bool password,
                                     const QString& initial) override;
    QString saveFileName(const QString& title, const QString& initialName, const QString& filter) override;
    QString chooseFolder(const QString& title, const QString& initialFolder) override;
    int runDialog(QDialog& dialog) override;

    void answerInput(const std::optional<QString>& answer) { inputAnswers.enqueue(answer); }
    void answerSaveFile(const QString& path) { saveAnswers.enqueue(path); }
    void answerFolder(const QString& path) { folderAnswers.enqueue(path); }
    void answerDialog(std::function<int(QDialog&)> handler) { dialogAnswers.enqueue(std::move(handler)); }

    QStringList messageTexts() const;
    const Message& lastMessage() const { return messages.last(); }
    void clear();

    QList<Message> messages;
    QList<Input> inputs;
    QStringList saveDialogNames;
    QQueue<std::optional<QString>> inputAnswers;
    QQueue<QString> saveAnswers;
    QQueue<QString> folderAnswers;
    QQueue<std::function<int(QDialog&)>> dialogAnswers;
};
