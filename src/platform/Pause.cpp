#include "platform/Pause.h"

#include <QCoreApplication>
#include <QThread>

void SleepPause::pause(int milliseconds)
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (milliseconds > 0)
        QThread::msleep(static_cast<unsigned long>(milliseconds));
}
