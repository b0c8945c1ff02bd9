#include "ExamFixture.h"

#include "exam/EsameAM.h"
#include "platform/SettingsStore.h"
#include "widgets/Design.h"
#include "widgets/ImageBox.h"
#include "widgets/LineWidget.h"

namespace {

const QColor kBack = Design::bgr(0x00D7E6D1);
const QColor kRed = Design::bgr(0x000000FF);
const QColor kInactive = Design::bgr(0x0091A599);

// An exam screen shown on its own, past its first activation.
struct Screen
{
    ExamFixture fixture;
    EsameAM form;

    explicit Screen(bool abBank) : fixture(abBank), form(fixture.state)
    {
        form.show();
        QTRY_COMPARE(form.currentSlot(), 0);
    }

    template<typename T = QWidget>
    T *get(const QString &name) { return control<T>(&form, name); }
    QString text(const QString &name) { return get<QLabel>(name)->text(); }
    void click(const QString &name) { QTest::mouseClick(get(name), Qt::LeftButton); }
    QString answerOf(int slot) { return Design::tag(get(Design::arrayName(QStringLiteral("RispS"), slot))).toString(); }
};

} // namespace

class TestExamQuestionScreen : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void firstStatementIsShownAndTheClockRuns_data();
    void firstStatementIsShownAndTheClockRuns();
    void answersDrawTheCrossAndColourTheTabs();
    void pagesAndTabsNavigate();
    void answerStringGoesToTheReview();
    void timeInTheReviewCounts();
    void timeOutCorrectsWithoutAsking();
    void escAbandonsTheExam();
    void autoAdvanceOpensTheReviewAfterTheLast();
    void flagsChangeTheLanguage();
    void narrationFollowsTheSlots();
};

void TestExamQuestionScreen::init()
{
    for (const char *key : {"AvanzaQ", "AudioAut", "Stampa", "Autoscuola"})
        SettingsStore::write(QString::fromLatin1(key), QString());
}

void TestExamQuestionScreen::firstStatementIsShownAndTheClockRuns_data()
{
    QTest::addColumn<bool>("abBank");
    QTest::addColumn<QString>("after53s");
    QTest::newRow("AM, 25 minutes") << false << QStringLiteral("24 : 07");
    QTest::newRow("AB, 20 minutes") << true << QStringLiteral("19 : 07");
}

void TestExamQuestionScreen::firstStatementIsShownAndTheClockRuns()
{
    QFETCH(bool, abBank);
    QFETCH(QString, after53s);
    Screen s(abBank);
    QCOMPARE(s.text(QStringLiteral("DomnA")), QStringLiteral("1"));
    QCOMPARE(s.text(QStringLiteral("Testo")), QStringLiteral("Affermazione 30"));
    QVERIFY(s.text(QStringLiteral("Prep")).startsWith(abBank ? QStringLiteral("11030 01") : QStringLiteral("01030 01")));
    QCOMPARE(textColorOf(s.get(QStringLiteral("Label1(0)"))), kRed);
    QCOMPARE(textColorOf(s.get(QStringLiteral("Label1(1)"))), kInactive);
    QCOMPARE(textColorOf(s.get(QStringLiteral("RispL(0)"))), kRed);
    QCOMPARE(textColorOf(s.get(QStringLiteral("RispL(1)"))), kInactive);
    QCOMPARE(s.get(QStringLiteral("Bandiera(1)"))->isVisible(), abBank);
    QVERIFY(!s.get(QStringLiteral("Line1"))->isVisible());
    QVERIFY(s.form.findChild<QTimer *>(QStringLiteral("Timer1"))->isActive());

    s.fixture.services.clock.advanceSeconds(53);
    s.form.tick();
    QCOMPARE(s.text(QStringLiteral("TempoRim")), after53s);
}

