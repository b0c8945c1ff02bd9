// The tools a school uses on its data: the installation checker names each problem with
// its file and line; the demo generators reject bad source lines and write nothing.
#include "TestFolder.h"

#include "core/QuestionBank.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QtTest>

namespace {

const QString kDemo = QStringLiteral(TAVRI_DEMO_FOLDER);
const QString kTools = QStringLiteral(TAVRI_SOURCE_DIR "/tools/tavri-demo/");

struct Run
{
    int exitCode = -1;
    QString output;
};

Run runProgram(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAll())};
}

void writeText(const QString &path, const QByteArray &text)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(text);
}

} // namespace

class TestDemoTools : public QObject
{
    Q_OBJECT

private slots:
    void checkerNamesTheProblem_data();
    void checkerNamesTheProblem();
    void checkerAcceptsTheExampleTopicLists();
    void bankGeneratorRejectsBadSource_data();
    void bankGeneratorRejectsBadSource();
    void speedLimitGeneratorRejectsBadSource_data();
    void speedLimitGeneratorRejectsBadSource();
};

// Each row damages one file of a copy of the demo installation.
void TestDemoTools::checkerNamesTheProblem_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("expected");
    QTest::newRow("AB record in the wrong chapter")
        << "ab-chapter" << "TAVRI.SET, riga 601: il codice di capitolo 13 non è quello del capitolo 2";
    QTest::newRow("AM record in the wrong chapter")
        << "am-chapter" << "TAVRI_AM.SET, riga 301: il codice di capitolo 05 non è quello del capitolo 2";
    QTest::newRow("figure missing from the archive") << "figure" << "TAVRI.IMG: la figura 999 (nominata da TAVRI.SET, riga 2)";
    QTest::newRow("chapter of one stem") << "one-stem" << "il capitolo 5 (affermazioni 2148-2390) dà solo 1";
    QTest::newRow("revised group without marks") << "no-marks" << "il gruppo 9 della prova di revisione ha 0";
    QTest::newRow("speed without a sign") << "speed" << "limiti vel.txt, riga 3: non c'è un cartello per la velocità 60 km/h";
    QTest::newRow("missing speed-limit file") << "no-speed" << "limiti vel.txt: il file delle domande";
    QTest::newRow("topic naming no block")
        << "topic-key" << "argomenti.txt, riga 3: il blocco \"12999\" non c'è in TAVRI.SET";
    QTest::newRow("topic without blocks") << "topic-empty" << "argomentiAM.txt, riga 1: l'argomento non ha nessun blocco";
}

