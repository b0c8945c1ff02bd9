#include "core/AppState.h"
#include "narration/LinguaF.h"
#include "narration/Narration.h"
#include "widgets/ImageBox.h"

#include "TestFolder.h"
#include "TestServices.h"

#include <QtTest>

class TestNarration : public QObject
{
    Q_OBJECT

private slots:
    void recordedPath();
    void syntheticVoicePath_data();
    void syntheticVoicePath();
    void recordedNarrationByTagValue_data();
    void recordedNarrationByTagValue();
    void commands_data();
    void commands();
    void flagChoosesTheLanguage_data();
    void flagChoosesTheLanguage();
    void closeBoxKeepsTheLanguage();
    void formLayout();
};

void TestNarration::recordedPath()
{
    QCOMPARE(recordedNarrationPath(QStringLiteral("/media/d/Tavri_Audio/"), QStringLiteral("01201003002")),
             QStringLiteral("/media/d/Tavri_Audio/it/012/it_it_01201003002.mp3"));
}

void TestNarration::syntheticVoicePath_data()
{
    QTest::addColumn<QString>("record");
    QTest::addColumn<QString>("fileName");

    QTest::newRow("AB chapter 1") << makeRecord(QStringLiteral("11001"), 1, 0, QLatin1Char('V'), QStringLiteral("Testo"))
                                  << "01-001-01V.mp3";
    QTest::newRow("AB chapter 25") << makeRecord(QStringLiteral("35120"), 14, 77, QLatin1Char('F'), QStringLiteral("T"))
                                   << "25-120-14F.mp3";
    QTest::newRow("AB chapter 0") << makeRecord(QStringLiteral("10003"), 2, 0, QLatin1Char('V'), QStringLiteral("T"))
                                  << "00-003-02V.mp3";
    QTest::newRow("AM chapter 1") << makeRecord(QStringLiteral("01003"), 12, 0, QLatin1Char('F'), QStringLiteral("T"))
                                  << "-09-003-12F.mp3";
    QTest::newRow("AM chapter 9") << makeRecord(QStringLiteral("09010"), 3, 0, QLatin1Char('V'), QStringLiteral("T"))
                                  << "-01-010-03V.mp3";
    // Only the first 14 characters count.
    QTest::newRow("first 14 characters") << QStringLiteral("11001 01 000 V") << "01-001-01V.mp3";
}

void TestNarration::syntheticVoicePath()
{
    QFETCH(QString, record);
    QFETCH(QString, fileName);
    QCOMPARE(::syntheticVoicePath(QStringLiteral("/r/Tavri_Audio/"), record.left(14)),
             QStringLiteral("/r/Tavri_Audio/audio voce sintetica/") + fileName);
}

void TestNarration::recordedNarrationByTagValue_data()
{
    QTest::addColumn<QString>("tag");
    QTest::addColumn<bool>("recorded");

    QTest::newRow("recording") << "01201003002" << true;
    QTest::newRow("value 1") << "00001000000" << true;
    QTest::newRow("zero") << "00000000000" << false;
    QTest::newRow("blank") << "           " << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("negative") << "-0001000000" << false;
    QTest::newRow("leading blanks") << "  120000000" << true;
}

void TestNarration::recordedNarrationByTagValue()
{
    QFETCH(QString, tag);
    QFETCH(bool, recorded);
    QCOMPARE(hasRecordedNarration(tag), recorded);
}

