#include "ExamFixture.h"

#include "platform/SettingsStore.h"
#include "widgets/Design.h"
#include "widgets/FlatButton.h"
#include "widgets/ImageBox.h"
#include "widgets/LineWidget.h"

namespace {

const QColor kBlue = Design::bgr(0x00FF0000);
const QColor kGreen = Design::bgr(0x0000FF00);
const QColor kRed = Design::bgr(0x000000FF);
const QColor kYellow = Design::bgr(0x0000FFFF);

// Answers for the fixture paper (slot s holds bank index 30 - s): every slot right
// except the wrong slots, and blank the blank ones.
QString answersWith(const QList<int> &wrong, const QList<int> &blank = {})
{
    QString answers;
    for (int s = 0; s < 30; ++s) {
        const QChar right = ExamFixture::rightFor(30 - s);
        answers += wrong.contains(s) ? (right == QLatin1Char('V') ? QLatin1Char('F') : QLatin1Char('V')) : right;
    }
    for (int s : blank)
        answers[s] = QLatin1Char(' ');
    return answers;
}

// Scripted dialogs that run something while the confirmation question is open, as the
// clock's ticks do while a real message box waits for the candidate.
class DialogsWithTicks : public ScriptedDialogs
{
public:
    std::function<void()> duringQuestion;

    QMessageBox::StandardButton message(QWidget *parent, Icon icon, const QString &text, QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton) override
    {
        if (icon == Icon::Question && duringQuestion)
            std::exchange(duringQuestion, nullptr)();
        return ScriptedDialogs::message(parent, icon, text, buttons, defaultButton);
    }
};

// A review screen shown on its own, past its first activation.
struct Review
{
    ExamFixture fixture;
    EsameAM2 form;

    Review(bool abBank, const QString &answers, const QDateTime &start = QDateTime(), bool force = false,
           const QString &timeText = QString())
        : fixture(abBank), form(fixture.state)
    {
        form.prepare(start, force, answers, timeText);
        form.show();
        QTRY_VERIFY(!text(QStringLiteral("DomLa(0)")).isEmpty());
    }

    template<typename T = QWidget>
    T *get(const QString &name) { return control<T>(&form, name); }
    QString text(const QString &name) { return get<QLabel>(name)->text(); }
    void click(const QString &name) { QTest::mouseClick(get(name), Qt::LeftButton); }
    QString row(const QString &name, int i) { return Design::arrayName(name, i); }
    // The x of a column's vertical line.
    int columnX(const QString &line) { return int(std::lround(get<LineWidget>(line)->x1())); }

    void confirm()
    {
        fixture.services.dialogs.buttons.enqueue(QMessageBox::Ok);
        click(QStringLiteral("ConfermaI"));
    }
};

} // namespace

class TestExamReviewScreen : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void rowsShowTheAnswers();
    void scrollingStopsAtBothEnds();
    void goingBackReturnsTheSlot_data();
    void goingBackReturnsTheSlot();
    void cancelledConfirmationChangesNothing();
    void correctionVerdicts_data();
    void correctionVerdicts();
    void errorsComeFirstOnScreen();
    void badgeBlinksAfterTheCorrection();
    void termina_data();
    void termina();
    void printIconFollowsTheSettings_data();
    void printIconFollowsTheSettings();
    void ownCountdownRunsOut();
    void forcedCorrectionKeepsTheTimeText();
    void timeOutDuringTheQuestionCorrectsOnce();
    void enlargedViewOpensAndCloses();
    void flagsRedrawAllRows();
};

void TestExamReviewScreen::init()
{
    for (const char *key : {"Stampa", "Autoscuola"})
        SettingsStore::write(QString::fromLatin1(key), QString());
}

