#include "TestFolder.h"

#include "core/ChapterTable.h"
#include "core/QuestionBank.h"
#include "core/QuestionRecord.h"
#include "exam/ExamDraw.h"
#include "platform/Random.h"

#include <QElapsedTimer>
#include <QHash>
#include <QSet>
#include <QtTest>

namespace {

// A generator stuck on one value: every rejection loop keeps drawing the same index.
class StuckRandom : public Random
{
public:
    float next() override { return 0.0f; }
    void seed(std::uint32_t) override {}
};

// The chapter of a bank index, read from the table's ranges.
int chapterOf(const ChapterTable &table, int index)
{
    for (int c = 0; c < table.count(); ++c) {
        const ChapterRange r = table.rangeAt(c);
        if (index >= r.first && index <= r.last)
            return table.entry(c).left(2).toInt();
    }
    return -1;
}

QString figureOf(const QString &record)
{
    return record.mid(9, 3);
}

// Checks an AM or AB paper against the rules, independently of the draw code.
void checkChapterPaper(const QVector<qint16> &paper, const QuestionBank &bank, const ChapterTable &table,
                       const QHash<int, int> &perChapter)
{
    QCOMPARE(paper.size(), 30);
    QHash<int, int> counts;
    QSet<QString> keys;
    QSet<QString> figures;
    for (qint16 index : paper) {
        QVERIFY(bank.contains(index));
        ++counts[chapterOf(table, index)];
        const QString record = bank.record(index);
        const QString key = record.left(5);
        QVERIFY2(!keys.contains(key), qPrintable(QStringLiteral("BlockKey %1 twice").arg(key)));
        keys.insert(key);
        const QString figure = figureOf(record);
        if (figure != QLatin1String("000")) {
            QVERIFY2(!figures.contains(figure), qPrintable(QStringLiteral("figure %1 twice").arg(figure)));
            figures.insert(figure);
        }
    }
    QCOMPARE(counts, perChapter);
}

QHash<int, int> expectedCounts(PaperKind kind)
{
    QHash<int, int> counts;
    if (kind == PaperKind::AM) {
        for (int c = 1; c <= 10; ++c)
            counts[c] = 3;
    } else {
        for (int c = 1; c <= 25; ++c)
            counts[c] = 1;
        for (int c : {5, 12, 13, 17, 22})
            counts[c] = 2;
    }
    return counts;
}

// A small AB bank for the revised draw: for each group, two of its keys with two "R"
// statements each (so two statements of one key may meet), a statement of a key of
// the group without the mark, and a marked statement whose key belongs to no group.
QStringList revisedBank()
{
    QStringList records{QStringLiteral("banca di prova")};
    for (int g = 1; g <= kRevisedGroups; ++g) {
        const QStringList &keys = revisedGroupKeys(g);
        for (int k = 0; k < 2; ++k) {
            for (int st = 1; st <= 2; ++st)
                records << makeRecord(keys.at(k), st, 0, QLatin1Char('V'), QStringLiteral("Frase"), QLatin1Char('R'));
        }
        records << makeRecord(keys.at(2), 1, 0, QLatin1Char('F'), QStringLiteral("Non marcata"));
        records << makeRecord(QStringLiteral("11999"), g, 0, QLatin1Char('F'), QStringLiteral("Fuori gruppo"),
                              QLatin1Char('R'));
    }
    return records;
}

// Rewrites every record of a chapter's range with a new key and figure.
void rewriteChapter(QStringList &records, const ChapterTable &table, int chapter,
                    const std::function<QString(int offset)> &key, const std::function<int(int offset)> &figure)
{
    const ChapterRange r = *table.find(chapter);
    for (int i = r.first; i <= r.last; ++i) {
        const int offset = i - r.first;
        records[i] = makeRecord(key(offset), offset % 99 + 1, figure(offset), QLatin1Char('V'), QStringLiteral("x"));
    }
}

} // namespace

class TestExamDraw : public QObject
{
    Q_OBJECT

private slots:
    void chapterPapersFollowTheRules_data();
    void chapterPapersFollowTheRules();
    void revisedPapersFollowTheRules();
    void everyDrawStartsAfresh();
    void aStuckGeneratorStillEnds_data();
    void aStuckGeneratorStillEnds();
    void shortChaptersAreNamed_data();
    void shortChaptersAreNamed();
    void shortRevisedGroupsAreNamed_data();
    void shortRevisedGroupsAreNamed();
    void bankShorterThanTableIsRefused();
};

