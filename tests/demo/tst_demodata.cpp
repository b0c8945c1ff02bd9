// The demo installation as a reader of the file formats sees it. The bank and archive
// readers here are written from the formats, independently of the program's own.
#include "core/ChapterTable.h"
#include "core/QuestionBank.h"
#include "exam/ExamDraw.h"
#include "platform/Random.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QtTest>

namespace {

const QString kDemo = QStringLiteral(TAVRI_DEMO_FOLDER);

// The last bank index of each chapter.
const QList<int> kAbEnds = {531,  1193, 1714, 2147, 2390, 2650, 2903, 3506, 3687, 3950, 4206, 4341, 4720,
                            5135, 5291, 5482, 5814, 5990, 6125, 6358, 6487, 6628, 6777, 6880, 7165};
const QList<int> kAmEnds = {252, 588, 865, 985, 1168, 1271, 1474, 1643, 1831, 2050};

QByteArray readAll(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

// Descrambled lines of a bank file, line 0 included, without the final empty line.
QList<QByteArray> bankLines(const QString &path)
{
    QByteArray bytes = readAll(path);
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = char(bytes[i] ^ char(i % 256));
    QList<QByteArray> lines = bytes.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray &line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    return lines;
}

// The picture data of figure n in an archive held in memory; empty when it has none.
QByteArray archiveFigure(const QByteArray &archive, int n)
{
    auto int32At = [&](qsizetype at) {
        const auto *p = reinterpret_cast<const uchar *>(archive.constData() + at);
        return qint32(quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24);
    };
    if (8 * qsizetype(n) + 8 > archive.size())
        return {};
    const qint32 offset = int32At(8 * n);
    const qint32 length = int32At(8 * n + 4);
    if (offset <= 0 || length < 3 || qsizetype(offset) + length > archive.size())
        return {};
    QByteArray data = archive.mid(offset, length - 2);
    const uchar flag = uchar(archive[offset + length - 2]);
    const char key = archive[offset + length - 1];
    if (flag == 0) {
        for (char &c : data)
            c = char(c ^ key);
    } else if (flag != 255) {
        return {};
    }
    return data;
}

} // namespace

class TestDemoData : public QObject
{
    Q_OBJECT

private slots:
    void banksHoldEveryChapter_data();
    void banksHoldEveryChapter();
    void abBankHasLongStemsTranslationsAndRevisedMarks();
    void everyNamedFigureDecodes();
    void papersOfEveryKindCanBeDrawn();
    void recordedNarrationExistsForEveryChapter();
    void speedLimitFileHasEveryCategory();
    void exampleTopicListsNameExistingBlocks_data();
    void exampleTopicListsNameExistingBlocks();
    void soundAndSaveFoldersAreInstalled();
};

void TestDemoData::banksHoldEveryChapter_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QList<int>>("ends");
    QTest::addColumn<int>("codeOffset");
    QTest::newRow("AB") << "TAVRI.SET" << kAbEnds << 10;
    QTest::newRow("AM") << "TAVRI_AM.SET" << kAmEnds << 0;
}

void TestDemoData::banksHoldEveryChapter()
{
    QFETCH(QString, file);
    QFETCH(QList<int>, ends);
    QFETCH(int, codeOffset);
    const QList<QByteArray> lines = bankLines(QDir(kDemo).filePath(file));
    QCOMPARE(lines.size() - 1, ends.last());
    int first = 1;
    int trues = 0;
    for (int c = 0; c < ends.size(); ++c) {
        const QByteArray code = QByteArray::number(c + 1 + codeOffset).rightJustified(2, '0');
        QSet<QByteArray> blocks;
        for (int i = first; i <= ends[c]; ++i) {
            const QByteArray &line = lines[i];
            QVERIFY2(line.startsWith(code), qPrintable(QStringLiteral("%1 riga %2").arg(file).arg(i + 1)));
            QVERIFY2(line.size() > 31 && (line[13] == 'V' || line[13] == 'F'), line.constData());
            blocks.insert(line.left(5));
            trues += line[13] == 'V';
        }
        QVERIFY2(blocks.size() >= 3, qPrintable(QStringLiteral("capitolo %1").arg(c + 1)));
        first = ends[c] + 1;
    }
    // Believable proportions: neither answer dominates.
    QVERIFY(trues > ends.last() * 2 / 5);
    QVERIFY(trues < ends.last() * 3 / 5);
}

