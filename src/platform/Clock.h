#pragma once

#include <QDateTime>

// The time of day. Screens read it instead of counting timer ticks, so a test can
// move it on and time spent anywhere (a message box, another screen) counts.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

class SystemClock : public Clock
{
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};
