#pragma once

#include <QDateTime>
#include <QString>

// The exam clock. The time left is computed from the start time and the clock's
// reading, never counted in ticks, so time spent anywhere counts and a missed tick
// loses nothing.
namespace Countdown {

// Seconds allowed: 1200 for papers of the AB bank, 1500 for the AM bank.
int limitSeconds(bool abBank);

// The seconds left: limit minus the whole seconds from start to now, worked out in 64
// bits so a clock that jumps by days or years cannot overflow. A result below zero
// means the time is over and reads -1; a clock set back before the start reads the
// full limit. An invalid start (no countdown) reads 0.
int remainingSeconds(const QDateTime &start, const QDateTime &now, int limit);

// "mm : ss" for a number of seconds that is not negative: 1147 reads "19 : 07".
QString text(int seconds);

} // namespace Countdown
