// Loading a full-size AB bank beside reading the same file and XOR-ing it in one pass.
#include "BaselineRatio.h"

#include "core/QuestionBank.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

// 7166 lines of realistic length: the field columns, an Italian text, and on a third of
// the lines French and German texts too.
const QString &fullBankPath()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        QStringList records{QStringLiteral("Banca AB di prova")};
        const QString italian = QStringLiteral("Il segnale raffigurato preannuncia un tratto di strada con curve pericolose, la prima a destra");
        const QString french = QStringLiteral("Le panneau représenté annonce une section de route avec des virages dangereux");
        const QString german = QStringLiteral("Das abgebildete Zeichen kündigt einen Streckenabschnitt mit gefährlichen Kurven an");
        for (int i = 1; i <= 7165; ++i) {
            QString r = QStringLiteral("%1 %2 %3 %4 R  %5 ")
                            .arg(11000 + i / 8, 5, 10, QLatin1Char('0'))
                            .arg(i % 8 + 1, 2, 10, QLatin1Char('0'))
                            .arg(i % 400, 3, 10, QLatin1Char('0'))
                            .arg(i % 3 ? QLatin1Char('V') : QLatin1Char('F'))
                            .arg(i, 11, 10, QLatin1Char('0'));
            r += italian.left(60 + i % 40);
            if (i % 3 == 0)
                r += QLatin1Char('\t') + french + QLatin1Char('\t') + german;
            records << r;
        }
        const QString p = dir.filePath(QStringLiteral("TAVRI.SET"));
        QString error;
        if (!BankFile::write(p, records, &error))
            qFatal("%s", qPrintable(error));
        return p;
    }();
    return path;
}

void BM_LoadBank(benchmark::State &state)
{
    const QString &path = fullBankPath();
    for (auto _ : state) {
        QuestionBank bank;
        QString error;
        if (!BankFile::load(path, &bank, &error))
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(bank.lastIndex());
    }
}

void BM_LoadBank_Baseline(benchmark::State &state)
{
    const QString &path = fullBankPath();
    for (auto _ : state) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        QByteArray bytes = file.readAll();
        char *data = bytes.data();
        for (qsizetype i = 0; i < bytes.size(); ++i)
            data[i] = char(data[i] ^ char(i & 0xFF));
        benchmark::DoNotOptimize(bytes.data());
    }
}

} // namespace

BENCHMARK(BM_LoadBank)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadBank_Baseline)->Unit(benchmark::kMillisecond);

TAVRI_BENCHMARK_MAIN()
