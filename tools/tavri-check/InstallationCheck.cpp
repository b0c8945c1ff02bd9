#include "InstallationCheck.h"

#include "core/ChapterTable.h"
#include "core/Figures.h"
#include "core/QuestionBank.h"
#include "core/QuestionRecord.h"
#include "exam/ExamDraw.h"
#include "platform/Cp1252.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QMap>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <functional>

namespace {

const QString kAbBank = QStringLiteral("TAVRI.SET");
const QString kAmBank = QStringLiteral("TAVRI_AM.SET");
const QString kArchive = QStringLiteral("TAVRI.IMG");
const QString kSpeedLimits = QStringLiteral("limiti vel.txt");

// The speeds that have a sign on the speed-limit screen.
const QList<int> kSignedSpeeds = {15, 40, 45, 50, 70, 80, 90, 100, 110, 130, 150};
constexpr int kSpeedCategories = 16;
constexpr qint64 kSpeedFileMaxBytes = 32768;

// A bank index i is line i + 1 of its file.
int fileLine(int bankIndex)
{
    return bankIndex + 1;
}

} // namespace

int distinctBlockSupply(const QList<QList<int>> &blockFigures)
{
    int free = 0;
    QList<QList<int>> figured;
    for (const QList<int> &figures : blockFigures) {
        if (figures.contains(0))
            ++free;
        else if (!figures.isEmpty())
            figured << figures;
    }
    // Each remaining block needs a figure of its own: a bipartite matching of blocks to
    // figures, grown one augmenting path at a time.
    QHash<int, int> blockOfFigure;
    std::function<bool(int, QSet<int> &)> place = [&](int block, QSet<int> &seen) {
        for (int figure : figured[block]) {
            if (seen.contains(figure))
                continue;
            seen.insert(figure);
            if (!blockOfFigure.contains(figure) || place(blockOfFigure.value(figure), seen)) {
                blockOfFigure.insert(figure, block);
                return true;
            }
        }
        return false;
    };
    int matched = 0;
    for (int block = 0; block < figured.size(); ++block) {
        QSet<int> seen;
        if (place(block, seen))
            ++matched;
    }
    return free + matched;
}

InstallationCheck::InstallationCheck(QString folder) : m_folder(std::move(folder)) {}

const QList<int> &InstallationCheck::crossingFigures()
{
    static const QList<int> figures = {603, 604, 606, 607, 608, 610, 613, 614, 615, 616, 617, 618, 620, 631, 632,
                                       633, 634, 636, 637, 638, 639, 640, 642, 643, 644, 646, 647, 648, 650, 651,
                                       652, 654, 655, 657, 659, 660, 661, 662, 663, 664, 665, 667, 668, 669};
    return figures;
}

QStringList InstallationCheck::run()
{
    m_problems.clear();
    m_figures.clear();
    QuestionBank ab;
    if (loadBank(kAbBank, &ab)) {
        checkRecords(kAbBank, ab, ChapterTable::ab(), 10);
        checkPaperSupply(kAbBank, ab, ChapterTable::ab(), true);
        checkRevisedGroups(ab);
        noteFigures(kAbBank, ab);
        checkTopicList(QStringLiteral("argomenti.txt"), kAbBank, ab);
    }
    QuestionBank am;
    if (loadBank(kAmBank, &am)) {
        checkRecords(kAmBank, am, ChapterTable::am(), 0);
        checkPaperSupply(kAmBank, am, ChapterTable::am(), false);
        noteFigures(kAmBank, am);
        checkTopicList(QStringLiteral("argomentiAM.txt"), kAmBank, am);
    }
    checkFigures();
    checkSpeedLimits();
    return m_problems;
}

void InstallationCheck::problem(const QString &file, int line, const QString &reason)
{
    m_problems << QStringLiteral("%1, riga %2: %3").arg(file).arg(line).arg(reason);
}

void InstallationCheck::problem(const QString &file, const QString &reason)
{
    m_problems << QStringLiteral("%1: %2").arg(file, reason);
}

bool InstallationCheck::loadBank(const QString &fileName, QuestionBank *bank)
{
    QString error;
    if (!BankFile::load(QDir(m_folder).filePath(fileName), bank, &error)) {
        problem(fileName, error.section(QLatin1Char('\n'), 0, 0));
        return false;
    }
    return true;
}

