#include "platform/SingleInstance.h"

#include <QDir>
#include <QStandardPaths>

SingleInstance::SingleInstance()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    m_lock = std::make_unique<QLockFile>(folder + QStringLiteral("/tavri.lock"));
    m_lock->setStaleLockTime(0);
}

bool SingleInstance::acquire()
{
    return m_lock->tryLock(0);
}
