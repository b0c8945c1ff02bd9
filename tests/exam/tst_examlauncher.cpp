#include "ExamFixture.h"
#include "TestFolder.h"
#include "TestServices.h"

#include "core/AppState.h"
#include "core/MainForm.h"
#include "exam/EsameAM.h"
#include "exam/ExamDraw.h"
#include "widgets/FlatButton.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

// The menu on synthetic banks of both categories; in the AB bank the statements of
// the revised-exam keys carry the mark "R" when marked is set.
struct Menu
{
    TestFolder folder;
    TestServices services;
    AppState state;
    std::unique_ptr<MainForm> form;

    explicit Menu(bool marked = true)
    {
        state.services = services.services();
        state.bankAM = QuestionBank(syntheticBank(state.chaptersAM, 0));
        QStringList ab = syntheticBank(state.chaptersAB, 10);
        if (marked) {
            for (int g = 1; g <= kRevisedGroups; ++g) {
                for (int i = 1; i < ab.size(); ++i) {
                    if (revisedGroupKeys(g).contains(ab[i].left(5)))
                        ab[i][15] = QLatin1Char('R');
                }
            }
        }
        state.bankAB = QuestionBank(ab);
        form = std::make_unique<MainForm>(state);
    }

    FlatButton *button(const char *name) { return form->findChild<FlatButton *>(QString::fromLatin1(name)); }
};

// Once the exam screen is open and shows its first statement, runs check on it and
// leaves it with Esc.
void whenExamOpens(std::function<void(EsameAM *)> check)
{
    whenScreenOpens<EsameAM>(std::move(check), [](EsameAM *exam) { QTest::keyClick(exam, Qt::Key_Escape); });
}

} // namespace

class TestExamLauncher : public QObject
{
    Q_OBJECT

private slots:
    void amExam();
    void abExamSetsRevisioneForItsDuration();
    void revisedExamKeepsTheAMButtonDisabled();
    void aBankThatFallsShortOpensNoExam();
};

void TestExamLauncher::amExam()
{
    Menu m;
    FlatButton *esameP = m.button("EsamePp(0)");
    bool disabledMeanwhile = false;
    QVector<qint16> paper;
    whenExamOpens([&](EsameAM *exam) {
        disabledMeanwhile = !esameP->isEnabled();
        paper = m.state.examPaper;
        QCOMPARE(exam->findChild<QLabel *>(QStringLiteral("TempoRim"))->text(), QStringLiteral("25 : 00"));
    });
    esameP->click();
    QVERIFY(disabledMeanwhile);
    QCOMPARE(paper.size(), 30);
    QVERIFY(m.state.chaptersAM.find(1)->first <= paper.at(0));
    QVERIFY(esameP->isEnabled());
    QVERIFY(!m.state.revisione);

    // The next press draws a new paper.
    QVector<qint16> second;
    whenExamOpens([&](EsameAM *) { second = m.state.examPaper; });
    esameP->click();
    QVERIFY(second != paper);
}

void TestExamLauncher::abExamSetsRevisioneForItsDuration()
{
    Menu m;
    bool revisioneMeanwhile = false;
    QString clock;
    whenExamOpens([&](EsameAM *exam) {
        revisioneMeanwhile = m.state.revisione;
        clock = exam->findChild<QLabel *>(QStringLiteral("TempoRim"))->text();
    });
    m.button("EsameABp(0)")->click();
    QVERIFY(revisioneMeanwhile);
    QCOMPARE(clock, QStringLiteral("20 : 00"));
    QVERIFY(!m.state.revisione);
    QVERIFY(m.button("EsameABp(0)")->isEnabled());
    QVERIFY(m.button("EsamePp(0)")->isEnabled());
}

void TestExamLauncher::revisedExamKeepsTheAMButtonDisabled()
{
    Menu m;
    QTest::mouseClick(m.form->findChild<QWidget *>(QStringLiteral("RevisioneI")), Qt::LeftButton);
    QVERIFY(m.state.revisione);
    QVector<qint16> paper;
    whenExamOpens([&](EsameAM *) { paper = m.state.examPaper; });
    m.button("EsameABp(0)")->click();
    QCOMPARE(paper.size(), 30);
    for (qint16 index : paper)
        QCOMPARE(m.state.bankAB.record(index).at(15), QLatin1Char('R'));
    QVERIFY(m.state.revisione);
    QVERIFY(!m.button("EsamePp(0)")->isEnabled());
    QVERIFY(m.button("EsameABp(0)")->isEnabled());
    QVERIFY(!m.form->findChild<QWidget *>(QStringLiteral("Attendi"))->isVisible());
}

void TestExamLauncher::aBankThatFallsShortOpensNoExam()
{
    Menu m(false);
    QTest::mouseClick(m.form->findChild<QWidget *>(QStringLiteral("RevisioneI")), Qt::LeftButton);
    m.button("EsameABp(0)")->click();
    QCOMPARE(m.services.dialogs.messages.size(), 1);
    QCOMPARE(m.services.dialogs.messages.at(0).icon, Dialogs::Icon::Error);
    QVERIFY(m.services.dialogs.messages.at(0).text.contains(QStringLiteral("gruppo 1")));
    QVERIFY(m.button("EsameABp(0)")->isEnabled());
    QVERIFY(QApplication::activeModalWidget() == nullptr);
}

QTEST_MAIN(TestExamLauncher)
#include "tst_examlauncher.moc"
