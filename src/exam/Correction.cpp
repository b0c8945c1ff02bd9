#include "exam/Correction.h"

#include "core/QuestionBank.h"
#include "core/QuestionRecord.h"

#include <QStringList>

QString Correction::resultText() const
{
    const QString count = errors == 0 ? QStringLiteral("Nessun errore") : QStringLiteral("Numero errori: %1").arg(errors);
    return count + QLatin1Char('\n') + (passed() ? QStringLiteral("IDONEO") : QStringLiteral("RESPINTO"));
}

Correction correctExam(const QVector<qint16> &paper, const QuestionBank &bank, const QString &answers)
{
    Correction c;
    const int slotCount = int(paper.size());
    c.answers = answers.leftJustified(slotCount, QLatin1Char(' '), true);
    c.marks = QString(slotCount, QLatin1Char(' '));
    for (int q = 0; q < slotCount; ++q) {
        const int index = paper.at(q);
        const QChar right = bank.contains(index) ? QuestionRecord(bank.record(index)).correctAnswer() : QChar();
        const QChar given = c.answers.at(q);
        c.marks[q] = given == right ? QLatin1Char('V') : QLatin1Char('R');
        if (given == QLatin1Char(' ')) {
            c.answers[q] = right.isNull() ? QLatin1Char(' ') : right;
            c.marks[q] = QLatin1Char('B');
        }
        if (given != right)
            ++c.errors;
    }
    return c;
}

void putErrorsFirst(QVector<qint16> &paper, QString &answers, QString &marks)
{
    QVector<qint16> newPaper;
    QString newAnswers;
    QString newMarks;
    for (const bool takeErrors : {true, false}) {
        for (int q = 0; q < marks.size(); ++q) {
            if ((marks.at(q) != QLatin1Char('V')) != takeErrors)
                continue;
            newPaper << paper.at(q);
            newAnswers += answers.at(q);
            newMarks += marks.at(q);
        }
    }
    paper = newPaper;
    answers = newAnswers;
    marks = newMarks;
}

QString answerString(const QStringList &slotAnswers)
{
    QString result;
    for (const QString &a : slotAnswers)
        result += (a + QLatin1Char(' ')).at(0);
    return result;
}
