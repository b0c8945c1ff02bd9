#include "exam/Countdown.h"

#include <algorithm>

namespace Countdown {

int limitSeconds(bool abBank)
{
    return abBank ? 1200 : 1500;
}

int remainingSeconds(const QDateTime &start, const QDateTime &now, int limit)
{
    if (!start.isValid() || !now.isValid())
        return 0;
    const qint64 elapsed = start.secsTo(now);
    const qint64 remaining = qint64(limit) - elapsed;
    return int(std::clamp<qint64>(remaining, -1, limit));
}

QString text(int seconds)
{
    const int s = std::max(seconds, 0);
    return QStringLiteral("%1 : %2").arg(s / 60, 2, 10, QLatin1Char('0')).arg(s % 60, 2, 10, QLatin1Char('0'));
}

} // namespace Countdown