void InstallationCheck::checkRecords(const QString &fileName, const QuestionBank &bank, const ChapterTable &table,
                                     int codeOffset)
{
    static const QRegularExpression layout(QStringLiteral("^\\d{5} \\d{2} \\d{3} [VF] "));
    const int last = table.lastIndex();
    if (bank.lastIndex() < last) {
        problem(fileName, QStringLiteral("ha %1 affermazioni, ma i capitoli arrivano alla %2")
                              .arg(bank.lastIndex())
                              .arg(last));
    } else if (bank.lastIndex() > last) {
        problem(fileName, fileLine(last + 1),
                QStringLiteral("le righe da qui in poi stanno oltre l'ultimo capitolo (%1 affermazioni in più)")
                    .arg(bank.lastIndex() - last));
    }
    for (int c = 0; c < table.count(); ++c) {
        const ChapterRange range = table.rangeAt(c);
        const int chapter = c + 1;
        for (int i = range.first; i <= std::min(range.last, bank.lastIndex()); ++i) {
            const QString &line = bank.record(i);
            const QuestionRecord record(line);
            if (!layout.match(line).hasMatch()) {
                problem(fileName, fileLine(i),
                        QStringLiteral("la riga non segue lo schema \"CCSSS NN FFF V\": codice, numero, figura e "
                                       "risposta V o F nelle loro colonne"));
                continue;
            }
            if (record.chapterCode() != chapter + codeOffset) {
                problem(fileName, fileLine(i),
                        QStringLiteral("il codice di capitolo %1 non è quello del capitolo %2 (%3), in cui la riga "
                                       "si trova (affermazioni %4-%5)")
                            .arg(record.chapterCodeText())
                            .arg(chapter)
                            .arg(chapter + codeOffset, 2, 10, QLatin1Char('0'))
                            .arg(range.first)
                            .arg(range.last));
            }
            if (record.questionTexts().value(0).trimmed().isEmpty())
                problem(fileName, fileLine(i), QStringLiteral("l'affermazione non ha il testo italiano"));
        }
    }
}

void InstallationCheck::checkPaperSupply(const QString &fileName, const QuestionBank &bank,
                                         const ChapterTable &table, bool abBank)
{
    const QVector<int> &slotList = slotChapters(abBank ? PaperKind::AB : PaperKind::AM);
    for (int c = 0; c < table.count(); ++c) {
        const int chapter = c + 1;
        const int needed = int(slotList.count(chapter));
        const ChapterRange range = table.rangeAt(c);
        QMap<QString, QList<int>> figuresOfBlock;
        for (int i = range.first; i <= std::min(range.last, bank.lastIndex()); ++i) {
            const QuestionRecord record(bank.record(i));
            QList<int> &figures = figuresOfBlock[record.blockKey()];
            if (!figures.contains(record.figureNumber()))
                figures << record.figureNumber();
        }
        const int supply = distinctBlockSupply(figuresOfBlock.values());
        if (supply < needed) {
            problem(fileName, fileLine(range.first),
                    QStringLiteral("il capitolo %1 (affermazioni %2-%3) dà solo %4 affermazioni con domande e "
                                   "figure diverse, ma una prova ne prende %5")
                        .arg(chapter)
                        .arg(range.first)
                        .arg(range.last)
                        .arg(supply)
                        .arg(needed));
        }
    }
}

void InstallationCheck::checkRevisedGroups(const QuestionBank &bank)
{
    for (int group = 1; group <= kRevisedGroups; ++group) {
        const QSet<QString> keys(revisedGroupKeys(group).begin(), revisedGroupKeys(group).end());
        QSet<QString> codes;
        for (int i = 1; i <= bank.lastIndex(); ++i) {
            const QuestionRecord record(bank.record(i));
            if (record.questionMark() == QLatin1Char('R') && keys.contains(record.blockKey()))
                codes.insert(record.questionCode());
        }
        if (codes.size() < 3) {
            problem(kAbBank, QStringLiteral("il gruppo %1 della prova di revisione ha %2 affermazioni \"R\" con "
                                            "codici diversi, ne servono almeno 3")
                                 .arg(group)
                                 .arg(codes.size()));
        }
    }
}

void InstallationCheck::noteFigures(const QString &fileName, const QuestionBank &bank)
{
    for (int i = 1; i <= bank.lastIndex(); ++i) {
        const int figure = QuestionRecord(bank.record(i)).figureNumber();
        if (figure > 0 && !m_figures.contains(figure))
            m_figures.insert(figure, {fileName, fileLine(i)});
    }
}

// A custom topic list is optional; when present, each topic header ("[" first) must be
// followed by at least one key line, and every key line must name a block of the bank.
void InstallationCheck::checkTopicList(const QString &fileName, const QString &bankFileName, const QuestionBank &bank)
{
    QFile file(QDir(m_folder).filePath(fileName));
    if (!file.exists())
        return;
    if (!file.open(QIODevice::ReadOnly)) {
        problem(fileName, QStringLiteral("il file non si può leggere"));
        return;
    }
    const QByteArray bytes = file.readAll();
    if (!bytes.endsWith("\r\n"))
        problem(fileName, QStringLiteral("l'ultima riga non finisce con CR LF"));
    QSet<QString> blocks;
    for (int i = 1; i <= bank.lastIndex(); ++i)
        blocks.insert(QuestionRecord(bank.record(i)).blockKey());
    const QStringList lines = Cp1252::decode(bytes).split(QStringLiteral("\r\n"));
    bool inTopic = false;
    for (int n = 0; n < lines.size(); ++n) {
        const QString &line = lines[n];
        const bool header = line.startsWith(QLatin1Char('['));
        const bool ends = header || line.isEmpty();
        if (inTopic && n > 0 && lines[n - 1].startsWith(QLatin1Char('[')) && ends)
            problem(fileName, n, QStringLiteral("l'argomento non ha nessun blocco"));
        if (header) {
            inTopic = true;
        } else if (line.isEmpty()) {
            inTopic = false;
        } else if (inTopic && !blocks.contains(line)) {
            problem(fileName, n + 1, QStringLiteral("il blocco \"%1\" non c'è in %2").arg(line, bankFileName));
        }
    }
}