void TestExamQuestionScreen::answersDrawTheCrossAndColourTheTabs()
{
    Screen s(false);
    s.click(QStringLiteral("VeroI"));
    QCOMPARE(s.answerOf(0), QStringLiteral("V"));
    QCOMPARE(s.get<ShapeWidget>(QStringLiteral("RispS(0)"))->fillColor(), kBack);
    QCOMPARE(s.get<ShapeWidget>(QStringLiteral("DomnS(0)"))->fillColor(), kBack);
    auto *line1 = s.get<LineWidget>(QStringLiteral("Line1"));
    QVERIFY(line1->isVisible());
    const QRect vero = s.get(QStringLiteral("VeroI"))->geometry();
    QCOMPARE(line1->line().p1(), QPointF(vero.left() + 2, vero.top() + 2));

    // The F key changes the answer and moves the cross.
    QTest::keyClick(&s.form, Qt::Key_F);
    QCOMPARE(s.answerOf(0), QStringLiteral("F"));
    const QRect falso = s.get(QStringLiteral("FalsoI"))->geometry();
    QCOMPARE(line1->line().p1(), QPointF(falso.left() + 2, falso.top() + 2));

    // Another statement shows no cross and keeps its boxes white; coming back redraws it.
    s.click(QStringLiteral("DomSuc"));
    QCOMPARE(s.form.currentSlot(), 1);
    QVERIFY(!line1->isVisible());
    QCOMPARE(s.get<ShapeWidget>(QStringLiteral("RispS(1)"))->fillColor(), QColor(Qt::white));
    QCOMPARE(s.get<ShapeWidget>(QStringLiteral("DomnS(1)"))->fillColor(), QColor(Qt::white));
    s.click(QStringLiteral("DomPrec"));
    QVERIFY(line1->isVisible());
    QCOMPARE(line1->line().p1(), QPointF(falso.left() + 2, falso.top() + 2));
    // On the first statement DomPrec does nothing; Ctrl+V is not V.
    s.click(QStringLiteral("DomPrec"));
    QCOMPARE(s.form.currentSlot(), 0);
    QTest::keyClick(&s.form, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(s.answerOf(0), QStringLiteral("F"));
}

void TestExamQuestionScreen::pagesAndTabsNavigate()
{
    Screen s(false);
    s.form.showSlot(9);
    s.click(QStringLiteral("DomSuc"));
    QCOMPARE(s.text(QStringLiteral("DomnA")), QStringLiteral("11"));
    QCOMPARE(textColorOf(s.get(QStringLiteral("Label1(1)"))), kRed);
    QCOMPARE(textColorOf(s.get(QStringLiteral("Label1(0)"))), kInactive);
    QCOMPARE(s.text(QStringLiteral("DomnL(0)")), QStringLiteral("11"));
    QCOMPARE(s.text(QStringLiteral("DomnL(9)")), QStringLiteral("20"));
    QCOMPARE(textColorOf(s.get(QStringLiteral("DomnL(0)"))), kRed);

    s.click(QStringLiteral("PagI(2)"));
    QCOMPARE(s.form.currentSlot(), 20);
    s.click(QStringLiteral("DomnI(3)"));
    QCOMPARE(s.form.currentSlot(), 23);
    s.click(QStringLiteral("PagI(2)"));
    QCOMPARE(s.form.currentSlot(), 23);
    QCOMPARE(s.text(QStringLiteral("Testo")), QStringLiteral("Affermazione 7"));
}

void TestExamQuestionScreen::answerStringGoesToTheReview()
{
    Screen s(false);
    s.click(QStringLiteral("VeroI"));
    s.form.showSlot(2);
    s.click(QStringLiteral("FalsoI"));
    QCOMPARE(s.form.answers(), QStringLiteral("V F") + QString(27, QLatin1Char(' ')));

    QString seen;
    whenReviewOpens([&](EsameAM2 *review) {
        seen = review->answers();
        // Going back to the statement in row 1 of the review.
        QTest::mouseClick(control<QLabel>(review, QStringLiteral("DomLa(1)")), Qt::LeftButton);
    });
    s.click(QStringLiteral("RiepilogoI"));
    QCOMPARE(seen, s.form.answers());
    QCOMPARE(s.form.currentSlot(), 1);
    QVERIFY(s.form.isVisible());
    QVERIFY(s.get(QStringLiteral("RiepilogoI"))->isEnabled());
    QVERIFY(s.form.findChild<QTimer *>(QStringLiteral("Timer1"))->isActive());
}

void TestExamQuestionScreen::timeInTheReviewCounts()
{
    Screen s(true);
    whenReviewOpens([&](EsameAM2 *review) {
        s.fixture.services.clock.advanceSeconds(300);
        review->tick();
        QCOMPARE(control<QLabel>(review, QStringLiteral("TempoRim"))->text(), QStringLiteral("15 : 00"));
        QTest::mouseClick(control<QWidget>(review, QStringLiteral("ModificaI")), Qt::LeftButton);
    });
    s.click(QStringLiteral("RiepilogoI"));
    QCOMPARE(s.form.currentSlot(), 0);
    QCOMPARE(s.text(QStringLiteral("TempoRim")), QStringLiteral("15 : 00"));
}

void TestExamQuestionScreen::timeOutCorrectsWithoutAsking()
{
    Screen s(true);
    s.click(QStringLiteral("VeroI"));
    s.fixture.services.clock.advanceSeconds(1200);
    s.form.tick();
    QCOMPARE(s.text(QStringLiteral("TempoRim")), QStringLiteral("00 : 00"));
    QVERIFY(s.fixture.services.dialogs.messages.isEmpty());

    bool corrected = false;
    QString clock;
    whenReviewOpens([&](EsameAM2 *review) {
        corrected = review->corrected();
        clock = control<QLabel>(review, QStringLiteral("TempoRim"))->text();
        QTest::mouseClick(control<QWidget>(review, QStringLiteral("ModificaI")), Qt::LeftButton);
    });
    s.fixture.services.clock.advanceSeconds(1);
    s.form.tick();
    QCOMPARE(s.fixture.services.dialogs.messages.size(), 1);
    QCOMPARE(s.fixture.services.dialogs.messages.at(0).text, QStringLiteral("Tempo scaduto"));
    QCOMPARE(s.fixture.services.dialogs.messages.at(0).icon, Dialogs::Icon::Error);
    QVERIFY(corrected);
    QCOMPARE(clock, QStringLiteral("00 : 00"));
    QVERIFY(!s.form.isVisible());
}

void TestExamQuestionScreen::escAbandonsTheExam()
{
    Screen s(false);
    s.click(QStringLiteral("VeroI"));
    QTest::keyClick(&s.form, Qt::Key_Escape);
    QVERIFY(!s.form.isVisible());
    QVERIFY(s.fixture.services.dialogs.messages.isEmpty());
    QVERIFY(!s.form.findChild<QTimer *>(QStringLiteral("Timer1"))->isActive());
}

void TestExamQuestionScreen::autoAdvanceOpensTheReviewAfterTheLast()
{
    SettingsStore::write(QStringLiteral("AvanzaQ"), QStringLiteral("1"));
    Screen s(false);
    QTest::keyClick(&s.form, Qt::Key_V);
    QCOMPARE(s.form.currentSlot(), 1);
    QCOMPARE(s.fixture.services.pause.pauses, QList<int>{500});

    s.form.showSlot(29);
    bool opened = false;
    whenReviewOpens([&](EsameAM2 *review) {
        opened = true;
        QTest::mouseClick(control<QWidget>(review, QStringLiteral("ModificaI")), Qt::LeftButton);
    });
    s.click(QStringLiteral("FalsoI"));
    QVERIFY(opened);
    QCOMPARE(s.form.currentSlot(), 29);
    QCOMPARE(s.answerOf(29), QStringLiteral("F"));
}

void TestExamQuestionScreen::flagsChangeTheLanguage()
{
    Screen s(true);
    s.form.showSlot(5);
    s.click(QStringLiteral("Bandiera(1)"));
    QCOMPARE(s.fixture.state.languageIndex, 1);
    QCOMPARE(s.text(QStringLiteral("Testo")), QStringLiteral("Affirmation 25"));
    QCOMPARE(s.form.currentSlot(), 5);
}

void TestExamQuestionScreen::narrationFollowsTheSlots()
{
    SettingsStore::write(QStringLiteral("AudioAut"), QStringLiteral("1"));
    ExamFixture fixture(false);
    fixture.state.audioRoot = fixture.folder.file(QStringLiteral("Tavri_Audio/"));
    EsameAM form(fixture.state);
    form.show();
    QTRY_COMPARE(form.currentSlot(), 0);
    QStringList &sent = fixture.services.media.commands;
    QVERIFY(control<QWidget>(&form, QStringLiteral("AudioI"))->isVisible());
    QVERIFY2(!sent.isEmpty() && sent.last() == QStringLiteral("play signorina from 0"), qPrintable(sent.join(QLatin1Char('|'))));
    QVERIFY(sent.join(QLatin1Char('|')).contains(QStringLiteral("00000000030.mp3")));

    // Showing the slot already shown changes nothing.
    const int before = int(sent.size());
    form.showSlot(0);
    QCOMPARE(sent.size(), before);
    form.showSlot(1);
    QCOMPARE(sent.at(before), QStringLiteral("close signorina"));
    QVERIFY(sent.last().startsWith(QStringLiteral("play")));
}

QTEST_MAIN(TestExamQuestionScreen)
#include "tst_examquestionscreen.moc"
