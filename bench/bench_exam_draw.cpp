// Drawing exam papers, each kind beside a baseline of comparable work on the same
// bank: one pass over the chapter ranges (AM, AB) or one scan of the bank (revised).
#include "core/ChapterTable.h"
#include "core/QuestionBank.h"
#include "core/QuestionRecord.h"
#include "exam/ExamDraw.h"
#include "platform/Random.h"

#include <QSet>
#include <benchmark/benchmark.h>

namespace {

// A full-size bank for a table: stems of four statements, a figure on every other
// statement, and on the AB bank the statements of the revised-exam keys marked "R".
QuestionBank makeBank(const ChapterTable &table, int chapterCodeOffset)
{
    QSet<QString> revisedKeys;
    for (int g = 1; g <= kRevisedGroups; ++g) {
        for (const QString &k : revisedGroupKeys(g))
            revisedKeys.insert(k);
    }
    QStringList records{QStringLiteral("banca")};
    for (int c = 0; c < table.count(); ++c) {
        const ChapterRange range = table.rangeAt(c);
        for (int i = range.first; i <= range.last; ++i) {
            const int offset = i - range.first;
            const QString key = QStringLiteral("%1%2")
                                    .arg(c + 1 + chapterCodeOffset, 2, 10, QLatin1Char('0'))
                                    .arg(offset / 4 + 1, 3, 10, QLatin1Char('0'));
            const QChar mark = chapterCodeOffset && revisedKeys.contains(key) ? QLatin1Char('R') : QLatin1Char(' ');
            records << QStringLiteral("%1 %2 %3 V %4              Affermazione di prova numero %5")
                           .arg(key)
                           .arg(offset % 4 + 1, 2, 10, QLatin1Char('0'))
                           .arg(i % 2 ? (i / 2) % 999 + 1 : 0, 3, 10, QLatin1Char('0'))
                           .arg(mark)
                           .arg(i);
        }
    }
    return QuestionBank(records);
}

const QuestionBank &bankAB()
{
    static const QuestionBank bank = makeBank(ChapterTable::ab(), 10);
    return bank;
}

const QuestionBank &bankAM()
{
    static const QuestionBank bank = makeBank(ChapterTable::am(), 0);
    return bank;
}

void drawPapers(benchmark::State &state, PaperKind kind)
{
    const bool am = kind == PaperKind::AM;
    MersenneRandom random(1);
    ExamDraw draw(am ? bankAM() : bankAB(), am ? ChapterTable::am() : ChapterTable::ab(), random,
                  QStringLiteral("bench"));
    QVector<qint16> paper;
    QString error;
    for (auto _ : state) {
        if (!draw.draw(kind, &paper, &error))
            state.SkipWithError(error.toUtf8().constData());
        benchmark::DoNotOptimize(paper.data());
    }
}

// One pass over the chapter ranges, reading each statement's BlockKey and figure.
void passOverChapters(benchmark::State &state, bool am)
{
    const QuestionBank &bank = am ? bankAM() : bankAB();
    const ChapterTable table = am ? ChapterTable::am() : ChapterTable::ab();
    for (auto _ : state) {
        int sum = 0;
        for (int c = 0; c < table.count(); ++c) {
            const ChapterRange r = table.rangeAt(c);
            for (int i = r.first; i <= r.last; ++i) {
                const QuestionRecord record(bank.record(i));
                sum += int(record.blockKey().size()) + record.figureNumber();
            }
        }
        benchmark::DoNotOptimize(sum);
    }
}

// One scan of the bank comparing each record's key with a group's keys and its mark.
void scanBank(benchmark::State &state)
{
    const QuestionBank &bank = bankAB();
    const QStringList &keys = revisedGroupKeys(4);
    const QSet<QString> keySet(keys.begin(), keys.end());
    for (auto _ : state) {
        int found = 0;
        for (int i = 1; i <= bank.lastIndex(); ++i) {
            const QuestionRecord record(bank.record(i));
            found += record.questionMark() == QLatin1Char('R') && keySet.contains(record.blockKey());
        }
        benchmark::DoNotOptimize(found);
    }
}

void BM_DrawAM(benchmark::State &state) { drawPapers(state, PaperKind::AM); }
void BM_BaselineAMChapterPass(benchmark::State &state) { passOverChapters(state, true); }
void BM_DrawAB(benchmark::State &state) { drawPapers(state, PaperKind::AB); }
void BM_BaselineABChapterPass(benchmark::State &state) { passOverChapters(state, false); }
void BM_DrawRevisedAB(benchmark::State &state) { drawPapers(state, PaperKind::RevisedAB); }
void BM_BaselineBankScan(benchmark::State &state) { scanBank(state); }

} // namespace

BENCHMARK(BM_DrawAM);
BENCHMARK(BM_BaselineAMChapterPass);
BENCHMARK(BM_DrawAB);
BENCHMARK(BM_BaselineABChapterPass);
BENCHMARK(BM_DrawRevisedAB);
BENCHMARK(BM_BaselineBankScan);

BENCHMARK_MAIN();