void TestDemoTools::checkerNamesTheProblem()
{
    QFETCH(QString, fault);
    QFETCH(QString, expected);
    TestFolder folder;
    for (const char *name : {"TAVRI.SET", "TAVRI_AM.SET", "TAVRI.IMG", "limiti vel.txt"})
        QVERIFY(QFile::copy(QDir(kDemo).filePath(name), folder.file(name)));

    QuestionBank ab;
    QuestionBank am;
    QString error;
    QVERIFY(BankFile::load(folder.file("TAVRI.SET"), &ab, &error));
    QVERIFY(BankFile::load(folder.file("TAVRI_AM.SET"), &am, &error));
    QStringList abRecords = ab.records();
    QStringList amRecords = am.records();
    if (fault == "ab-chapter") {
        abRecords[600].replace(0, 2, QStringLiteral("13"));
    } else if (fault == "am-chapter") {
        amRecords[300].replace(0, 2, QStringLiteral("05"));
    } else if (fault == "figure") {
        abRecords[1].replace(9, 3, QStringLiteral("999"));
    } else if (fault == "one-stem") {
        for (int i = 2148; i <= 2390; ++i)
            abRecords[i].replace(0, 5, QStringLiteral("15001"));
    } else if (fault == "no-marks") {
        for (QString &record : abRecords) {
            if (record.startsWith(QLatin1String("32")))
                record[15] = QLatin1Char(' ');
        }
    } else if (fault == "speed") {
        QFile f(folder.file("limiti vel.txt"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QList<QByteArray> lines = f.readAll().split('\n');
        f.close();
        lines[2].replace(6, 3, "060");
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(lines.join('\n'));
    } else if (fault == "no-speed") {
        QVERIFY(QFile::remove(folder.file("limiti vel.txt")));
    } else if (fault == "topic-key") {
        folder.writeBytes("argomenti.txt", "[1  Prova\r\n12002\r\n12999\r\n\r\n");
    } else if (fault == "topic-empty") {
        folder.writeBytes("argomentiAM.txt", "[0  Vuoto\r\n[1  Pieno\r\n01002\r\n");
    }
    folder.writeBank("TAVRI.SET", abRecords);
    folder.writeBank("TAVRI_AM.SET", amRecords);

    const Run run = runProgram(QStringLiteral(TAVRI_CHECK), {folder.path()});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.output.contains(expected), qPrintable(run.output));
}

void TestDemoTools::checkerAcceptsTheExampleTopicLists()
{
    TestFolder folder;
    for (const char *name : {"TAVRI.SET", "TAVRI_AM.SET", "TAVRI.IMG", "limiti vel.txt"})
        QVERIFY(QFile::copy(QDir(kDemo).filePath(name), folder.file(name)));
    for (const char *name : {"argomenti.txt", "argomentiAM.txt"})
        QVERIFY(QFile::copy(QStringLiteral(TAVRI_SOURCE_DIR "/data/demo/examples/") + name, folder.file(name)));
    const Run run = runProgram(QStringLiteral(TAVRI_CHECK), {folder.path()});
    QVERIFY2(run.exitCode == 0, qPrintable(run.output));
}

void TestDemoTools::bankGeneratorRejectsBadSource_data()
{
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QString>("expected");
    QTest::newRow("answer not V or F") << QByteArray("domanda\nV Primo testo\nX Secondo testo\n") << "01.txt:3: la risposta";
    QTest::newRow("statement before a stem") << QByteArray("V Un testo\n") << "01.txt:1: affermazione prima";
    QTest::newRow("stem of one statement") << QByteArray("domanda\nV Un testo solo\n") << "01.txt:1: una domanda ha almeno due";
    QTest::newRow("figure not in the catalogue")
        << QByteArray("domanda figura 77\nV Primo\nF Secondo\n") << "01.txt:1: la figura 77 non è nel catalogo";
    QTest::newRow("choice on a false statement")
        << QByteArray("domanda\nV Primo\nF Il limite è [50|70] km/h\n") << "01.txt:3: una scelta";
    QTest::newRow("unclosed alternatives")
        << QByteArray("domanda\nV Primo {a|b\nF Secondo\n") << "01.txt:2: parentesi aperta";
    QTest::newRow("translation with other options")
        << QByteArray("domanda\nV Limite [50|70] km/h || Limite [50|70|90] km/h\nF Secondo\n")
        << "01.txt:2: la scelta tradotta";
    QTest::newRow("character outside Windows-1252")
        << QByteArray("domanda\nV Primo \xe2\x86\x92 secondo\nF Terzo\n") << "01.txt:2: il carattere";
    QTest::newRow("unknown directive") << QByteArray("capitolo 1\n") << "01.txt:1: riga non riconosciuta";
    QTest::newRow("chapter too short")
        << QByteArray("domanda\nV Primo\nF Secondo\n") << "servono 531 affermazioni, le fonti ne danno 2";
}

void TestDemoTools::bankGeneratorRejectsBadSource()
{
    QFETCH(QByteArray, source);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    writeText(dir.filePath("banks/ab/01.txt"), source);
    writeText(dir.filePath("catalogue.tsv"), "numero\ttipo\tnome\tsignificato\tAB\tAM\tdisegno\n"
                                             "20\tsign\tDosso\tun dosso\t2\t1\tS:dosso\n");
    QDir().mkpath(dir.filePath("out"));
    const Run run = runProgram(QStringLiteral(PYTHON3),
                               {kTools + "make_banks.py", dir.filePath("banks"), dir.filePath("catalogue.tsv"),
                                dir.filePath("out"), dir.filePath("out/narration.tsv")});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.output.contains(expected), qPrintable(run.output));
    QVERIFY(QDir(dir.filePath("out")).isEmpty());
}

void TestDemoTools::speedLimitGeneratorRejectsBadSource_data()
{
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QString>("expected");
    QTest::newRow("speed without a sign") << QByteArray("# limiti\n01 060 Domanda:\n") << "limiti.txt:2: nessun cartello";
    QTest::newRow("unknown category") << QByteArray("17 050 Domanda:\n") << "limiti.txt:1: la categoria 17";
    QTest::newRow("layout") << QByteArray("1 050 Domanda:\n") << "limiti.txt:1: la riga non è nella forma";
    QTest::newRow("category split in two")
        << QByteArray("01 050 Prima:\n02 090 Seconda:\n01 050 Terza:\n") << "limiti.txt:3: le domande della categoria 01";
    QTest::newRow("missing categories") << QByteArray("01 050 Prima:\n") << "mancano le domande delle categorie 02";
}

void TestDemoTools::speedLimitGeneratorRejectsBadSource()
{
    QFETCH(QByteArray, source);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    writeText(dir.filePath("limiti.txt"), source);
    const QString out = dir.filePath("out/limiti vel.txt");
    QDir().mkpath(dir.filePath("out"));
    const Run run = runProgram(QStringLiteral(PYTHON3), {kTools + "make_speed_limits.py", dir.filePath("limiti.txt"), out});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.output.contains(expected), qPrintable(run.output));
    QVERIFY(QDir(dir.filePath("out")).isEmpty());
}

QTEST_GUILESS_MAIN(TestDemoTools)
#include "tst_demotools.moc"
