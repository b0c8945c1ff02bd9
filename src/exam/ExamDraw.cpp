#include "exam/ExamDraw.h"

#include "core/ChapterTable.h"
#include "core/QuestionBank.h"
#include "core/QuestionRecord.h"
#include "platform/Random.h"

#include <QSet>

#include <utility>

namespace {

QVector<int> byThrees(int count)
{
    QVector<int> slotList;
    for (int c = 1; c <= count; ++c)
        slotList << c << c << c;
    return slotList;
}

QStringList keyList(std::initializer_list<int> keys)
{
    QStringList list;
    for (int k : keys)
        list << QString::number(k);
    return list;
}

// The figure a record shows, as the text that clashes with another slot's; empty for a
// record without a figure ("000", or a blank field), which never clashes.
QString figureKey(const QuestionRecord &record)
{
    const QString text = record.figureText();
    if (text.trimmed().isEmpty() || text == QLatin1String("000"))
        return QString();
    return text;
}

} // namespace

const QVector<int> &slotChapters(PaperKind kind)
{
    static const QVector<int> byThreesOfTen = byThrees(10);
    static const QVector<int> ab = [] {
        QVector<int> slotList;
        for (int c = 1; c <= 25; ++c)
            slotList << c;
        slotList << 5 << 12 << 13 << 17 << 22;
        return slotList;
    }();
    return kind == PaperKind::AB ? ab : byThreesOfTen;
}

const QStringList &revisedGroupKeys(int group)
{
    static const QVector<QStringList> groups = {
        keyList({12002, 12004, 12006, 12008, 12012, 12016, 12018, 12019, 12020, 12023, 12024, 12025, 12027,
                 12029, 12030, 12035, 12036, 12038, 12041, 12043, 12045, 12046, 12049, 12051, 12052}),
        keyList({13001, 13002, 13003, 13006, 13007, 13008, 13009, 13012, 13014, 13016, 13025, 13026,
                 13027, 13030, 13031, 13032, 13034, 13035, 13037, 13038, 13041, 13042, 13043, 14001,
                 14002, 14003, 14005, 14008, 14009, 14010, 14012, 14015, 14016, 14018, 14020, 14021,
                 14023, 14025, 14026, 14027, 14028, 14029, 14031, 14037, 14038, 14039}),
        keyList({15001, 15002, 15003, 15006, 15007, 15011, 15012, 15013, 15014, 15015, 15016, 15017, 15018,
                 15019}),
        keyList({16001, 16002, 16003, 16005, 16010, 16011, 16013, 16015, 16018, 16019, 16020, 16022, 16023,
                 16024, 16025, 16026, 16027, 16028, 16029, 16030, 17001, 17002, 17003, 17004, 17006, 17010,
                 17011, 17013, 17014, 17015, 17016, 17020, 17021, 17022, 17023, 17026, 21001, 21002, 21003,
                 21004, 21005, 21006, 21007, 21008, 21010, 21011, 21013, 21014, 21015, 22001, 22002, 22003,
                 22004, 22006, 22008, 22009, 22010, 22011, 22012, 22013, 22014, 22015}),
        keyList({23002, 23006, 23007, 23011, 23012, 23013, 23014, 23015, 23016, 23017, 23018, 23019,
                 23020, 23021, 23022, 23023, 23024, 23025, 23026, 23028, 23029, 23030, 23031, 23033}),
        keyList({28001, 28002, 28003, 28004, 28013, 28014, 28015, 28016, 28017, 29001, 29002, 29003,
                 29004, 29005, 29006, 29007, 29008, 29009}),
        keyList({25001, 25002, 25003, 25004, 25005, 25006, 25007, 25008, 25009, 25010, 31002, 31003,
                 31004, 31006, 31008, 31010, 31011, 31012, 31013}),
        keyList({26002, 26005, 26006, 26007, 26008, 26009, 27008, 27010, 27011, 27012, 27013, 27014,
                 27036, 27039, 27040, 34001, 34002, 34003, 34004, 34005, 34006, 34007, 34008, 34009,
                 34010, 34011, 34012, 34013, 34014, 34015}),
        keyList({32001, 32002, 32003, 32004, 32006, 32007, 32008, 32020, 32021}),
        keyList({35001, 35002, 35003, 35004, 35005, 35007, 35008, 35011, 35012, 35013, 35015, 35018,
                 35019, 35020, 35021, 35022, 35023, 35024, 35025, 35026, 35028, 35029}),
    };
    return groups.at(group - 1);
}

int mixingPasses(PaperKind kind)
{
    return kind == PaperKind::AB ? 4 : 1;
}

ExamDraw::ExamDraw(const QuestionBank &bank, const ChapterTable &chapters, Random &random, QString bankFileName)
    : m_bank(bank), m_chapters(chapters), m_random(random), m_bankFileName(std::move(bankFileName))
{
}

bool ExamDraw::draw(PaperKind kind, QVector<qint16> *paper, QString *error)
{
    for (int attempt = 0; attempt < kPaperAttempts; ++attempt) {
        *paper = QVector<qint16>(kPaperSlots, 0);
        const Outcome outcome = kind == PaperKind::RevisedAB ? drawRevised(*paper, error)
                                                             : drawByChapter(kind, *paper, error);
        if (outcome == Outcome::Filled) {
            mix(*paper, mixingPasses(kind));
            return true;
        }
        if (outcome == Outcome::BadData)
            break;
    }
    *paper = QVector<qint16>(kPaperSlots, 0);
    return false;
}