void TestExamDraw::chapterPapersFollowTheRules_data()
{
    QTest::addColumn<bool>("ab");
    QTest::newRow("AM") << false;
    QTest::newRow("AB") << true;
}

void TestExamDraw::chapterPapersFollowTheRules()
{
    QFETCH(bool, ab);
    const ChapterTable table = ab ? ChapterTable::ab() : ChapterTable::am();
    // Figures are shared by the first statements of neighbouring stems, and many
    // statements have none: the figure rule and "000" both get exercised.
    QStringList records = syntheticBank(table, ab ? 10 : 0);
    for (int i = 1; i < records.size(); ++i) {
        if (i % 3 == 0)
            records[i].replace(9, 3, QStringLiteral("%1").arg(i / 12 % 50 + 1, 3, 10, QLatin1Char('0')));
    }
    const QuestionBank bank(records);
    MersenneRandom random(7);
    ExamDraw draw(bank, table, random, QStringLiteral("TAVRI.SET"));
    const PaperKind kind = ab ? PaperKind::AB : PaperKind::AM;
    const QHash<int, int> counts = expectedCounts(kind);

    int inSlotOrder = 0;
    for (int n = 0; n < 300; ++n) {
        QVector<qint16> paper;
        QString error;
        QVERIFY2(draw.draw(kind, &paper, &error), qPrintable(error));
        checkChapterPaper(paper, bank, table, counts);
        bool ordered = true;
        for (int s = 0; s < 30; ++s)
            ordered = ordered && chapterOf(table, paper.at(s)) == slotChapters(kind).at(s);
        inSlotOrder += ordered;
    }
    QCOMPARE(inSlotOrder, 0);
}

void TestExamDraw::revisedPapersFollowTheRules()
{
    const QuestionBank bank(revisedBank());
    MersenneRandom random(11);
    ExamDraw draw(bank, ChapterTable::ab(), random, QStringLiteral("TAVRI.SET"));
    bool sameKeyMet = false;
    for (int n = 0; n < 300; ++n) {
        QVector<qint16> paper;
        QString error;
        QVERIFY2(draw.draw(PaperKind::RevisedAB, &paper, &error), qPrintable(error));
        QCOMPARE(paper.size(), 30);
        QHash<int, int> perGroup;
        QSet<QString> codes;
        QHash<QString, int> perKey;
        for (qint16 index : paper) {
            const QString record = bank.record(index);
            QCOMPARE(record.at(15), QLatin1Char('R'));
            QVERIFY(!codes.contains(record.left(8)));
            codes.insert(record.left(8));
            for (int g = 1; g <= kRevisedGroups; ++g)
                perGroup[g] += revisedGroupKeys(g).contains(record.left(5));
            sameKeyMet = sameKeyMet || ++perKey[record.left(5)] > 1;
        }
        for (int g = 1; g <= kRevisedGroups; ++g)
            QCOMPARE(perGroup.value(g), 3);
    }
    QVERIFY(sameKeyMet);
}

void TestExamDraw::everyDrawStartsAfresh()
{
    const QuestionBank bank(syntheticBank(ChapterTable::am(), 0));
    MersenneRandom random(3);
    ExamDraw draw(bank, ChapterTable::am(), random, QStringLiteral("TAVRI_AM.SET"));
    QVector<qint16> first(45, 999);
    QVector<qint16> second;
    QString error;
    QVERIFY(draw.draw(PaperKind::AM, &first, &error));
    QVERIFY(draw.draw(PaperKind::AM, &second, &error));
    QCOMPARE(first.size(), 30);
    QVERIFY(first != second);
}

void TestExamDraw::aStuckGeneratorStillEnds_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("AM") << int(PaperKind::AM);
    QTest::newRow("AB") << int(PaperKind::AB);
    QTest::newRow("revised") << int(PaperKind::RevisedAB);
}