void TestExamReviewScreen::rowsShowTheAnswers()
{
    QString answers = answersWith({});
    answers[1] = QLatin1Char(' ');
    Review r(false, answers);
    QCOMPARE(r.text(QStringLiteral("DomLa(0)")), QStringLiteral("1"));
    QCOMPARE(r.text(QStringLiteral("Testo(0)")), QStringLiteral("Affermazione 30"));
    QCOMPARE(r.text(QStringLiteral("Codice(0)")), QStringLiteral("01030 01 "));
    // Slot 0 holds statement 30 (right answer "F"): the mark sits in the F column, blue, white letter.
    auto *rett = r.get<ShapeWidget>(QStringLiteral("Rett(0)"));
    QVERIFY(rett->isVisible());
    QCOMPARE(rett->x(), r.columnX(QStringLiteral("LineaFalso")));
    QCOMPARE(rett->fillColor(), kBlue);
    QCOMPARE(textColorOf(r.get(QStringLiteral("RispF(0)"))), QColor(Qt::white));
    // An unanswered statement shows no mark before the correction.
    QVERIFY(!r.get(QStringLiteral("Rett(1)"))->isVisible());
    // Statement 12 (slot 18) shows its figure and "Fig. 7" in its code.
    for (int i = 0; i < 18; ++i)
        r.click(QStringLiteral("ScrolGiu"));
    QCOMPARE(r.text(QStringLiteral("DomLa(0)")), QStringLiteral("19"));
    QVERIFY(r.get(QStringLiteral("Img(0)"))->isVisible());
    QVERIFY(!r.get(QStringLiteral("Img(1)"))->isVisible());
    QCOMPARE(r.text(QStringLiteral("Codice(0)")), QStringLiteral("01012 01 Fig. 7 "));
}

void TestExamReviewScreen::scrollingStopsAtBothEnds()
{
    Review r(false, answersWith({}));
    r.click(QStringLiteral("ScrolSu"));
    QCOMPARE(r.form.topIndex(), 0);
    for (int i = 0; i < 40; ++i)
        r.click(QStringLiteral("ScrolGiu"));
    QCOMPARE(r.form.topIndex(), 26);
    QCOMPARE(r.text(QStringLiteral("DomLa(0)")), QStringLiteral("27"));
    QCOMPARE(r.text(QStringLiteral("DomLa(3)")), QStringLiteral("30"));
    r.click(QStringLiteral("ScrolSu"));
    QCOMPARE(r.text(QStringLiteral("DomLa(0)")), QStringLiteral("26"));
}

void TestExamReviewScreen::goingBackReturnsTheSlot_data()
{
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<int>("result");
    QTest::newRow("number of row 2") << QStringLiteral("DomLa(2)") << 5;
    QTest::newRow("text of row 3") << QStringLiteral("Testo(3)") << 6;
    QTest::newRow("Ritorna alle Domande") << QStringLiteral("ModificaI") << -1;
}

void TestExamReviewScreen::goingBackReturnsTheSlot()
{
    QFETCH(QString, clicked);
    QFETCH(int, result);
    Review r(false, answersWith({}));
    for (int i = 0; i < 3; ++i)
        r.click(QStringLiteral("ScrolGiu"));
    r.click(clicked);
    QCOMPARE(r.form.reviewResult(), result);
    QVERIFY(!r.form.isVisible());
}

void TestExamReviewScreen::cancelledConfirmationChangesNothing()
{
    Review r(false, answersWith({0}));
    r.fixture.services.dialogs.buttons.enqueue(QMessageBox::Cancel);
    r.click(QStringLiteral("ConfermaI"));
    QCOMPARE(r.fixture.services.dialogs.messages.size(), 1);
    QCOMPARE(r.fixture.services.dialogs.messages.at(0).icon, Dialogs::Icon::Question);
    QVERIFY(r.fixture.services.dialogs.messages.at(0).text.startsWith(QStringLiteral("Sei sicuro di voler confermare")));
    QVERIFY(!r.form.corrected());
    QVERIFY(r.get(QStringLiteral("ConfermaI"))->isVisible());
    QVERIFY(r.get(QStringLiteral("ConfermaI"))->isEnabled());
    QCOMPARE(r.get<FlatButton>(QStringLiteral("ModificaI"))->text(), QStringLiteral("Ritorna alle Domande"));
    QCOMPARE(r.form.reviewResult(), 0);
}

