#include "EventPump.h"

#include "WorkProgress.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>

#include <algorithm>

namespace {
constexpr qint64 kIntervalMs = 40;
// A repaint of a full list view can itself take tens of milliseconds; waiting
// three times that long between pumps keeps repainting under a quarter of a
// walk, but never so long that the window looks frozen.
constexpr qint64 kCostFactor = 3;
constexpr qint64 kLongestWaitMs = 120;
int pumpDepth = 0;
} // namespace

void PumpEventsNow() {
    WorkProgress::refresh();
    ++pumpDepth;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    --pumpDepth;
}

bool InsideEventPump() { return pumpDepth > 0; }

void PumpEvents() {
    static QElapsedTimer sinceLast;
    static qint64 wait = kIntervalMs;
    if (sinceLast.isValid() && sinceLast.elapsed() < wait)
        return;
    QElapsedTimer cost;
    cost.start();
    PumpEventsNow();
    wait = std::clamp(kCostFactor * cost.elapsed(), kIntervalMs, kLongestWaitMs);
    sinceLast.start();
}
