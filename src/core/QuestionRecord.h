#pragma once

#include <QString>
#include <QStringList>

// A statement line read by fixed 1-based character positions. Short records read
// leniently: a field past the end is shorter or empty, and a number that cannot be
// read counts as 0.
class QuestionRecord
{
public:
    explicit QuestionRecord(const QString &line) : m_line(line) {}

    QString questionCode() const { return field(1, 8); }   // 1-8
    QString chapterCodeText() const { return field(1, 2); }
    int chapterCode() const { return number(1, 2); }        // AB: chapter + 10, AM: chapter
    QString blockKey() const { return field(1, 5); }        // chapter code and stem
    QString stemText() const { return field(3, 3); }
    int stemNumber() const { return number(3, 3); }
    QString statementText() const { return field(7, 2); }
    int statementNumber() const { return number(7, 2); }
    QString figureText() const { return field(10, 3); }
    int figureNumber() const { return number(10, 3); }      // 0: no figure
    QChar correctAnswer() const { return at(14); }          // 'V' or 'F'
    QChar questionMark() const { return at(16); }           // 'R': revised-exam set
    QString narrationTag() const { return field(19, 11); }
    QStringList questionTexts() const;                       // Italian, French, German

    // The text in the given language (0 Italian, 1 French, 2 German), Italian when
    // the record has no text in that language.
    QString text(int languageIndex) const;

    // The numeric value of a text as the records use it: leading blanks skipped,
    // then an optional sign and digits; anything else ends the number.
    static int valueOf(const QString &text);

private:
    QString field(int position, int length) const { return m_line.mid(position - 1, length); }
    int number(int position, int length) const { return valueOf(field(position, length)); }
    QChar at(int position) const { return position <= m_line.size() ? m_line.at(position - 1) : QChar(); }

    QString m_line;
};

// The text of a record in the current language, falling back to Italian.
inline QString QuestionText(const QString &record, int languageIndex)
{
    return QuestionRecord(record).text(languageIndex);
}
