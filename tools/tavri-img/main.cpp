// tavri-img: builds and inspects the figure archive.
//   tavri-img build FOLDER OUT [--plain]   archive from the pictures in FOLDER, named by figure number
//   tavri-img list ARCHIVE                 one line per figure: number, offset, length, storage flag
//   tavri-img extract ARCHIVE N            the picture of figure N on standard output
#include "core/FigureArchiveWriter.h"
#include "core/Figures.h"

#include <QCoreApplication>
#include <cstdio>

namespace {

int fail(const QString &message)
{
    std::fprintf(stderr, "tavri-img: %s\n", message.toUtf8().constData());
    return 1;
}

int usage()
{
    std::fprintf(stderr, "Uso: tavri-img build CARTELLA ARCHIVIO [--plain]\n"
                         "     tavri-img list ARCHIVIO\n"
                         "     tavri-img extract ARCHIVIO NUMERO\n");
    return 2;
}

int build(const QString &folder, const QString &out, bool plain)
{
    const auto storage = plain ? FigureArchive::Storage::Plain : FigureArchive::Storage::Scrambled;
    QString error;
    if (!FigureArchive::buildFromFolder(folder, out, storage, &error))
        return fail(error);
    return 0;
}

int list(const QString &archive)
{
    QVector<FigureArchive::IndexEntry> entries;
    QString error;
    if (!FigureArchive::readIndex(archive, &entries, &error))
        return fail(error);
    QByteArray out;
    for (const auto &e : entries) {
        const QString flag = e.flag < 0 ? QStringLiteral("-") : QString::number(e.flag);
        out += QStringLiteral("%1\t%2\t%3\t%4\n")
                   .arg(e.figure, 3, 10, QLatin1Char('0'))
                   .arg(e.offset)
                   .arg(e.length)
                   .arg(flag)
                   .toUtf8();
    }
    std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
    return 0;
}

int extract(const QString &archive, const QString &numberText)
{
    bool ok = false;
    const int figure = numberText.toInt(&ok);
    if (!ok || figure < 1 || figure > FigureArchive::kMaxFigureNumber)
        return fail(QStringLiteral("\"%1\" non è un numero di figura (da 1 a %2).")
                        .arg(numberText)
                        .arg(FigureArchive::kMaxFigureNumber));
    const QByteArray bytes = LoadFigureBytesFromArchive(archive, figure);
    if (isEmptyPicture(bytes))
        return fail(QStringLiteral("l'archivio \"%1\" non contiene la figura %2.").arg(archive).arg(figure));
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() >= 3 && args.size() <= 4 && args[0] == QLatin1String("build")) {
        if (args.size() == 4 && args[3] != QLatin1String("--plain"))
            return usage();
        return build(args[1], args[2], args.size() == 4);
    }
    if (args.size() == 2 && args[0] == QLatin1String("list"))
        return list(args[1]);
    if (args.size() == 3 && args[0] == QLatin1String("extract"))
        return extract(args[1], args[2]);
    return usage();
}