void TestExamReviewScreen::correctionVerdicts_data()
{
    QTest::addColumn<QString>("answers");
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<QColor>("ink");
    QTest::addColumn<QColor>("badge");
    QTest::newRow("no errors") << answersWith({}) << QStringLiteral("Nessun errore\nIDONEO") << QColor(Qt::black) << kGreen;
    QTest::newRow("3 errors") << answersWith({3, 9}, {20}) << QStringLiteral("Numero errori: 3\nIDONEO") << QColor(Qt::black)
                              << kGreen;
    QTest::newRow("4 errors") << answersWith({3, 9, 27}, {20}) << QStringLiteral("Numero errori: 4\nRESPINTO") << kYellow
                              << kRed;
    QTest::newRow("no answers") << QString(30, QLatin1Char(' ')) << QStringLiteral("Numero errori: 30\nRESPINTO") << kYellow
                                << kRed;
}

void TestExamReviewScreen::correctionVerdicts()
{
    QFETCH(QString, answers);
    QFETCH(QString, verdict);
    QFETCH(QColor, ink);
    QFETCH(QColor, badge);
    Review r(false, answers);
    const QVector<qint16> paperBefore = r.fixture.state.examPaper;
    r.confirm();
    QVERIFY(r.form.corrected());
    QCOMPARE(r.form.reviewResult(), -2);
    QCOMPARE(r.text(QStringLiteral("EsitoL")), verdict);
    QCOMPARE(textColorOf(r.get(QStringLiteral("EsitoL"))), ink);
    QCOMPARE(r.get<ShapeWidget>(QStringLiteral("EsitoS"))->fillColor(), badge);
    QVERIFY(!r.get(QStringLiteral("ConfermaI"))->isVisible());
    QCOMPARE(r.get<FlatButton>(QStringLiteral("ModificaI"))->text(), QStringLiteral("Termina"));
    if (verdict.startsWith(QStringLiteral("Nessun")))
        QCOMPARE(r.fixture.state.examPaper, paperBefore);
    if (answers.trimmed().isEmpty()) {
        // Every statement shows its right answer on blue with a white letter.
        QCOMPARE(r.form.marks(), QString(30, QLatin1Char('B')));
        for (int i = 0; i < 4; ++i) {
            auto *rett = r.get<ShapeWidget>(r.row(QStringLiteral("Rett"), i));
            QVERIFY(rett->isVisible());
            QCOMPARE(rett->fillColor(), kBlue);
            const bool isTrue = ExamFixture::rightFor(r.fixture.state.examPaper.at(i)) == QLatin1Char('V');
            QCOMPARE(rett->x(), r.columnX(isTrue ? QStringLiteral("LineaVero") : QStringLiteral("LineaFalso")));
            QCOMPARE(textColorOf(r.get(r.row(isTrue ? QStringLiteral("RispV") : QStringLiteral("RispF"), i))),
                     QColor(Qt::white));
        }
    }
}

void TestExamReviewScreen::errorsComeFirstOnScreen()
{
    // Wrong in slots 4 and 17, slot 9 blank: they come first in their order.
    Review r(false, answersWith({4, 17}, {9}));
    for (int i = 0; i < 5; ++i)
        r.click(QStringLiteral("ScrolGiu"));
    r.confirm();
    QCOMPARE(r.form.topIndex(), 0);
    QCOMPARE(r.fixture.state.examPaper.mid(0, 4), (QVector<qint16>{26, 21, 13, 30}));
    QCOMPARE(r.form.marks().left(4), QStringLiteral("RBRV"));
    QCOMPARE(r.text(QStringLiteral("DomLa(0)")), QStringLiteral("1"));
    QCOMPARE(r.text(QStringLiteral("Testo(0)")), QStringLiteral("Affermazione 26"));
    const QColor fills[] = {kRed, kBlue, kRed, kGreen};
    const QColor letters[] = {Qt::black, Qt::white, Qt::black, Qt::black};
    for (int i = 0; i < 4; ++i) {
        auto *rett = r.get<ShapeWidget>(r.row(QStringLiteral("Rett"), i));
        QCOMPARE(rett->fillColor(), fills[i]);
        const bool onTrue = rett->x() == r.columnX(QStringLiteral("LineaVero"));
        QCOMPARE(textColorOf(r.get(r.row(onTrue ? QStringLiteral("RispV") : QStringLiteral("RispF"), i))), letters[i]);
    }
    // After the correction the row numbers no longer lead back.
    r.click(QStringLiteral("DomLa(1)"));
    QVERIFY(r.form.isVisible());
    QCOMPARE(r.form.reviewResult(), -2);
}

