#pragma once

#include <QString>

#include <optional>

class QDialog;
class QWidget;

enum class MessageIcon { None, Information, Warning, Error, Question };

// Every message box, input box, file or folder dialog and modal sub-dialog
// goes through here, so tests can answer them.
class Prompter {
public:
    virtual ~Prompter() = default;

    static inline const QString kInfoCaption = QStringLiteral("信息：");

    virtual void message(const QString& text, const QString& caption, MessageIcon icon) = 0;
    // The typed text on OK, nothing on Cancel.
    virtual std::optional<QString> inputText(const QString& prompt, const QString& title, bool password,
                                             const QString& initial = {}) = 0;
    // The chosen path, empty when cancelled.
    virtual QString saveFileName(const QString& title, const QString& initialName, const QString& filter) = 0;
    // The chosen folder, empty when cancelled.
    virtual QString chooseFolder(const QString& title, const QString& initialFolder) = 0;
    // Runs a modal dialog; its result code.
    virtual int runDialog(QDialog& dialog) = 0;

    void info(const QString& text) { message(text, kInfoCaption, MessageIcon::Information); }
    void warn(const QString& text) { message(text, kInfoCaption, MessageIcon::Warning); }
    void error(const QString& text) { message(text, kInfoCaption, MessageIcon::Error); }
};

// The real dialogs of Qt, owned by the given window.
class QtPrompter : public Prompter {
public:
    explicit QtPrompter(QWidget* owner = nullptr) : owner_(owner) {}
    void setOwner(QWidget* owner) { owner_ = owner; }

    void message(const QString& text, const QString& caption, MessageIcon icon) override;
    std::optional<QString> inputText(const QString& prompt, const QString& title, bool password,
                                     const QString& initial) override;
    QString saveFileName(const QString& title, const QString& initialName, const QString& filter) override;
    QString chooseFolder(const QString& title, const QString& initialFolder) override;
    int runDialog(QDialog& dialog) override;

private:
    QWidget* owner_;
};