void TestDemoData::abBankHasLongStemsTranslationsAndRevisedMarks()
{
    const QList<QByteArray> lines = bankLines(QDir(kDemo).filePath("TAVRI.SET"));
    QHash<QByteArray, int> blockSizes;
    int translated = 0;
    int revised = 0;
    for (int i = 1; i < lines.size(); ++i) {
        ++blockSizes[lines[i].left(5)];
        translated += lines[i].mid(30).count('\t') == 2;
        revised += lines[i][15] == 'R';
    }
    int longest = 0;
    bool overTwenty = false;
    for (int size : blockSizes) {
        QVERIFY(size >= 2);
        longest = qMax(longest, size);
        overTwenty = overTwenty || (size > 20 && size <= 40);
    }
    QVERIFY(overTwenty);
    QVERIFY(longest > 40);
    QVERIFY2(translated * 10 >= (lines.size() - 1) * 3, qPrintable(QString::number(translated)));
    QVERIFY(revised > 0);
}

void TestDemoData::everyNamedFigureDecodes()
{
    const QByteArray archive = readAll(QDir(kDemo).filePath("TAVRI.IMG"));
    QVERIFY(!archive.isEmpty());
    QSet<int> figures = {603, 604, 606, 607, 608, 610, 613, 614, 615, 616, 617, 618, 620, 631, 632,
                         633, 634, 636, 637, 638, 639, 640, 642, 643, 644, 646, 647, 648, 650, 651,
                         652, 654, 655, 657, 659, 660, 661, 662, 663, 664, 665, 667, 668, 669};
    for (const QString &file : {QStringLiteral("TAVRI.SET"), QStringLiteral("TAVRI_AM.SET")}) {
        const QList<QByteArray> lines = bankLines(QDir(kDemo).filePath(file));
        for (int i = 1; i < lines.size(); ++i) {
            const int figure = lines[i].mid(9, 3).toInt();
            if (figure)
                figures.insert(figure);
        }
    }
    QVERIFY(figures.size() > 300);
    for (int figure : figures) {
        const QByteArray data = archiveFigure(archive, figure);
        QVERIFY2(!data.isEmpty(), qPrintable(QStringLiteral("figura %1").arg(figure)));
        QVERIFY2(!QImage::fromData(data).isNull(), qPrintable(QStringLiteral("figura %1").arg(figure)));
    }
}

void TestDemoData::papersOfEveryKindCanBeDrawn()
{
    QuestionBank ab;
    QuestionBank am;
    QString error;
    QVERIFY2(BankFile::load(QDir(kDemo).filePath("TAVRI.SET"), &ab, &error), qPrintable(error));
    QVERIFY2(BankFile::load(QDir(kDemo).filePath("TAVRI_AM.SET"), &am, &error), qPrintable(error));
    // The Italian sentences of a paper, counted once each.
    auto distinctTexts = [](const QuestionBank &bank, const QVector<qint16> &paper) {
        QSet<QString> texts;
        for (qint16 index : paper)
            texts.insert(bank.record(index).mid(30).section(QLatin1Char('\t'), 0, 0));
        return int(texts.size());
    };
    int repeating = 0;
    for (std::uint32_t seed = 1; seed <= 25; ++seed) {
        MersenneRandom random(seed);
        ExamDraw abDraw(ab, ChapterTable::ab(), random, QStringLiteral("TAVRI.SET"));
        ExamDraw amDraw(am, ChapterTable::am(), random, QStringLiteral("TAVRI_AM.SET"));
        QVector<qint16> paper;
        QVERIFY2(amDraw.draw(PaperKind::AM, &paper, &error), qPrintable(error));
        repeating += distinctTexts(am, paper) < kPaperSlots;
        QVERIFY2(abDraw.draw(PaperKind::AB, &paper, &error), qPrintable(error));
        repeating += distinctTexts(ab, paper) < kPaperSlots;
        QVERIFY2(abDraw.draw(PaperKind::RevisedAB, &paper, &error), qPrintable(error));
        for (qint16 index : paper)
            QCOMPARE(ab.record(index).at(15), QLatin1Char('R'));
    }
    // Stems of one kind share some statements; a paper should almost never show one twice.
    QVERIFY2(repeating <= 2, qPrintable(QString::number(repeating)));
}

