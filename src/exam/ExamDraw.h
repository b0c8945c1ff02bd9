#pragma once

#include "core/ChapterTable.h"

#include <QString>
#include <QStringList>
#include <QVector>

class QuestionBank;
class Random;

// The three kinds of exam paper.
enum class PaperKind { AM, AB, RevisedAB };

// Every paper holds this many statements.
constexpr int kPaperSlots = 30;

// The chapter (AM, AB) or revised-exam group (RevisedAB) that each slot is drawn from.
const QVector<int> &slotChapters(PaperKind kind);

// The BlockKey values of revised-exam group 1 to 10, in their fixed order.
const QStringList &revisedGroupKeys(int group);
constexpr int kRevisedGroups = 10;

// How many mixing passes shuffle a finished paper: four for AB, one otherwise.
int mixingPasses(PaperKind kind);

// Draws exam papers from one category's bank.
//
// AM and AB papers take their slots chapter by chapter and never repeat a BlockKey or a
// figure; revised AB papers take three "R" statements from each revised-exam group and
// never repeat a QuestionCode. Each slot is drawn by the plain rejection rule (a random
// index of the range, drawn again on a clash); after kRedrawsPerSlot clashes in a row the
// slot is taken uniformly among the statements that still fit, which is the same
// distribution but always ends. When none fits, the whole paper is drawn again, up to
// kPaperAttempts times, and then the draw fails with an Italian message naming the
// chapter or group that cannot supply enough distinct statements.
class ExamDraw
{
public:
    static constexpr int kRedrawsPerSlot = 1000;
    static constexpr int kPaperAttempts = 20;

    // bankFileName names the bank in messages ("TAVRI.SET").
    ExamDraw(const QuestionBank &bank, const ChapterTable &chapters, Random &random, QString bankFileName);

    // Fills *paper with kPaperSlots bank indices in the order shown. On failure returns
    // false, leaves *paper as kPaperSlots zeros and puts the message in *error.
    bool draw(PaperKind kind, QVector<qint16> *paper, QString *error);

    // The candidates of a revised-exam group, in bank order: records whose characters
    // 1-5 are one of the group's keys and whose QuestionMark is "R".
    QVector<int> revisedCandidates(int group) const;

private:
    enum class Outcome { Filled, Blocked, BadData };

    Outcome drawByChapter(PaperKind kind, QVector<qint16> &paper, QString *error);
    Outcome drawRevised(QVector<qint16> &paper, QString *error);
    void mix(QVector<qint16> &paper, int passes);
    QString shortfallMessage(PaperKind kind, int chapterOrGroup) const;

    const QuestionBank &m_bank;
    ChapterTable m_chapters;
    Random &m_random;
    QString m_bankFileName;
};
