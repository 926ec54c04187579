#pragma once

#include <QDateTime>

// Where the current date-time comes from; tests fix it.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const { return QDateTime::currentDateTime(); }
    // The current moment as an OLE automation date.
    double nowOle() const;
};

class FixedClock : public Clock {
public:
    explicit FixedClock(QDateTime moment) : moment_(std::move(moment)) {}
    QDateTime now() const override { return moment_; }
    void set(QDateTime moment) { moment_ = std::move(moment); }

private:
    QDateTime moment_;
};
