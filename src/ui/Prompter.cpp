#include "Prompter.h"

#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace {

QMessageBox::Icon toQtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Error: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void QtPrompter::message(const QString& text, const QString& caption, MessageIcon icon) {
    QMessageBox box(toQtIcon(icon), caption, text, QMessageBox::Ok, owner_);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

std::optional<QString> QtPrompter::inputText(const QString& prompt, const QString& title, bool password,
                                             const QString& initial) {
    bool ok = false;
    QString text = QInputDialog::getText(owner_, title, prompt, password ? QLineEdit::Password : QLineEdit::Normal,
                                         initial, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

QString QtPrompter::saveFileName(const QString& title, const QString& initialName, const QString& filter) {
    // The dialog starts in the current directory with the proposed name.
    return QFileDialog::getSaveFileName(owner_, title, QDir::current().filePath(initialName), filter);
}

QString QtPrompter::chooseFolder(const QString& title, const QString& initialFolder) {
    return QFileDialog::getExistingDirectory(nullptr, title, initialFolder, QFileDialog::ShowDirsOnly);
}

int QtPrompter::runDialog(QDialog& dialog) {
    dialog.setWindowModality(Qt::ApplicationModal);
    return dialog.exec();
}
