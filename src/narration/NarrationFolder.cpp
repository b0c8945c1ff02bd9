#include "narration/NarrationFolder.h"

#include <QDir>
#include <QFileInfo>

QString findNarrationRoot(const QStringList &roots)
{
    for (const QString &root : roots) {
        const QString folder = QDir(root).filePath(QStringLiteral("Tavri_Audio"));
        const QFileInfo info(folder);
        if (info.isDir() && info.isReadable())
            return QDir::cleanPath(folder) + QLatin1Char('/');
    }
    return QString();
}
