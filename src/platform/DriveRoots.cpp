#include "platform/DriveRoots.h"

#include <QDir>
#include <QStorageInfo>

QStringList driveRoots()
{
    if (qEnvironmentVariableIsSet("TAVRI_DRIVES"))
        return qEnvironmentVariable("TAVRI_DRIVES").split(QLatin1Char(':'), Qt::SkipEmptyParts);

    QStringList roots{QStringLiteral("/"), QDir::homePath()};
    QStringList mounted;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        const QString path = volume.rootPath();
        if (volume.isValid() && volume.isReady() && !roots.contains(path) && !mounted.contains(path))
            mounted << path;
    }
    mounted.sort();
    return roots + mounted;
}
