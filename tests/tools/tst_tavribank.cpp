// tavri-bank against a reader and writer of the bank format written here from its
// description, independent of the program's own code.
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestTavriBank : public QObject
{
    Q_OBJECT

private slots:
    void decodeAgreesWithIndependentReader_data();
    void decodeAgreesWithIndependentReader();
    void encodeAgreesWithIndependentWriter();
    void encodeRejectsCharactersOutsideTheCodePage();

private:
    QString tool() const { return QStringLiteral(TAVRI_BANK_TOOL); }
    QByteArray run(const QStringList &args, int *exitCode, QByteArray *errors = nullptr) const
    {
        QProcess p;
        p.start(tool(), args);
        p.waitForFinished(30000);
        *exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        if (errors)
            *errors = p.readAllStandardError();
        return p.readAllStandardOutput();
    }
};

namespace {

// Windows-1252 bytes of the few characters the fixtures use beyond ASCII.
QByteArray toUtf8(const QByteArray &cp1252)
{
    QByteArray out;
    for (char c : cp1252) {
        const auto b = quint8(c);
        if (b == 0x80)
            out += "\xE2\x82\xAC"; // €
        else if (b == 0x97)
            out += "\xE2\x80\x94"; // —
        else if (b == 0xE8)
            out += "\xC3\xA8"; // è
        else if (b < 0x80)
            out += c;
        else
            qFatal("fixture byte outside the test's table");
    }
    return out;
}

QByteArray xorWithPosition(QByteArray bytes)
{
    for (qsizetype i = 0; i < bytes.size(); ++i)
        bytes[i] = char(quint8(bytes[i]) ^ quint8(i % 256));
    return bytes;
}

// The records as UTF-8 lines: drop one final CR LF, split at CR LF.
QByteArray expectedDecode(const QByteArray &plain)
{
    QByteArray text = plain;
    if (text.endsWith("\r\n"))
        text.chop(2);
    QByteArray out;
    for (const QByteArray &record : text.split('\n')) {
        QByteArray r = record;
        if (r.endsWith('\r'))
            r.chop(1);
        out += toUtf8(r) + '\n';
    }
    return out;
}

QByteArray longRecord()
{
    QByteArray r = "11001 01 012 V R  01100100101 ";
    while (r.size() < 400)
        r += "La strada \xe8 bagnata \x97 costo 5 \x80; ";
    return r;
}

} // namespace

void TestTavriBank::decodeAgreesWithIndependentReader_data()
{
    QTest::addColumn<QByteArray>("plain");
    const QByteArray body = "Banca di prova\r\n" + longRecord() + "\r\n11001 02 000 F    \r\n";
    QTest::newRow("one final CR LF") << body;
    QTest::newRow("two final CR LF") << body + "\r\n";
    QTest::newRow("no final CR LF") << body.chopped(2);
    QTest::newRow("over 256 bytes, special characters") << body + longRecord() + "\r\n" + longRecord();
}

void TestTavriBank::decodeAgreesWithIndependentReader()
{
    QFETCH(QByteArray, plain);
    QTemporaryDir dir;
    const QString bank = dir.filePath(QStringLiteral("TAVRI.SET"));
    QFile f(bank);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(xorWithPosition(plain));
    f.close();
    int code = 0;
    const QByteArray out = run({QStringLiteral("decode"), bank}, &code);
    QCOMPARE(code, 0);
    QCOMPARE(out, expectedDecode(plain));
}

void TestTavriBank::encodeAgreesWithIndependentWriter()
{
    QTemporaryDir dir;
    const QByteArray plain = "Banca\r\n" + longRecord() + "\r\n\r\n11002 01 000 V\r\n";
    const QString text = dir.filePath(QStringLiteral("bank.txt"));
    QFile f(text);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(expectedDecode(plain));
    f.close();
    const QString out = dir.filePath(QStringLiteral("OUT.SET"));
    int code = 0;
    run({QStringLiteral("encode"), text, out}, &code);
    QCOMPARE(code, 0);
    QFile written(out);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), xorWithPosition(plain));
}

void TestTavriBank::encodeRejectsCharactersOutsideTheCodePage()
{
    QTemporaryDir dir;
    const QString text = dir.filePath(QStringLiteral("bank.txt"));
    QFile f(text);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("Banca\nriga buona\nfreccia \xE2\x86\x92 cattiva\n");
    f.close();
    const QString out = dir.filePath(QStringLiteral("OUT.SET"));
    int code = 0;
    QByteArray errors;
    run({QStringLiteral("encode"), text, out}, &code, &errors);
    QVERIFY(code != 0);
    QVERIFY2(errors.contains("Riga 3"), errors.constData());
    QVERIFY(!QFile::exists(out));
}

QTEST_GUILESS_MAIN(TestTavriBank)
#include "tst_tavribank.moc"
