#include "EventPump.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>

namespace {
constexpr qint64 kIntervalMs = 40;
}

void PumpEventsNow() { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }

void PumpEvents() {
    static QElapsedTimer sinceLast;
    if (sinceLast.isValid() && sinceLast.elapsed() < kIntervalMs)
        return;
    PumpEventsNow();
    sinceLast.start();
}