void InstallationCheck::checkFigures()
{
    for (int figure : crossingFigures()) {
        if (!m_figures.contains(figure))
            m_figures.insert(figure, {});
    }
    const QString archive = QDir(m_folder).filePath(kArchive);
    if (!QFile::exists(archive)) {
        problem(kArchive, QStringLiteral("l'archivio delle figure manca"));
        return;
    }
    QList<int> numbers = m_figures.keys();
    std::sort(numbers.begin(), numbers.end());
    for (int figure : numbers) {
        const FigureUse use = m_figures.value(figure);
        const QString namedBy = use.file.isEmpty()
                                    ? QStringLiteral("nominata dall'esercizio sugli incroci")
                                    : QStringLiteral("nominata da %1, riga %2").arg(use.file).arg(use.line);
        const QByteArray bytes = LoadFigureBytesFromArchive(archive, figure);
        if (isEmptyPicture(bytes)) {
            problem(kArchive, QStringLiteral("la figura %1 (%2) non c'è o non si può leggere").arg(figure).arg(namedBy));
        } else if (PictureFromBytes(bytes).isNull()) {
            problem(kArchive, QStringLiteral("la figura %1 (%2) non è un'immagine leggibile").arg(figure).arg(namedBy));
        }
    }
}

void InstallationCheck::checkSpeedLimits()
{
    QFile file(QDir(m_folder).filePath(kSpeedLimits));
    if (!file.open(QIODevice::ReadOnly)) {
        problem(kSpeedLimits, QStringLiteral("il file delle domande sui limiti di velocità manca o non si legge"));
        return;
    }
    const QByteArray bytes = file.readAll();
    if (bytes.size() > kSpeedFileMaxBytes) {
        problem(kSpeedLimits, QStringLiteral("il file ha %1 byte, il massimo è %2").arg(bytes.size()).arg(kSpeedFileMaxBytes));
    }
    if (!bytes.endsWith("\r\n"))
        problem(kSpeedLimits, QStringLiteral("l'ultima riga non finisce con CR LF"));
    QStringList lines = Cp1252::decode(bytes).split(QStringLiteral("\r\n"));
    if (lines.last().isEmpty())
        lines.removeLast();
    static const QRegularExpression layout(QStringLiteral("^(\\d\\d)....(\\d{3}) (.*)$"));
    QSet<int> seen;
    int previous = 0;
    for (int n = 0; n < lines.size(); ++n) {
        const QString &line = lines[n];
        const int lineNumber = n + 1;
        if (line.contains(QLatin1Char('\n')) || line.contains(QLatin1Char('\r'))) {
            problem(kSpeedLimits, lineNumber, QStringLiteral("le righe devono essere separate da CR LF"));
            continue;
        }
        const QRegularExpressionMatch m = layout.match(line);
        if (!m.hasMatch()) {
            problem(kSpeedLimits, lineNumber,
                    QStringLiteral("la riga non ha categoria in colonna 1-2, velocità in colonna 7-9 e testo dalla 11"));
            continue;
        }
        const int category = m.captured(1).toInt();
        const int speed = m.captured(2).toInt();
        if (category < 1 || category > kSpeedCategories) {
            problem(kSpeedLimits, lineNumber, QStringLiteral("la categoria %1 non esiste (01-16)").arg(m.captured(1)));
            continue;
        }
        if (!kSignedSpeeds.contains(speed))
            problem(kSpeedLimits, lineNumber, QStringLiteral("non c'è un cartello per la velocità %1 km/h").arg(speed));
        if (m.captured(3).trimmed().isEmpty())
            problem(kSpeedLimits, lineNumber, QStringLiteral("la domanda non ha testo"));
        if (category != previous && seen.contains(category)) {
            problem(kSpeedLimits, lineNumber,
                    QStringLiteral("le domande della categoria %1 non sono tutte consecutive").arg(m.captured(1)));
        }
        seen.insert(category);
        previous = category;
    }
    for (int category = 1; category <= kSpeedCategories; ++category) {
        if (!seen.contains(category))
            problem(kSpeedLimits, QStringLiteral("la categoria %1 non ha domande").arg(category, 2, 10, QLatin1Char('0')));
    }
}