ExamDraw::Outcome ExamDraw::drawByChapter(PaperKind kind, QVector<qint16> &paper, QString *error)
{
    const QVector<int> &chapters = slotChapters(kind);
    QSet<QString> keys;
    QSet<QString> figures;
    for (int s = 0; s < kPaperSlots; ++s) {
        const int chapter = chapters.at(s);
        const std::optional<ChapterRange> range = m_chapters.find(chapter);
        if (!range) {
            *error = QStringLiteral("Non è possibile comporre la scheda d'esame: il capitolo %1 manca dalla tabella "
                                    "dei capitoli di %2.")
                         .arg(chapter)
                         .arg(m_bankFileName);
            return Outcome::BadData;
        }
        if (range->first < 1 || range->first > range->last || range->last > m_bank.lastIndex()) {
            *error = QStringLiteral("Non è possibile comporre la scheda d'esame: il capitolo %1 occupa le domande da "
                                    "%2 a %3, ma il file delle domande %4 ne contiene %5.")
                         .arg(chapter)
                         .arg(range->first)
                         .arg(range->last)
                         .arg(m_bankFileName)
                         .arg(m_bank.lastIndex());
            return Outcome::BadData;
        }
        const auto fits = [&](int index) {
            const QuestionRecord record(m_bank.record(index));
            const QString figure = figureKey(record);
            return !keys.contains(record.blockKey()) && (figure.isEmpty() || !figures.contains(figure));
        };

        int chosen = -1;
        for (int tries = 0; tries < kRedrawsPerSlot && chosen < 0; ++tries) {
            const int r = m_random.between(range->first, range->last);
            if (fits(r))
                chosen = r;
        }
        if (chosen < 0) {
            QVector<int> fitting;
            for (int i = range->first; i <= range->last; ++i) {
                if (fits(i))
                    fitting << i;
            }
            if (fitting.isEmpty()) {
                *error = shortfallMessage(kind, chapter);
                return Outcome::Blocked;
            }
            chosen = fitting.at(m_random.between(0, int(fitting.size()) - 1));
        }

        const QuestionRecord record(m_bank.record(chosen));
        paper[s] = qint16(chosen);
        keys.insert(record.blockKey());
        const QString figure = figureKey(record);
        if (!figure.isEmpty())
            figures.insert(figure);
    }
    return Outcome::Filled;
}

QVector<int> ExamDraw::revisedCandidates(int group) const
{
    const QStringList &keyOrder = revisedGroupKeys(group);
    const QSet<QString> keys(keyOrder.begin(), keyOrder.end());
    QVector<int> candidates;
    const int last = m_bank.lastIndex();
    for (int i = 1; i <= last; ++i) {
        const QuestionRecord record(m_bank.record(i));
        if (record.questionMark() == QLatin1Char('R') && keys.contains(record.blockKey()))
            candidates << i;
    }
    return candidates;
}

ExamDraw::Outcome ExamDraw::drawRevised(QVector<qint16> &paper, QString *error)
{
    const QVector<int> &groups = slotChapters(PaperKind::RevisedAB);
    QSet<QString> codes;
    QVector<int> candidates;
    int currentGroup = 0;
    for (int s = 0; s < kPaperSlots; ++s) {
        const int group = groups.at(s);
        if (group != currentGroup) {
            currentGroup = group;
            candidates = revisedCandidates(group);
        }
        if (candidates.isEmpty()) {
            *error = shortfallMessage(PaperKind::RevisedAB, group);
            return Outcome::BadData;
        }
        const auto fits = [&](int index) { return !codes.contains(QuestionRecord(m_bank.record(index)).questionCode()); };
        const int lastPosition = int(candidates.size()) - 1;

        int chosen = -1;
        for (int tries = 0; tries < kRedrawsPerSlot && chosen < 0; ++tries) {
            const int r = candidates.at(m_random.between(0, lastPosition));
            if (fits(r))
                chosen = r;
        }
        if (chosen < 0) {
            QVector<int> fitting;
            for (int c : std::as_const(candidates)) {
                if (fits(c))
                    fitting << c;
            }
            if (fitting.isEmpty()) {
                // Codes never clash across groups, so drawing again cannot help.
                *error = shortfallMessage(PaperKind::RevisedAB, group);
                return Outcome::BadData;
            }
            chosen = fitting.at(m_random.between(0, int(fitting.size()) - 1));
        }
        paper[s] = qint16(chosen);
        codes.insert(QuestionRecord(m_bank.record(chosen)).questionCode());
    }
    return Outcome::Filled;
}

void ExamDraw::mix(QVector<qint16> &paper, int passes)
{
    for (int p = 0; p < passes; ++p) {
        for (int i = 0; i < kPaperSlots; ++i)
            std::swap(paper[i], paper[m_random.between(0, kPaperSlots - 1)]);
    }
}

QString ExamDraw::shortfallMessage(PaperKind kind, int chapterOrGroup) const
{
    const int needed = int(slotChapters(kind).count(chapterOrGroup));
    if (kind == PaperKind::RevisedAB) {
        return QStringLiteral("Non è possibile comporre la scheda d'esame di revisione: il gruppo %1 non ha almeno "
                              "%2 domande contrassegnate \"R\" con codici diversi nel file delle domande %3.")
            .arg(chapterOrGroup)
            .arg(needed)
            .arg(m_bankFileName);
    }
    return QStringLiteral("Non è possibile comporre la scheda d'esame: il capitolo %1 del file delle domande %2 non "
                          "ha almeno %3 domande con argomento e figura diversi.")
        .arg(chapterOrGroup)
        .arg(m_bankFileName)
        .arg(needed);
}
