#include "core/AppState.h"
#include "core/MainForm.h"
#include "narration/NarrationFolder.h"
#include "platform/SettingsStore.h"
#include "widgets/FlatButton.h"
#include "widgets/ImageBox.h"

#include "TestFolder.h"
#include "TestServices.h"

#include <QGroupBox>
#include <QtTest>

class TestMainForm : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void showsBothMenusAfterLoading();
    void revisioneToggle();
    void exitButtonFollowsAutoscuola_data();
    void exitButtonFollowsAutoscuola();
    void keysThatClose_data();
    void keysThatClose();
    void missingBankEndsWithMessage_data();
    void missingBankEndsWithMessage();
    void narrationSearchOrder();
    void narrationFolderShowsSpeaker();

private:
    struct Fixture
    {
        TestFolder folder;
        TestServices services;
        AppState state;
        Fixture(bool withBanks = true)
        {
            state.services = services.services();
            if (withBanks) {
                folder.writeBank(QStringLiteral("TAVRI.SET"), syntheticBank(ChapterTable::ab(), 10));
                folder.writeBank(QStringLiteral("TAVRI_AM.SET"), syntheticBank(ChapterTable::am(), 0));
            }
        }
    };

    template<typename T = QWidget>
    static T *control(QWidget &form, const QString &name)
    {
        T *w = form.findChild<T *>(name);
        if (!w)
            qFatal("no control %s", qPrintable(name));
        return w;
    }

    static bool loaded(QWidget &form) { return control(form, QStringLiteral("FrameAB"))->isVisible(); }
};

void TestMainForm::init()
{
    qputenv("TAVRI_DRIVES", "");
    SettingsStore::write(QStringLiteral("Autoscuola"), QString());
}

void TestMainForm::showsBothMenusAfterLoading()
{
    Fixture f;
    f.folder.writeBytes(QStringLiteral("TMP/STAMPA.HTM"), "old report");
    MainForm form(f.state);
    QVERIFY(!QFile::exists(f.folder.file(QStringLiteral("TMP/STAMPA.HTM"))));
    form.show();
    QTRY_VERIFY(loaded(form));
    QVERIFY(control(form, QStringLiteral("FrameP"))->isVisible());
    QVERIFY(!control(form, QStringLiteral("Attendi"))->isVisible());
    QCOMPARE(f.state.bankAB.lastIndex(), 7165);
    QCOMPARE(f.state.bankAM.lastIndex(), 2050);
    QCOMPARE(control<FlatButton>(form, QStringLiteral("EsameABp(0)"))->text(), QStringLiteral("Prova d'esame"));
    QCOMPARE(control<FlatButton>(form, QStringLiteral("IncrocioAB(0)"))->text(), QStringLiteral("Incroci: esercizi/soluzioni"));
    QVERIFY(!control(form, QStringLiteral("AudioI"))->isVisible());
    QVERIFY(f.services.dialogs.messages.isEmpty());
}

void TestMainForm::revisioneToggle()
{
    Fixture f;
    MainForm form(f.state);
    form.show();
    QTRY_VERIFY(loaded(form));
    auto *spot = control<ImageBox>(form, QStringLiteral("RevisioneI"));
    auto *exam = control<FlatButton>(form, QStringLiteral("EsameABp(0)"));
    const QStringList others{QStringLiteral("EsamePp(0)"), QStringLiteral("ArgomentoP"), QStringLiteral("IncrocioAB(0)"),
                             QStringLiteral("IncrocioAB(1)"), QStringLiteral("ArgomentoAB"), QStringLiteral("LimVelocita")};
    const QColor blue(0xC0, 0xFF, 0xFF);
    QCOMPARE(exam->backColor(), blue);

    QTest::mouseClick(spot, Qt::LeftButton);
    QVERIFY(f.state.revisione);
    QCOMPARE(exam->backColor(), QColor(Qt::red));
    QCOMPARE(exam->hoverColor(), QColor(Qt::red));
    QVERIFY(exam->isEnabled());
    for (const QString &name : others)
        QVERIFY2(!control(form, name)->isEnabled(), qPrintable(name));

    QTest::mouseClick(spot, Qt::LeftButton);
    QVERIFY(!f.state.revisione);
    QCOMPARE(exam->backColor(), blue);
    QCOMPARE(exam->hoverColor(), blue);
    for (const QString &name : others)
        QVERIFY2(control(form, name)->isEnabled(), qPrintable(name));
}

void TestMainForm::exitButtonFollowsAutoscuola_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("exitShown");
    QTest::newRow("never written") << QString() << true;
    QTest::newRow("0") << "0" << true;
    QTest::newRow("1") << "1" << false;
    QTest::newRow("not a number") << "si" << true;
}

void TestMainForm::exitButtonFollowsAutoscuola()
{
    QFETCH(QString, stored);
    QFETCH(bool, exitShown);
    SettingsStore::write(QStringLiteral("Autoscuola"), stored);
    Fixture f;
    MainForm form(f.state);
    form.show();
    QTRY_VERIFY(loaded(form));
    QCOMPARE(control(form, QStringLiteral("Esci"))->isVisible(), exitShown);
}

