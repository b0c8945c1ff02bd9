#pragma once

#include <QString>
#include <QVector>

class QuestionBank;

// The correction of an exam paper: every answer against the CorrectAnswer of its
// statement. Marks hold "V" right, "R" wrong, "B" unanswered, one per slot.
struct Correction
{
    QString marks;
    // The answers with every unanswered slot filled with its right answer.
    QString answers;
    // Wrong and unanswered statements.
    int errors = 0;

    // At most 3 errors pass.
    bool passed() const { return errors <= 3; }
    // "Numero errori: 4" (or "Nessun errore"), a line break, then "IDONEO" or "RESPINTO".
    QString resultText() const;
};

// Corrects answers ("V", "F" or a space per slot; a short string counts as unanswered
// at the end) for the paper's statements in bank.
Correction correctExam(const QVector<qint16> &paper, const QuestionBank &bank, const QString &answers);

// Moves the statements whose mark is not "V" to the front, each group keeping its
// order, and applies the same order to the paper, the answers and the marks.
void putErrorsFirst(QVector<qint16> &paper, QString &answers, QString &marks);

// The answer string of an exam screen: for each slot the first character of its
// answer followed by a space, so "V", "F" or a space.
QString answerString(const QStringList &slotAnswers);
