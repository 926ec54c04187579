#include "SingleInstance.h"

#include <QDir>

QString SingleInstance::markerPath(const QString& name) {
    // The per-user runtime folder when the session has one, else the temporary folder.
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::tempPath();
    return QDir(folder).filePath(name + QStringLiteral(".lock"));
}

bool SingleInstance::EnsureSingleInstance(const QString& name, const QString& message, MessageIcon icon,
                                          Prompter& prompter) {
    auto lock = std::make_unique<QLockFile>(markerPath(name));
    lock->setStaleLockTime(0); // only a lock whose process is gone counts as stale
    if (lock->tryLock(0)) {
        lock_ = std::move(lock);
        return true;
    }
    if (lock->error() == QLockFile::LockFailedError) {
        prompter.message(message, QStringLiteral("友情提醒:"), icon);
        return false;
    }
    // The marker could not be made at all: that is not reported, the program runs on.
    return true;
}
