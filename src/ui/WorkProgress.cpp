#include "WorkProgress.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QProgressBar>

#include <algorithm>
#include <vector>

namespace {

constexpr int kBarSteps = 1000;

struct ProgressState {
    QPointer<QProgressBar> bar;
    int showAfterMs = 500;
    QElapsedTimer sinceOutermostStart;
    std::vector<const WorkProgress*> scopes;
};

ProgressState& state() {
    static ProgressState s;
    return s;
}

} // namespace

WorkProgress::WorkProgress(qint64 total) : total_(total) {
    ProgressState& s = state();
    if (s.scopes.empty())
        s.sinceOutermostStart.start();
    s.scopes.push_back(this);
}

WorkProgress::~WorkProgress() {
    ProgressState& s = state();
    std::erase(s.scopes, this);
    if (s.scopes.empty() && s.bar)
        s.bar->hide();
}

void WorkProgress::attachBar(QProgressBar* bar) {
    ProgressState& s = state();
    s.bar = bar;
    if (bar) {
        bar->setRange(0, kBarSteps);
        bar->setTextVisible(false);
        bar->hide();
    }
}

void WorkProgress::setShowAfter(int milliseconds) { state().showAfterMs = milliseconds; }

void WorkProgress::refresh() {
    ProgressState& s = state();
    if (!s.bar || s.scopes.empty() || s.sinceOutermostStart.elapsed() < s.showAfterMs)
        return;
    const WorkProgress& work = *s.scopes.back();
    if (work.total_ > 0) {
        s.bar->setRange(0, kBarSteps);
        const qint64 done = std::clamp<qint64>(work.done_, 0, work.total_);
        s.bar->setValue(static_cast<int>(done * kBarSteps / work.total_));
    } else {
        s.bar->setRange(0, 0); // busy: the amount of work is not known
    }
    if (s.bar->isHidden())
        s.bar->show();
}