void TestMainForm::keysThatClose_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("closes");
    QTest::newRow("Esc") << int(Qt::Key_Escape) << int(Qt::NoModifier) << true;
    QTest::newRow("Ctrl+Alt+U") << int(Qt::Key_U) << int(Qt::ControlModifier | Qt::AltModifier) << true;
    QTest::newRow("Ctrl+U") << int(Qt::Key_U) << int(Qt::ControlModifier) << false;
    QTest::newRow("Ctrl+Alt+Shift+U") << int(Qt::Key_U) << int(Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier)
                                      << false;
}

void TestMainForm::keysThatClose()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, closes);
    SettingsStore::write(QStringLiteral("Autoscuola"), QStringLiteral("1"));
    Fixture f;
    MainForm form(f.state);
    form.show();
    QTRY_VERIFY(loaded(form));
    f.folder.writeBytes(QStringLiteral("TMP/figura.GIF"), "GIF89a");
    QWidget *focus = QApplication::focusWidget() ? QApplication::focusWidget() : &form;
    QTest::keyClick(focus, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(form.isVisible(), !closes);
    QCOMPARE(QFile::exists(f.folder.file(QStringLiteral("TMP/figura.GIF"))), !closes);
}

void TestMainForm::missingBankEndsWithMessage_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("reason");
    QTest::newRow("AB missing") << "TAVRI.SET" << "non è stato trovato";
    QTest::newRow("AM missing") << "TAVRI_AM.SET" << "non è stato trovato";
    QTest::newRow("AB too short") << "short" << "incompleto";
}

void TestMainForm::missingBankEndsWithMessage()
{
    QFETCH(QString, file);
    QFETCH(QString, reason);
    Fixture f(false);
    if (file == QLatin1String("short")) {
        f.folder.writeBank(QStringLiteral("TAVRI.SET"), syntheticBank(ChapterTable::ab(), 10).mid(0, 100));
        f.folder.writeBank(QStringLiteral("TAVRI_AM.SET"), syntheticBank(ChapterTable::am(), 0));
        file = QStringLiteral("TAVRI.SET");
    } else {
        const QString other = file == QLatin1String("TAVRI.SET") ? QStringLiteral("TAVRI_AM.SET") : QStringLiteral("TAVRI.SET");
        f.folder.writeBank(other, syntheticBank(other == QLatin1String("TAVRI.SET") ? ChapterTable::ab() : ChapterTable::am(),
                                                other == QLatin1String("TAVRI.SET") ? 10 : 0));
    }
    MainForm form(f.state);
    form.show();
    QTRY_VERIFY(!form.isVisible());
    QCOMPARE(f.services.dialogs.messages.size(), 1);
    const auto &shown = f.services.dialogs.messages.first();
    QCOMPARE(shown.icon, Dialogs::Icon::Error);
    QVERIFY2(shown.text.contains(file), qPrintable(shown.text));
    QVERIFY2(shown.text.contains(reason), qPrintable(shown.text));
    QVERIFY(!control(form, QStringLiteral("FrameAB"))->isVisibleTo(&form));
}

void TestMainForm::narrationSearchOrder()
{
    QTemporaryDir drives;
    for (const char *root : {"c", "d/Tavri_Audio", "e/Tavri_Audio"})
        QVERIFY(QDir(drives.path()).mkpath(QString::fromLatin1(root)));
    const QString c = drives.filePath(QStringLiteral("c"));
    const QString d = drives.filePath(QStringLiteral("d"));
    const QString e = drives.filePath(QStringLiteral("e"));
    QCOMPARE(findNarrationRoot({c, d, e}), d + QStringLiteral("/Tavri_Audio/"));
    QCOMPARE(findNarrationRoot({QStringLiteral("/no/such/drive"), e}), e + QStringLiteral("/Tavri_Audio/"));
    QCOMPARE(findNarrationRoot({c}), QString());
}

void TestMainForm::narrationFolderShowsSpeaker()
{
    QTemporaryDir drive;
    QVERIFY(QDir(drive.path()).mkpath(QStringLiteral("Tavri_Audio/it")));
    qputenv("TAVRI_DRIVES", (QStringLiteral("/no/such/drive:") + drive.path()).toLocal8Bit());
    Fixture f;
    MainForm form(f.state);
    form.show();
    QTRY_VERIFY(loaded(form));
    QCOMPARE(f.state.audioRoot, drive.path() + QStringLiteral("/Tavri_Audio/"));
    auto *speaker = control<ImageBox>(form, QStringLiteral("AudioI"));
    QVERIFY(speaker->isVisible());
    QCOMPARE(speaker->property("Tag").toString(), f.state.audioRoot);
}

QTEST_MAIN(TestMainForm)
#include "tst_mainform.moc"