void TestExamReviewScreen::badgeBlinksAfterTheCorrection()
{
    Review r(false, answersWith({1}));
    r.confirm();
    QWidget *label = r.get(QStringLiteral("EsitoL"));
    QWidget *badge = r.get(QStringLiteral("EsitoS"));
    QVERIFY(!label->isVisible());
    auto *timer = r.form.findChild<QTimer *>(QStringLiteral("Timer1"));
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 500);
    for (bool shown : {true, false, true}) {
        r.form.tick();
        QCOMPARE(label->isVisible(), shown);
        QCOMPARE(badge->isVisible(), shown);
    }
}

void TestExamReviewScreen::termina_data()
{
    QTest::addColumn<bool>("abBank");
    QTest::addColumn<QString>("saveFolder");
    QTest::newRow("AM with datiAM") << false << QStringLiteral("datiAM");
    QTest::newRow("AB with datiABrev") << true << QStringLiteral("datiABrev");
    QTest::newRow("AB with only datiAM") << true << QStringLiteral("datiAM");
    QTest::newRow("no save folder") << false << QString();
}

void TestExamReviewScreen::termina()
{
    QFETCH(bool, abBank);
    QFETCH(QString, saveFolder);
    Review r(abBank, answersWith({2}));
    if (!saveFolder.isEmpty())
        QDir().mkpath(r.fixture.folder.file(saveFolder));
    auto *modifica = r.get<FlatButton>(QStringLiteral("ModificaI"));
    const QRect before = modifica->geometry();
    const QRect conferma = r.get(QStringLiteral("ConfermaI"))->geometry();
    r.confirm();

    const bool saving = saveFolder == (abBank ? QStringLiteral("datiABrev") : QStringLiteral("datiAM"));
    QCOMPARE(r.get(QStringLiteral("SalvaP"))->isVisible(), saving);
    if (saving) {
        QCOMPARE(r.get(QStringLiteral("SalvaP"))->geometry(), conferma);
        QCOMPARE(modifica->geometry(), before);
    } else {
        QCOMPARE(modifica->width(), 2 * before.width());
        QCOMPARE(modifica->font().pointSizeF(), 18.0);
    }
    QTest::mouseClick(modifica, Qt::LeftButton);
    QCOMPARE(r.form.reviewResult(), -2);
    QVERIFY(!r.form.isVisible());
}

void TestExamReviewScreen::printIconFollowsTheSettings_data()
{
    QTest::addColumn<QString>("autoscuola");
    QTest::addColumn<QString>("stampa");
    QTest::addColumn<bool>("shown");
    QTest::newRow("nothing stored") << QString() << QString() << true;
    QTest::newRow("school without printing") << QStringLiteral("1") << QStringLiteral("0") << false;
    QTest::newRow("school with printing") << QStringLiteral("1") << QStringLiteral("1") << true;
    QTest::newRow("home") << QStringLiteral("0") << QStringLiteral("0") << true;
}

void TestExamReviewScreen::printIconFollowsTheSettings()
{
    QFETCH(QString, autoscuola);
    QFETCH(QString, stampa);
    QFETCH(bool, shown);
    SettingsStore::write(QStringLiteral("Autoscuola"), autoscuola);
    SettingsStore::write(QStringLiteral("Stampa"), stampa);
    Review r(false, answersWith({}));
    QVERIFY(!r.get(QStringLiteral("Stampa"))->isVisible());
    r.confirm();
    QCOMPARE(r.get(QStringLiteral("Stampa"))->isVisible(), shown);
}

void TestExamReviewScreen::ownCountdownRunsOut()
{
    const QDateTime start = FakeClock().now();
    Review r(true, answersWith({}, {0, 1}), start);
    r.fixture.services.clock.set(start.addSecs(53));
    r.form.tick();
    QCOMPARE(r.text(QStringLiteral("TempoRim")), QStringLiteral("19 : 07"));
    r.fixture.services.clock.set(start.addSecs(1201));
    r.form.tick();
    QVERIFY(r.form.corrected());
    QCOMPARE(r.fixture.services.dialogs.messages.size(), 1);
    QCOMPARE(r.fixture.services.dialogs.messages.at(0).text, QStringLiteral("Tempo scaduto"));
    QCOMPARE(r.text(QStringLiteral("TempoRim")), QStringLiteral("00 : 00"));
    QCOMPARE(r.form.marks().left(2), QStringLiteral("BB"));
}

