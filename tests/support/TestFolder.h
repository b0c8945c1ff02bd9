#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A fresh program folder for one test: TAVRI_HOME points at it while it lives.
class TestFolder
{
public:
    TestFolder();
    ~TestFolder();

    QString path() const { return m_dir.path(); }
    QString file(const QString &relative) const { return m_dir.filePath(relative); }
    // Writes raw bytes, creating folders on the way.
    void writeBytes(const QString &relative, const QByteArray &bytes) const;
    // Writes a bank file through the program's own writer.
    void writeBank(const QString &relative, const QStringList &records) const;

private:
    QTemporaryDir m_dir;
    QByteArray m_previousHome;
};

// A record laid out by field: the positions the program reads are filled, the others blank.
QString makeRecord(const QString &blockKey, int statement, int figure, QChar answer, const QString &text,
                   QChar mark = QLatin1Char(' '), const QString &narrationTag = QString());

// A synthetic bank that fills every chapter of a table: each chapter's range holds
// stems of four statements, figures distinct per stem, answers alternating.
QStringList syntheticBank(const class ChapterTable &table, int chapterCodeOffset);
