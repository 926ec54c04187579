#include "Clock.h"

#include "OleDate.h"

double Clock::nowOle() const { return OleDate::fromQDateTime(now()); }
