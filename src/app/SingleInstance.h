#pragma once

#include "ui/Prompter.h"

#include <QLockFile>

#include <memory>

// The marker by which a second copy recognises a running one: a lock file
// named after the marker name. A copy that crashed leaves only a stale lock,
// which the next copy takes over.
class SingleInstance {
public:
    // True when no other copy runs; the marker is then held until this object
    // goes. Otherwise shows message (caption "友情提醒:") and returns false: the
    // caller ends the process with code 0.
    bool EnsureSingleInstance(const QString& name, const QString& message, MessageIcon icon, Prompter& prompter);

    static QString markerPath(const QString& name);

private:
    std::unique_ptr<QLockFile> lock_;
};