void TestNarration::commands_data()
{
    QTest::addColumn<QString>("audioRoot");
    QTest::addColumn<QString>("call");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QList<int>>("pauses");

    const QString root = QStringLiteral("/media/d/Tavri_Audio/");
    const QString close = QStringLiteral("close signorina");
    const QString play = QStringLiteral("play signorina from 0");
    const QString tail = QStringLiteral(" type MPEGVideo alias signorina");
    const QList<int> none;
    const QList<int> twice{300, 300};

    QTest::newRow("exam, recorded")
        << root << "exam" << "01201003002"
        << QStringList{close, "open /media/d/Tavri_Audio/it/012/it_it_01201003002.mp3" + tail, play} << none;
    QTest::newRow("exam, blank tag plays no file")
        << root << "exam" << "           "
        << QStringList{close, "open /media/d/Tavri_Audio/it/   /it_it_           .mp3" + tail, play} << none;
    QTest::newRow("exam, no narration folder") << "" << "exam" << "01201003002" << QStringList{close} << none;
    QTest::newRow("practice, recorded")
        << root << "practice" << "01201003002"
        << QStringList{close, "open \"/media/d/Tavri_Audio/it/012/it_it_01201003002.mp3\"" + tail, play} << twice;
    QTest::newRow("practice, synthetic voice")
        << root << "practice" << "           "
        << QStringList{close, "open \"/media/d/Tavri_Audio/audio voce sintetica/01-001-01V.mp3\"" + tail, play}
        << twice;
    QTest::newRow("practice, tag of value 0")
        << root << "practice" << "00000123456"
        << QStringList{close, "open \"/media/d/Tavri_Audio/audio voce sintetica/01-001-01V.mp3\"" + tail, play}
        << twice;
    QTest::newRow("practice, no narration folder") << "" << "practice" << "01201003002" << QStringList{close}
                                                   << none;
    QTest::newRow("stop") << root << "stop" << "" << QStringList{close} << none;
}

void TestNarration::commands()
{
    QFETCH(QString, audioRoot);
    QFETCH(QString, call);
    QFETCH(QString, tag);
    QFETCH(QStringList, expected);
    QFETCH(QList<int>, pauses);

    TestServices services;
    AppState state;
    state.services = services.services();
    state.audioRoot = audioRoot;
    const QString record = makeRecord(QStringLiteral("11001"), 1, 5, QLatin1Char('V'), QStringLiteral("Testo"),
                                      QLatin1Char(' '), tag);
    if (call == QLatin1String("exam"))
        PlayNarration(state, tag);
    else if (call == QLatin1String("practice"))
        PlayPracticeNarration(state, tag, record);
    else
        StopNarration(state);

    QCOMPARE(services.media.commands, expected);
    QCOMPARE(services.pause.pauses, pauses);
}

void TestNarration::flagChoosesTheLanguage_data()
{
    QTest::addColumn<int>("flag");
    QTest::newRow("Italian") << 0;
    QTest::newRow("French") << 1;
    QTest::newRow("German") << 2;
}

void TestNarration::flagChoosesTheLanguage()
{
    QFETCH(int, flag);
    AppState state;
    state.languageIndex = flag == 1 ? 2 : 1;
    LinguaF form(state);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    auto *bandiera = form.findChild<ImageBox *>(QStringLiteral("Bandiera(%1)").arg(flag));
    QVERIFY(bandiera);
    QTest::mouseClick(bandiera, Qt::LeftButton);
    QCOMPARE(state.languageIndex, flag);
    QVERIFY(!form.isVisible());
    QCOMPARE(form.result(), int(QDialog::Accepted));
}

void TestNarration::closeBoxKeepsTheLanguage()
{
    AppState state;
    state.languageIndex = 1;
    LinguaF form(state);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QVERIFY(form.close());
    QCOMPARE(state.languageIndex, 1);
    QCOMPARE(form.result(), int(QDialog::Rejected));
}

void TestNarration::formLayout()
{
    AppState state;
    LinguaF form(state);
    QCOMPARE(form.windowTitle(), QStringLiteral("Seleziona lingua"));
    QCOMPARE(form.size(), QSize(264, 65));
    QCOMPARE(form.minimumSize(), form.maximumSize());
    for (int i = 0; i < 3; ++i) {
        auto *bandiera = form.findChild<ImageBox *>(QStringLiteral("Bandiera(%1)").arg(i));
        QVERIFY(bandiera);
        QCOMPARE(bandiera->geometry(), QRect(8 + 88 * i, 8, 68, 44));
        QVERIFY(bandiera->hasPicture());
        QCOMPARE(bandiera->naturalSize(), QSize(68, 44));
    }
    QVERIFY(flagPicture(3).isEmpty());
}

QTEST_MAIN(TestNarration)
#include "tst_narration.moc"
