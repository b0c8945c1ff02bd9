// Feeds arbitrary bytes to the figure archive reader as a whole "TAVRI.IMG" and reads
// every figure the index could name. Whatever the index says, a figure is never
// larger than the file that holds it.
#include "core/Figures.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const QString path =
        QDir::temp().filePath(QStringLiteral("fuzz_archive_%1.img").arg(QCoreApplication::applicationPid()));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();

    const int entries = int(size / 8) + 2;
    for (int figure = -1; figure <= entries && figure < 4096; ++figure) {
        const QByteArray bytes = LoadFigureBytesFromArchive(path, figure);
        if (std::size_t(bytes.size()) > size && !isEmptyPicture(bytes))
            std::abort();
    }
    return 0;
}