void TestDemoData::recordedNarrationExistsForEveryChapter()
{
    const QDir audio(QDir(kDemo).filePath("drive/Tavri_Audio"));
    for (const QString &file : {QStringLiteral("TAVRI.SET"), QStringLiteral("TAVRI_AM.SET")}) {
        const QList<QByteArray> lines = bankLines(QDir(kDemo).filePath(file));
        QSet<QByteArray> chapters;
        for (int i = 1; i < lines.size(); ++i) {
            const QByteArray tag = lines[i].mid(18, 11);
            if (tag.left(5).trimmed().toInt() <= 0)
                continue;
            const QString path = audio.filePath(QStringLiteral("it/%1/it_it_%2.mp3")
                                                    .arg(QString::fromLatin1(tag.left(3)), QString::fromLatin1(tag)));
            const QByteArray head = readAll(path).left(2);
            QVERIFY2(head.size() == 2 && uchar(head[0]) == 0xFF && (uchar(head[1]) & 0xE0) == 0xE0, qPrintable(path));
            chapters.insert(lines[i].left(2));
        }
        QCOMPARE(chapters.size(), file == QLatin1String("TAVRI.SET") ? kAbEnds.size() : kAmEnds.size());
    }
    // The synthetic voice: files named after statements that have no recorded narration.
    const QStringList synthetic = QDir(audio.filePath("audio voce sintetica")).entryList({"*.mp3"});
    QVERIFY(synthetic.contains(QStringLiteral("01-003-01V.mp3")) || synthetic.contains(QStringLiteral("01-003-01F.mp3")));
    QVERIFY(synthetic.contains(QStringLiteral("-09-003-01V.mp3")) || synthetic.contains(QStringLiteral("-09-003-01F.mp3")));
}

void TestDemoData::speedLimitFileHasEveryCategory()
{
    const QByteArray bytes = readAll(QDir(kDemo).filePath("limiti vel.txt"));
    QVERIFY(bytes.endsWith("\r\n"));
    QVERIFY(bytes.size() <= 32768);
    QHash<int, int> perCategory;
    const QList<QByteArray> lines = bytes.left(bytes.size() - 2).split('\n');
    for (const QByteArray &line : lines)
        ++perCategory[line.left(2).toInt()];
    QCOMPARE(perCategory.size(), 16);
    QVERIFY(perCategory.value(16) > 0);
    int largest = 0;
    for (int count : perCategory)
        largest = qMax(largest, count);
    QCOMPARE(largest, 17);
}

void TestDemoData::exampleTopicListsNameExistingBlocks_data()
{
    QTest::addColumn<QString>("example");
    QTest::addColumn<QString>("bank");
    QTest::newRow("AB") << "argomenti.txt" << "TAVRI.SET";
    QTest::newRow("AM") << "argomentiAM.txt" << "TAVRI_AM.SET";
}

void TestDemoData::exampleTopicListsNameExistingBlocks()
{
    QFETCH(QString, example);
    QFETCH(QString, bank);
    QSet<QByteArray> blocks;
    const QList<QByteArray> lines = bankLines(QDir(kDemo).filePath(bank));
    for (int i = 1; i < lines.size(); ++i)
        blocks.insert(lines[i].left(5));
    const QByteArray text = readAll(QStringLiteral(TAVRI_SOURCE_DIR "/data/demo/examples/") + example);
    QVERIFY(text.endsWith("\r\n"));
    int headers = 0;
    for (const QByteArray &line : text.split('\n')) {
        const QByteArray entry = line.endsWith('\r') ? line.chopped(1) : line;
        if (entry.startsWith('['))
            ++headers;
        else if (!entry.isEmpty())
            QVERIFY2(blocks.contains(entry), entry.constData());
    }
    QVERIFY(headers >= 3);
    // Installing an example would replace the chapter buttons, so the demo does not.
    QVERIFY(!QFile::exists(QDir(kDemo).filePath(example)));
}

void TestDemoData::soundAndSaveFoldersAreInstalled()
{
    const QByteArray wav = readAll(QDir(kDemo).filePath("bip.wav"));
    QVERIFY(wav.startsWith("RIFF"));
    QCOMPARE(wav.mid(8, 4), QByteArray("WAVE"));
    QVERIFY(wav.size() < 64 * 1024);
    for (const char *folder : {"datiAB", "datiAM", "datiABrev"})
        QVERIFY2(QFileInfo(QDir(kDemo).filePath(folder)).isDir(), folder);
}

QTEST_GUILESS_MAIN(TestDemoData)
#include "tst_demodata.moc"
