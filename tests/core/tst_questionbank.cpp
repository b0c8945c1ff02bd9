#include "core/ChapterTable.h"
#include "core/QuestionBank.h"
#include "core/QuestionRecord.h"

#include "TestFolder.h"

#include <QtTest>

class TestQuestionBank : public QObject
{
    Q_OBJECT

private slots:
    void lineEnds_data();
    void lineEnds();
    void keyWrapsEvery256Bytes();
    void windows1252Characters();
    void rejectsBadFiles_data();
    void rejectsBadFiles();
    void fieldsReadByPosition();
    void shortRecordsReadLeniently();
    void languageFallback_data();
    void languageFallback();
    void chapterLookups_data();
    void chapterLookups();
    void tablesAreContiguous();
};

namespace {

QByteArray scrambled(QByteArray plain)
{
    for (int i = 0; i < plain.size(); ++i)
        plain[i] = char(plain[i] ^ (i % 256));
    return plain;
}

QStringList loadBytes(const TestFolder &folder, const QByteArray &plain)
{
    folder.writeBytes(QStringLiteral("bank.set"), scrambled(plain));
    QuestionBank bank;
    QString error;
    if (!BankFile::load(folder.file(QStringLiteral("bank.set")), &bank, &error))
        return {QStringLiteral("ERROR: ") + error};
    return bank.records();
}

} // namespace

void TestQuestionBank::lineEnds_data()
{
    QTest::addColumn<QByteArray>("plain");
    QTest::addColumn<QStringList>("records");
    const QStringList three{QStringLiteral("zero"), QStringLiteral("uno"), QStringLiteral("due")};
    QTest::newRow("final CR LF") << QByteArray("zero\r\nuno\r\ndue\r\n") << three;
    QTest::newRow("no final CR LF") << QByteArray("zero\r\nuno\r\ndue") << three;
    QTest::newRow("two final CR LF") << QByteArray("zero\r\nuno\r\ndue\r\n\r\n") << (three + QStringList{QString()});
    QTest::newRow("empty line inside") << QByteArray("zero\r\n\r\ndue\r\n")
                                       << QStringList{QStringLiteral("zero"), QString(), QStringLiteral("due")};
    QTest::newRow("bare LF stays in its record") << QByteArray("zero\nuno\r\ndue")
                                                 << QStringList{QStringLiteral("zero\nuno"), QStringLiteral("due")};
}

void TestQuestionBank::lineEnds()
{
    QFETCH(QByteArray, plain);
    QFETCH(QStringList, records);
    TestFolder folder;
    QCOMPARE(loadBytes(folder, plain), records);
}

void TestQuestionBank::keyWrapsEvery256Bytes()
{
    // 300 bytes of text: the byte at offset 256 is XORed with 0 again.
    QByteArray plain = "intestazione\r\n";
    plain += QByteArray(300 - plain.size() - 2, 'a');
    plain += "\r\n";
    QByteArray file = scrambled(plain);
    QCOMPARE(quint8(file[256]), quint8('a'));
    QCOMPARE(quint8(file[257]), quint8('a' ^ 1));
    TestFolder folder;
    const QStringList records = loadBytes(folder, plain);
    QCOMPARE(records.size(), 2);
    QCOMPARE(records[1], QString(300 - 16, QLatin1Char('a')));
}

void TestQuestionBank::windows1252Characters()
{
    // € is 0x80, — is 0x97, è is 0xE8 in Windows-1252.
    TestFolder folder;
    const QStringList records = loadBytes(folder, QByteArray("x\r\nCosta 5 \x80 \x97 \xe8 vero\r\n"));
    QCOMPARE(records.value(1), QStringLiteral("Costa 5 € — è vero"));

    QByteArray encoded;
    QString error;
    QVERIFY(BankFile::encode(records, &encoded, &error));
    QCOMPARE(encoded, scrambled(QByteArray("x\r\nCosta 5 \x80 \x97 \xe8 vero\r\n")));

    QVERIFY(!BankFile::encode({QStringLiteral("ok"), QStringLiteral("freccia → no")}, &encoded, &error));
    QVERIFY2(error.contains(QStringLiteral("Riga 2")), qPrintable(error));
}

void TestQuestionBank::rejectsBadFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("create");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing") << QByteArray() << false << QStringLiteral("non è stato trovato");
    QTest::newRow("empty") << QByteArray() << true << QStringLiteral("è vuoto");
    QTest::newRow("too many lines") << scrambled(QByteArray("riga\r\n").repeated(kMaxBankLines + 1))
                                    << true << QStringLiteral("il massimo è 32767");
}

