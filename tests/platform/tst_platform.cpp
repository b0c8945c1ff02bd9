#include "platform/Cp1252.h"
#include "platform/DriveRoots.h"
#include "platform/ProgramFolder.h"
#include "platform/Random.h"
#include "platform/SettingsStore.h"
#include "platform/SingleInstance.h"

#include <QtTest>

class TestPlatform : public QObject
{
    Q_OBJECT

private slots:
    void codecRoundTripsEveryByte();
    void codecKnowsTheHighCharacters_data();
    void codecKnowsTheHighCharacters();
    void codecRejectsWhatItCannotHold();
    void programPaths();
    void driveRootsFromEnvironment();
    void driveRootsInOrder();
    void settingsReadAsStringsAndNumbers_data();
    void settingsReadAsStringsAndNumbers();
    void secondCopyIsRefused();
    void randomStaysInRange();
};

void TestPlatform::codecRoundTripsEveryByte()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = Cp1252::decode(all);
    QCOMPARE(text.size(), 256);
    QByteArray back;
    QVERIFY(Cp1252::encode(text, &back));
    QCOMPARE(back, all);
}

void TestPlatform::codecKnowsTheHighCharacters_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("codePoint");
    QTest::newRow("euro") << 0x80 << 0x20AC;
    QTest::newRow("em dash") << 0x97 << 0x2014;
    QTest::newRow("left double quote") << 0x93 << 0x201C;
    QTest::newRow("Y diaeresis") << 0x9F << 0x0178;
    QTest::newRow("e grave") << 0xE8 << 0x00E8;
    QTest::newRow("non-breaking space") << 0xA0 << 0x00A0;
}

void TestPlatform::codecKnowsTheHighCharacters()
{
    QFETCH(int, byte);
    QFETCH(int, codePoint);
    QCOMPARE(int(Cp1252::decode(QByteArray(1, char(byte))).at(0).unicode()), codePoint);
    QByteArray out;
    QVERIFY(Cp1252::encode(QString(QChar(codePoint)), &out));
    QCOMPARE(out, QByteArray(1, char(byte)));
}

void TestPlatform::codecRejectsWhatItCannotHold()
{
    QByteArray out = "unchanged";
    qsizetype bad = -1;
    QVERIFY(!Cp1252::encode(QStringLiteral("ok → no"), &out, &bad));
    QCOMPARE(bad, qsizetype(3));
    QCOMPARE(out, QByteArray("unchanged"));
    QVERIFY(!Cp1252::canEncode(QChar(0x0100)));
}

void TestPlatform::programPaths()
{
    qputenv("TAVRI_HOME", "/opt/tavri/");
    QCOMPARE(programFolder(), QStringLiteral("/opt/tavri"));
    QCOMPARE(programPath(QStringLiteral("\\TMP\\STAMPA.HTM")), QStringLiteral("/opt/tavri/TMP/STAMPA.HTM"));
    QCOMPARE(programPath(QStringLiteral("\\limiti vel.txt")), QStringLiteral("/opt/tavri/limiti vel.txt"));
    qunsetenv("TAVRI_HOME");
    QCOMPARE(programFolder(), QCoreApplication::applicationDirPath());
}

void TestPlatform::driveRootsFromEnvironment()
{
    qputenv("TAVRI_DRIVES", "/media/a:/media/b");
    QCOMPARE(driveRoots(), (QStringList{QStringLiteral("/media/a"), QStringLiteral("/media/b")}));
    qputenv("TAVRI_DRIVES", "");
    QCOMPARE(driveRoots(), QStringList());
}

void TestPlatform::driveRootsInOrder()
{
    qunsetenv("TAVRI_DRIVES");
    const QStringList roots = driveRoots();
    QVERIFY(roots.size() >= 2);
    QCOMPARE(roots[0], QStringLiteral("/"));
    QCOMPARE(roots[1], QDir::homePath());
    QStringList rest = roots.mid(2);
    QStringList sorted = rest;
    sorted.sort();
    QCOMPARE(rest, sorted);
    QCOMPARE(QSet<QString>(roots.begin(), roots.end()).size(), roots.size());
}

void TestPlatform::settingsReadAsStringsAndNumbers_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("number");
    QTest::newRow("one") << "1" << 1;
    QTest::newRow("two") << "2" << 2;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("not a number") << "sì" << 0;
    QTest::newRow("negative") << "-1" << -1;
}

void TestPlatform::settingsReadAsStringsAndNumbers()
{
    QFETCH(QString, stored);
    QFETCH(int, number);
    QCOMPARE(SettingsStore::read(QStringLiteral("NeverWritten")), QString());
    QCOMPARE(SettingsStore::number(QStringLiteral("NeverWritten")), 0);
    SettingsStore::write(QStringLiteral("AvanzaQ"), stored);
    QCOMPARE(SettingsStore::read(QStringLiteral("AvanzaQ")), stored);
    QCOMPARE(SettingsStore::number(QStringLiteral("AvanzaQ")), number);
}

void TestPlatform::secondCopyIsRefused()
{
    SingleInstance first;
    QVERIFY(first.acquire());
    SingleInstance second;
    QVERIFY(!second.acquire());
}

void TestPlatform::randomStaysInRange()
{
    // A generator stuck at its largest output must still give numbers below 1.
    class Top : public Random
    {
    public:
        float next() override { return 1.0f - 1.0f / 16777216.0f; }
        void seed(std::uint32_t) override {}
    } top;
    QCOMPARE(top.between(0, 29), 29);
    QCOMPARE(top.between(2148, 2390), 2390);

    MersenneRandom random(7);
    QSet<int> seen;
    for (int i = 0; i < 20000; ++i) {
        const float r = random.next();
        QVERIFY(r >= 0.0f && r < 1.0f);
        const int v = random.between(1, 10);
        QVERIFY(v >= 1 && v <= 10);
        seen.insert(v);
    }
    QCOMPARE(seen.size(), 10);
}

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_platform.moc"
