#pragma once

#include <QtGlobal>

class QProgressBar;

// A piece of long work (a load, filter, sort, export or copy) that shows a
// progress bar in the status bar once it has run for about half a second.
// The bar is brought up to date whenever the event pump runs, so the work
// itself only counts its steps. Scopes nest: the bar shows the innermost
// one and goes away when the outermost one ends. A total of 0 means the
// amount of work is not known; the bar then shows that work is going on.
class WorkProgress {
public:
    explicit WorkProgress(qint64 total = 0);
    ~WorkProgress();
    WorkProgress(const WorkProgress&) = delete;
    WorkProgress& operator=(const WorkProgress&) = delete;

    void advance(qint64 steps = 1) { done_ += steps; }
    void setDone(qint64 done) { done_ = done; }

    // The bar the window shows; nullptr when the window goes away.
    static void attachBar(QProgressBar* bar);
    // How long work runs before the bar appears.
    static void setShowAfter(int milliseconds);
    // Shows or updates the bar for the work in progress; called by the event pump.
    static void refresh();

private:
    qint64 total_;
    qint64 done_ = 0;
};