void TestExamReviewScreen::forcedCorrectionKeepsTheTimeText()
{
    Review r(false, answersWith({}), QDateTime(), true, QStringLiteral("12 : 34"));
    QVERIFY(r.form.corrected());
    QVERIFY(r.fixture.services.dialogs.messages.isEmpty());
    QCOMPARE(r.text(QStringLiteral("TempoRim")), QStringLiteral("12 : 34"));
}

void TestExamReviewScreen::timeOutDuringTheQuestionCorrectsOnce()
{
    const QDateTime start = FakeClock().now();
    ExamFixture fixture(false);
    DialogsWithTicks dialogs;
    fixture.state.services.dialogs = &dialogs;
    EsameAM2 form(fixture.state);
    form.prepare(start, false, answersWith({}, {0, 1}), QString());
    form.show();
    QTRY_VERIFY(form.findChild<QTimer *>(QStringLiteral("Timer1"))->isActive());

    dialogs.duringQuestion = [&] {
        fixture.services.clock.set(start.addSecs(1600));
        form.tick();
    };
    // OK to "Tempo scaduto", then OK to the question.
    dialogs.buttons << QMessageBox::Ok << QMessageBox::Ok;
    QTest::mouseClick(control<QWidget>(&form, QStringLiteral("ConfermaI")), Qt::LeftButton);
    QVERIFY(dialogs.buttons.isEmpty());
    QVERIFY(form.corrected());
    QCOMPARE(form.marks().left(3), QStringLiteral("BBV"));
    QCOMPARE(control<QLabel>(&form, QStringLiteral("EsitoL"))->text(), QStringLiteral("Numero errori: 2\nIDONEO"));
    QCOMPARE(dialogs.messages.size(), 2);
    QCOMPARE(dialogs.messages.at(0).text, QStringLiteral("Tempo scaduto"));
}

void TestExamReviewScreen::enlargedViewOpensAndCloses()
{
    Review r(false, answersWith({}));
    for (int i = 0; i < 17; ++i)
        r.click(QStringLiteral("ScrolGiu"));
    // Row 1 shows statement 12 with its figure, row 0 statement 13 without one.
    QVERIFY(r.get(QStringLiteral("Img(1)"))->isVisible());
    r.click(QStringLiteral("Img(1)"));
    QWidget *sfondo = r.get(QStringLiteral("Sfondo"));
    QVERIFY(sfondo->isVisible());
    QVERIFY(r.get(QStringLiteral("ImgBig"))->isVisible());
    QCOMPARE(r.text(QStringLiteral("TxtBig")), QStringLiteral("Affermazione 12"));
    QCOMPARE(r.get(QStringLiteral("ImgBig"))->width(), 3 * r.get(QStringLiteral("Img(1)"))->width());
    QVERIFY(r.get(QStringLiteral("RettG"))->isVisible());
    QCOMPARE(r.text(QStringLiteral("Risp")), QString(ExamFixture::rightFor(12)));
    r.click(QStringLiteral("Img(1)"));
    QVERIFY(!sfondo->isVisible());
    QVERIFY(!r.get(QStringLiteral("ImgBig"))->isVisible());

    // Without a figure the enlarged text starts where the figure would.
    r.click(QStringLiteral("Img(0)"));
    QVERIFY(!r.get(QStringLiteral("ImgBig"))->isVisible());
    QCOMPARE(r.get(QStringLiteral("TxtBig"))->x(), r.get(QStringLiteral("ImgBig"))->x());
    r.click(QStringLiteral("Sfondo"));
    QVERIFY(!r.get(QStringLiteral("TxtBig"))->isVisible());
    QVERIFY(r.form.isVisible());
}

void TestExamReviewScreen::flagsRedrawAllRows()
{
    Review r(true, answersWith({}));
    QVERIFY(r.get(QStringLiteral("Bandiera(2)"))->isVisible());
    r.click(QStringLiteral("Bandiera(1)"));
    for (int i = 0; i < 4; ++i)
        QCOMPARE(r.text(r.row(QStringLiteral("Testo"), i)), QStringLiteral("Affirmation %1").arg(30 - i));
}

QTEST_MAIN(TestExamReviewScreen)
#include "tst_examreviewscreen.moc"
