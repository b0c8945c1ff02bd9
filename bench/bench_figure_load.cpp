// Loading one figure from a full-size archive beside opening the same file, seeking to
// the same record and reading its bytes: the figure costs one look at the index more,
// however large the archive.
#include "BaselineRatio.h"

#include "core/Figures.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

namespace {

constexpr int kFigures = 1200;
constexpr int kPictureBytes = 12000;
constexpr int kFigure = 777;

struct Archive
{
    QString path;
    qint64 recordOffset = 0;
    qint64 recordLength = 0;
};

// 1200 scrambled records of 12 kB behind their index, about 14 MB.
const Archive &fullArchive()
{
    static QTemporaryDir dir;
    static const Archive archive = [] {
        Archive a;
        QByteArray bytes(8 * (kFigures + 1), '\0');
        for (int n = 1; n <= kFigures; ++n) {
            const auto offset = qint32(bytes.size());
            const char key = char(n * 7);
            QByteArray record(kPictureBytes, char(n));
            for (char &c : record)
                c ^= key;
            record += '\0';
            record += key;
            qToLittleEndian(offset, bytes.data() + 8 * n);
            qToLittleEndian(qint32(record.size()), bytes.data() + 8 * n + 4);
            if (n == kFigure) {
                a.recordOffset = offset;
                a.recordLength = record.size();
            }
            bytes += record;
        }
        a.path = dir.filePath(QStringLiteral("TAVRI.IMG"));
        QFile file(a.path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write the archive");
        return a;
    }();
    return archive;
}

void BM_LoadFigure(benchmark::State &state)
{
    const Archive &archive = fullArchive();
    for (auto _ : state) {
        const QByteArray bytes = LoadFigureBytesFromArchive(archive.path, kFigure);
        if (bytes.size() != kPictureBytes)
            state.SkipWithError("wrong figure");
        benchmark::DoNotOptimize(bytes.constData());
    }
}

void BM_LoadFigure_Baseline(benchmark::State &state)
{
    const Archive &archive = fullArchive();
    for (auto _ : state) {
        QFile file(archive.path);
        file.open(QIODevice::ReadOnly);
        file.seek(archive.recordOffset);
        QByteArray bytes = file.read(archive.recordLength);
        const char key = bytes.at(bytes.size() - 1);
        bytes.truncate(bytes.size() - 2);
        for (char &c : bytes)
            c ^= key;
        benchmark::DoNotOptimize(bytes.constData());
    }
}

} // namespace

BENCHMARK(BM_LoadFigure)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadFigure_Baseline)->Unit(benchmark::kMicrosecond);

TAVRI_BENCHMARK_MAIN()
