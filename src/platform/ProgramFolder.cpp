#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

QString programFolder()
{
    const QString home = qEnvironmentVariable("TAVRI_HOME");
    if (!home.isEmpty())
        return QDir::cleanPath(home);
    return QCoreApplication::applicationDirPath();
}

QString programPath(const QString &windowsPath)
{
    QString relative = windowsPath;
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!relative.startsWith(QLatin1Char('/')))
        relative.prepend(QLatin1Char('/'));
    return programFolder() + relative;
}