void TestExamDraw::aStuckGeneratorStillEnds()
{
    QFETCH(int, kind);
    const PaperKind k = PaperKind(kind);
    const ChapterTable table = k == PaperKind::AM ? ChapterTable::am() : ChapterTable::ab();
    const QuestionBank bank(k == PaperKind::RevisedAB ? revisedBank() : syntheticBank(table, k == PaperKind::AM ? 0 : 10));
    StuckRandom random;
    ExamDraw draw(bank, table, random, QStringLiteral("TAVRI.SET"));
    QVector<qint16> paper;
    QString error;
    QVERIFY2(draw.draw(k, &paper, &error), qPrintable(error));
    if (k != PaperKind::RevisedAB)
        checkChapterPaper(paper, bank, table, expectedCounts(k));
    QVERIFY(!paper.contains(0));
}

void TestExamDraw::shortChaptersAreNamed_data()
{
    QTest::addColumn<int>("chapter");
    QTest::addColumn<bool>("sameKey");
    QTest::addColumn<QString>("expected");
    // Chapter 4 has a single BlockKey, chapter 7 a single figure on every statement.
    QTest::newRow("one key") << 4 << true << QStringLiteral("il capitolo 4 del file delle domande TAVRI_AM.SET non ha almeno 3");
    QTest::newRow("one figure") << 7 << false << QStringLiteral("il capitolo 7 del file delle domande TAVRI_AM.SET non ha almeno 3");
}

void TestExamDraw::shortChaptersAreNamed()
{
    QFETCH(int, chapter);
    QFETCH(bool, sameKey);
    QFETCH(QString, expected);
    const ChapterTable table = ChapterTable::am();
    QStringList records = syntheticBank(table, 0);
    const QString code = QStringLiteral("%1").arg(chapter, 2, 10, QLatin1Char('0'));
    if (sameKey) {
        rewriteChapter(records, table, chapter, [&](int) { return code + QStringLiteral("001"); }, [](int) { return 0; });
    } else {
        rewriteChapter(records, table, chapter,
                       [&](int o) { return code + QStringLiteral("%1").arg(o + 1, 3, 10, QLatin1Char('0')); },
                       [](int) { return 321; });
    }
    const QuestionBank bank(records);
    MersenneRandom random(5);
    ExamDraw draw(bank, table, random, QStringLiteral("TAVRI_AM.SET"));
    QVector<qint16> paper;
    QString error;
    QElapsedTimer timer;
    timer.start();
    QVERIFY(!draw.draw(PaperKind::AM, &paper, &error));
    QVERIFY2(timer.elapsed() < 20000, "the draw must give up in bounded time");
    QVERIFY2(error.contains(expected), qPrintable(error));
    QCOMPARE(paper, QVector<qint16>(30, 0));
}

void TestExamDraw::shortRevisedGroupsAreNamed_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("keep");
    QTest::newRow("two candidates") << 6 << 2;
    QTest::newRow("no candidate") << 9 << 0;
}

void TestExamDraw::shortRevisedGroupsAreNamed()
{
    QFETCH(int, group);
    QFETCH(int, keep);
    // Remove the group's marked statements but the first `keep`.
    QStringList records = revisedBank();
    int kept = 0;
    for (int i = 1; i < records.size(); ++i) {
        if (records[i].at(15) == QLatin1Char('R') && revisedGroupKeys(group).contains(records[i].left(5)) && kept++ >= keep)
            records[i][15] = QLatin1Char(' ');
    }
    const QuestionBank bank(records);
    MersenneRandom random(5);
    ExamDraw draw(bank, ChapterTable::ab(), random, QStringLiteral("TAVRI.SET"));
    QVector<qint16> paper;
    QString error;
    QVERIFY(!draw.draw(PaperKind::RevisedAB, &paper, &error));
    QVERIFY2(error.contains(QStringLiteral("il gruppo %1 non ha almeno 3").arg(group)), qPrintable(error));
    QCOMPARE(paper, QVector<qint16>(30, 0));
}

void TestExamDraw::bankShorterThanTableIsRefused()
{
    QStringList records = syntheticBank(ChapterTable::am(), 0);
    records = records.mid(0, 1500);
    const QuestionBank bank(records);
    MersenneRandom random(5);
    ExamDraw draw(bank, ChapterTable::am(), random, QStringLiteral("TAVRI_AM.SET"));
    QVector<qint16> paper;
    QString error;
    QVERIFY(!draw.draw(PaperKind::AM, &paper, &error));
    QVERIFY2(error.contains(QStringLiteral("il capitolo 8 occupa le domande da 1475 a 1643")), qPrintable(error));
}

QTEST_GUILESS_MAIN(TestExamDraw)
#include "tst_examdraw.moc"
