#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

class ChapterTable;
class QuestionBank;

// Checks an installation folder before a school puts it into use: both banks, the
// figure archive, the speed-limit questions and, where present, the custom topic lists. Each problem is one Italian line that
// names the file, the line where there is one, and the reason.
class InstallationCheck
{
public:
    explicit InstallationCheck(QString folder);

    // Runs every check; returns the problems found, none when the installation is sound.
    QStringList run();

    // The figures of the intersection exercise, which the archive must hold.
    static const QList<int> &crossingFigures();

private:
    struct FigureUse
    {
        QString file;
        int line = 0;
    };

    bool loadBank(const QString &fileName, QuestionBank *bank);
    void checkRecords(const QString &fileName, const QuestionBank &bank, const ChapterTable &table, int codeOffset);
    void checkPaperSupply(const QString &fileName, const QuestionBank &bank, const ChapterTable &table,
                          bool abBank);
    void checkRevisedGroups(const QuestionBank &bank);
    void noteFigures(const QString &fileName, const QuestionBank &bank);
    void checkTopicList(const QString &fileName, const QString &bankFileName, const QuestionBank &bank);
    void checkFigures();
    void checkSpeedLimits();
    void problem(const QString &file, int line, const QString &reason);
    void problem(const QString &file, const QString &reason);

    QString m_folder;
    QStringList m_problems;
    QHash<int, FigureUse> m_figures;
};

// The largest number of blocks of one chapter that a paper can hold together: blocks
// with distinct BlockKeys whose figures are all different (a statement without a figure
// never clashes). blockFigures lists, per block, the figure numbers its statements show;
// a block that has a statement without a figure is listed with a 0.
int distinctBlockSupply(const QList<QList<int>> &blockFigures);
