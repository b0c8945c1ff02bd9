#include "TestFolder.h"

#include "core/ChapterTable.h"
#include "core/QuestionBank.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

TestFolder::TestFolder() : m_previousHome(qgetenv("TAVRI_HOME"))
{
    qputenv("TAVRI_HOME", m_dir.path().toLocal8Bit());
}

TestFolder::~TestFolder()
{
    if (m_previousHome.isEmpty())
        qunsetenv("TAVRI_HOME");
    else
        qputenv("TAVRI_HOME", m_previousHome);
}

void TestFolder::writeBytes(const QString &relative, const QByteArray &bytes) const
{
    const QString path = file(relative);
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

void TestFolder::writeBank(const QString &relative, const QStringList &records) const
{
    QString error;
    QVERIFY2(BankFile::write(file(relative), records, &error), qPrintable(error));
}

QString makeRecord(const QString &blockKey, int statement, int figure, QChar answer, const QString &text, QChar mark,
                   const QString &narrationTag)
{
    QString r = QString(30, QLatin1Char(' '));
    r.replace(0, 5, blockKey.left(5));
    r.replace(6, 2, QStringLiteral("%1").arg(statement, 2, 10, QLatin1Char('0')));
    r.replace(9, 3, QStringLiteral("%1").arg(figure, 3, 10, QLatin1Char('0')));
    r[13] = answer;
    r[15] = mark;
    if (!narrationTag.isEmpty())
        r.replace(18, 11, narrationTag.leftJustified(11, QLatin1Char(' ')).left(11));
    return r + text;
}

QStringList syntheticBank(const ChapterTable &table, int chapterCodeOffset)
{
    QStringList records{QStringLiteral("TAVRI test bank")};
    int figure = 1;
    for (int c = 0; c < table.count(); ++c) {
        const ChapterRange range = table.rangeAt(c);
        const int chapterCode = c + 1 + chapterCodeOffset;
        for (int i = range.first; i <= range.last; ++i) {
            const int stem = (i - range.first) / 4 + 1;
            const int statement = (i - range.first) % 4 + 1;
            const QString key = QStringLiteral("%1%2").arg(chapterCode, 2, 10, QLatin1Char('0')).arg(stem, 3, 10, QLatin1Char('0'));
            const int fig = statement == 1 ? (figure++ % 999) + 1 : 0;
            records << makeRecord(key, statement, fig, i % 2 ? QLatin1Char('V') : QLatin1Char('F'),
                                  QStringLiteral("Affermazione %1 del capitolo %2").arg(i).arg(c + 1));
        }
    }
    return records;
}
