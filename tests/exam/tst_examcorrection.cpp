#include "TestFolder.h"

#include "core/QuestionBank.h"
#include "exam/Correction.h"
#include "exam/Countdown.h"

#include <QtTest>

namespace {

// A bank of 30 statements whose right answers spell `rights`; the paper takes them in order.
QuestionBank bankWithAnswers(const QString &rights)
{
    QStringList records{QStringLiteral("banca")};
    for (int i = 0; i < rights.size(); ++i)
        records << makeRecord(QStringLiteral("01%1").arg(i + 1, 3, 10, QLatin1Char('0')), 1, 0, rights.at(i),
                              QStringLiteral("Affermazione %1").arg(i + 1));
    return QuestionBank(records);
}

QVector<qint16> paperInOrder()
{
    QVector<qint16> paper;
    for (int i = 1; i <= 30; ++i)
        paper << qint16(i);
    return paper;
}

const QString kRights = QStringLiteral("VFVFVFVFVFVFVFVFVFVFVFVFVFVFVF");

// The right answers with the given 0-based slots turned wrong.
QString withWrong(std::initializer_list<int> wrongSlots)
{
    QString answers = kRights;
    for (int s : wrongSlots)
        answers[s] = answers[s] == QLatin1Char('V') ? QLatin1Char('F') : QLatin1Char('V');
    return answers;
}

} // namespace

class TestExamCorrection : public QObject
{
    Q_OBJECT

private slots:
    void verdicts_data();
    void verdicts();
    void unansweredTakeTheRightAnswer();
    void errorsComeFirstInTheirOrder();
    void answerStringHasOneCharacterPerSlot();
    void remainingTime_data();
    void remainingTime();
    void timeText_data();
    void timeText();
};

void TestExamCorrection::verdicts_data()
{
    QTest::addColumn<QString>("answers");
    QTest::addColumn<int>("errors");
    QTest::addColumn<QString>("marks");
    QTest::addColumn<QString>("text");
    QTest::newRow("none wrong") << kRights << 0 << QString(30, QLatin1Char('V')) << QStringLiteral("Nessun errore\nIDONEO");
    QTest::newRow("three wrong") << withWrong({0, 14, 29}) << 3
                                 << QStringLiteral("RVVVVVVVVVVVVVRVVVVVVVVVVVVVVR") << QStringLiteral("Numero errori: 3\nIDONEO");
    QTest::newRow("two wrong, two blank") << QString(withWrong({3, 4})).replace(10, 1, QLatin1Char(' ')).replace(11, 1, QLatin1Char(' '))
                                          << 4 << QStringLiteral("VVVRRVVVVVBBVVVVVVVVVVVVVVVVVV")
                                          << QStringLiteral("Numero errori: 4\nRESPINTO");
    QTest::newRow("no answers") << QString(30, QLatin1Char(' ')) << 30 << QString(30, QLatin1Char('B'))
                                << QStringLiteral("Numero errori: 30\nRESPINTO");
    QTest::newRow("short string") << kRights.left(28) << 2 << QStringLiteral("VVVVVVVVVVVVVVVVVVVVVVVVVVVVBB")
                                  << QStringLiteral("Numero errori: 2\nIDONEO");
}

void TestExamCorrection::verdicts()
{
    QFETCH(QString, answers);
    QFETCH(int, errors);
    QFETCH(QString, marks);
    QFETCH(QString, text);
    const Correction c = correctExam(paperInOrder(), bankWithAnswers(kRights), answers);
    QCOMPARE(c.errors, errors);
    QCOMPARE(c.marks, marks);
    QCOMPARE(c.resultText(), text);
    QCOMPARE(c.passed(), errors <= 3);
}

void TestExamCorrection::unansweredTakeTheRightAnswer()
{
    QString answers = withWrong({2});
    answers[5] = QLatin1Char(' ');
    const Correction c = correctExam(paperInOrder(), bankWithAnswers(kRights), answers);
    QCOMPARE(c.answers.at(5), kRights.at(5));
    QCOMPARE(c.answers.at(2), answers.at(2));
    QCOMPARE(c.answers.size(), 30);
}

void TestExamCorrection::errorsComeFirstInTheirOrder()
{
    QVector<qint16> paper = paperInOrder();
    QString answers = withWrong({4, 20});
    answers[9] = QLatin1Char(' ');
    const Correction c = correctExam(paper, bankWithAnswers(kRights), answers);
    QString newAnswers = c.answers;
    QString marks = c.marks;
    putErrorsFirst(paper, newAnswers, marks);

    QCOMPARE(paper.mid(0, 5), (QVector<qint16>{5, 10, 21, 1, 2}));
    QCOMPARE(paper.last(), qint16(30));
    QCOMPARE(marks, QStringLiteral("RBR") + QString(27, QLatin1Char('V')));
    // Every answer travels with its statement.
    for (int q = 0; q < 30; ++q)
        QCOMPARE(newAnswers.at(q), c.answers.at(paper.at(q) - 1));
}

void TestExamCorrection::answerStringHasOneCharacterPerSlot()
{
    QStringList tags(30);
    tags[0] = QStringLiteral("V");
    tags[2] = QStringLiteral("F");
    QCOMPARE(answerString(tags), QStringLiteral("V F") + QString(27, QLatin1Char(' ')));
}

void TestExamCorrection::remainingTime_data()
{
    QTest::addColumn<qint64>("elapsed");
    QTest::addColumn<int>("limit");
    QTest::addColumn<int>("remaining");
    QTest::newRow("at start AB") << qint64(0) << 1200 << 1200;
    QTest::newRow("53 s in AB") << qint64(53) << 1200 << 1147;
    QTest::newRow("last second AM") << qint64(1500) << 1500 << 0;
    QTest::newRow("one second over") << qint64(1201) << 1200 << -1;
    QTest::newRow("days later") << qint64(3) * 24 * 3600 << 1200 << -1;
    QTest::newRow("centuries later") << qint64(300) * 365 * 24 * 3600 << 1200 << -1;
    QTest::newRow("clock set back") << qint64(-7200) << 1500 << 1500;
}

void TestExamCorrection::remainingTime()
{
    QFETCH(qint64, elapsed);
    QFETCH(int, limit);
    QFETCH(int, remaining);
    const QDateTime start(QDate(2026, 3, 2), QTime(9, 0, 0));
    QCOMPARE(Countdown::remainingSeconds(start, start.addSecs(elapsed), limit), remaining);
}

void TestExamCorrection::timeText_data()
{
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("text");
    QTest::newRow("full AB") << 1200 << QStringLiteral("20 : 00");
    QTest::newRow("19:07") << 1147 << QStringLiteral("19 : 07");
    QTest::newRow("zero") << 0 << QStringLiteral("00 : 00");
}

void TestExamCorrection::timeText()
{
    QFETCH(int, seconds);
    QFETCH(QString, text);
    QCOMPARE(Countdown::text(seconds), text);
}

QTEST_GUILESS_MAIN(TestExamCorrection)
#include "tst_examcorrection.moc"
