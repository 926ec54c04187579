#include "EventPump.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>

namespace {
constexpr qint64 kIntervalMs = 40;
// A repaint of a full list view can itself take tens of milliseconds; waiting
// three times that long between pumps keeps repainting under a quarter of a walk.
constexpr qint64 kCostFactor = 3;
} // namespace

void PumpEventsNow() { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }

void PumpEvents() {
    static QElapsedTimer sinceLast;
    static qint64 wait = kIntervalMs;
    if (sinceLast.isValid() && sinceLast.elapsed() < wait)
        return;
    QElapsedTimer cost;
    cost.start();
    PumpEventsNow();
    wait = std::max(kIntervalMs, kCostFactor * cost.elapsed());
    sinceLast.start();
}