void TestQuestionBank::rejectsBadFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, create);
    QFETCH(QString, reason);
    TestFolder folder;
    if (create)
        folder.writeBytes(QStringLiteral("TAVRI.SET"), content);
    QuestionBank bank;
    QString error;
    QVERIFY(!BankFile::load(folder.file(QStringLiteral("TAVRI.SET")), &bank, &error));
    QVERIFY2(error.contains(QStringLiteral("TAVRI.SET")), qPrintable(error));
    QVERIFY2(error.contains(reason), qPrintable(error));
}

void TestQuestionBank::fieldsReadByPosition()
{
    const QString line = makeRecord(QStringLiteral("11005"), 3, 42, QLatin1Char('F'), QStringLiteral("Testo"),
                                    QLatin1Char('R'), QStringLiteral("01100500301"));
    const QuestionRecord r(line);
    QCOMPARE(r.questionCode(), QStringLiteral("11005 03"));
    QCOMPARE(r.chapterCode(), 11);
    QCOMPARE(r.blockKey(), QStringLiteral("11005"));
    QCOMPARE(r.stemNumber(), 5);
    QCOMPARE(r.statementNumber(), 3);
    QCOMPARE(r.figureNumber(), 42);
    QCOMPARE(r.figureText(), QStringLiteral("042"));
    QCOMPARE(r.correctAnswer(), QLatin1Char('F'));
    QCOMPARE(r.questionMark(), QLatin1Char('R'));
    QCOMPARE(r.narrationTag(), QStringLiteral("01100500301"));
    QCOMPARE(r.text(0), QStringLiteral("Testo"));
}

void TestQuestionBank::shortRecordsReadLeniently()
{
    const QuestionRecord shortOne(QStringLiteral("11005 03 4"));
    QCOMPARE(shortOne.figureNumber(), 4);
    QCOMPARE(shortOne.correctAnswer(), QChar());
    QCOMPARE(shortOne.narrationTag(), QString());
    QCOMPARE(shortOne.text(2), QString());
    const QuestionRecord garbage(QStringLiteral("ab"));
    QCOMPARE(garbage.chapterCode(), 0);
    QCOMPARE(garbage.figureNumber(), 0);
    QCOMPARE(QuestionRecord(QString()).blockKey(), QString());
}

void TestQuestionBank::languageFallback_data()
{
    QTest::addColumn<QString>("texts");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Italian only, German asked") << "Vero" << 2 << "Vero";
    QTest::newRow("Italian and French, German asked") << "Vero\tVrai" << 2 << "Vero";
    QTest::newRow("Italian and French, French asked") << "Vero\tVrai" << 1 << "Vrai";
    QTest::newRow("three, German asked") << "Vero\tVrai\tWahr" << 2 << "Wahr";
    QTest::newRow("three, Italian asked") << "Vero\tVrai\tWahr" << 0 << "Vero";
}

void TestQuestionBank::languageFallback()
{
    QFETCH(QString, texts);
    QFETCH(int, language);
    QFETCH(QString, expected);
    const QString line = makeRecord(QStringLiteral("11001"), 1, 0, QLatin1Char('V'), texts);
    QCOMPARE(QuestionText(line, language), expected);
}

void TestQuestionBank::chapterLookups_data()
{
    QTest::addColumn<bool>("ab");
    QTest::addColumn<int>("chapter");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::newRow("AB 1") << true << 1 << 1 << 531;
    QTest::newRow("AB 7") << true << 7 << 2651 << 2903;
    QTest::newRow("AB 25") << true << 25 << 6881 << 7165;
    QTest::newRow("AM 1") << false << 1 << 1 << 252;
    QTest::newRow("AM 10") << false << 10 << 1832 << 2050;
}

void TestQuestionBank::chapterLookups()
{
    QFETCH(bool, ab);
    QFETCH(int, chapter);
    QFETCH(int, first);
    QFETCH(int, last);
    const auto range = (ab ? ChapterTable::ab() : ChapterTable::am()).find(chapter);
    QVERIFY(range.has_value());
    QCOMPARE(range->first, first);
    QCOMPARE(range->last, last);
}

void TestQuestionBank::tablesAreContiguous()
{
    for (const ChapterTable &table : {ChapterTable::ab(), ChapterTable::am()}) {
        int next = 1;
        for (int i = 0; i < table.count(); ++i) {
            QCOMPARE(table.rangeAt(i).first, next);
            next = table.rangeAt(i).last + 1;
        }
    }
    QCOMPARE(ChapterTable::ab().lastIndex(), 7165);
    QCOMPARE(ChapterTable::am().lastIndex(), 2050);
    QVERIFY(!ChapterTable::am().find(11).has_value());
}

QTEST_GUILESS_MAIN(TestQuestionBank)
#include "tst_questionbank.moc"
