#include "TestFolder.h"

#include "core/FigureArchiveWriter.h"
#include "core/Figures.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QtTest>

namespace {

// A reader of the archive layout written from the format's description, sharing
// nothing with the program's code: entry n at byte 8n holds offset and length
// (signed 32-bit little-endian); a record ends with the storage flag and the key.
struct ArchiveReader
{
    QByteArray bytes;

    qint32 int32At(qint64 at) const
    {
        const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData() + at);
        return qint32(quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24);
    }
    qint32 offset(int figure) const { return int32At(qint64(figure) * 8); }
    qint32 length(int figure) const { return int32At(qint64(figure) * 8 + 4); }
    int flag(int figure) const { return quint8(bytes.at(offset(figure) + length(figure) - 2)); }
    int key(int figure) const { return quint8(bytes.at(offset(figure) + length(figure) - 1)); }
    // The picture bytes, or an empty array for a missing figure or a bad flag.
    QByteArray picture(int figure) const
    {
        if (offset(figure) == 0)
            return QByteArray();
        QByteArray data = bytes.mid(offset(figure), length(figure) - 2);
        if (flag(figure) == 0) {
            for (char &c : data)
                c = char(c ^ key(figure));
            return data;
        }
        return flag(figure) == 255 ? data : QByteArray();
    }
};

QByteArray pictureBytes(const QColor &colour, const char *format, QSize size = QSize(5, 3))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestFigureArchive : public QObject
{
    Q_OBJECT

private slots:
    void writerRoundTrip_data();
    void writerRoundTrip();
    void handMadeRecords_data();
    void handMadeRecords();
    void buildFromFolder();
    void badFolderWritesNothing_data();
    void badFolderWritesNothing();
    void badNumbersAreRefused();
    void notAnArchiveIsRefused_data();
    void notAnArchiveIsRefused();
};

void TestFigureArchive::writerRoundTrip_data()
{
    QTest::addColumn<int>("storage");
    QTest::newRow("scrambled") << int(FigureArchive::Storage::Scrambled);
    QTest::newRow("plain") << int(FigureArchive::Storage::Plain);
}

void TestFigureArchive::writerRoundTrip()
{
    QFETCH(int, storage);
    const auto mode = FigureArchive::Storage(storage);
    const QMap<int, QByteArray> figures{{1, pictureBytes(Qt::red, "PNG")},
                                        {12, pictureBytes(Qt::green, "BMP", QSize(40, 30))},
                                        {603, pictureBytes(Qt::blue, "JPG")}};
    TestFolder folder;
    const QString path = folder.file(QStringLiteral("TAVRI.IMG"));
    QString error;
    QVERIFY2(FigureArchive::write(path, figures, mode, &error), qPrintable(error));

    ArchiveReader reader{readFile(path)};
    // The index covers figures 0 to 603 and the first record follows it at once.
    QCOMPARE(reader.offset(0), 0);
    QCOMPARE(reader.offset(1), 604 * 8);
    for (int missing : {2, 11, 13, 602})
        QCOMPARE(reader.offset(missing), 0);
    qint64 end = 604 * 8;
    for (auto it = figures.cbegin(); it != figures.cend(); ++it) {
        const int n = it.key();
        QCOMPARE(reader.offset(n), end);
        QCOMPARE(reader.length(n), it.value().size() + 2);
        QCOMPARE(reader.flag(n), storage);
        if (mode == FigureArchive::Storage::Scrambled) {
            QVERIFY(reader.key(n) != 0);
            QVERIFY(reader.bytes.mid(reader.offset(n), it.value().size()) != it.value());
        }
        QCOMPARE(reader.picture(n), it.value());
        QCOMPARE(LoadFigureBytesFromArchive(path, n), it.value());
        end += reader.length(n);
    }
    QCOMPARE(qint64(reader.bytes.size()), end);

    QVector<FigureArchive::IndexEntry> entries;
    QVERIFY2(FigureArchive::readIndex(path, &entries, &error), qPrintable(error));
    QCOMPARE(entries.size(), 3);
    for (int i = 0; i < 3; ++i) {
        const int n = figures.keys().at(i);
        QCOMPARE(entries[i].figure, n);
        QCOMPARE(entries[i].offset, reader.offset(n));
        QCOMPARE(entries[i].length, reader.length(n));
        QCOMPARE(entries[i].flag, storage);
    }
}

void TestFigureArchive::handMadeRecords_data()
{
    // Records laid out by hand after a two-entry index: what the archive keeps, what
    // any reader must make of it.
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<QByteArray>("expected");
    const QByteArray data("\x01\x02\xFE", 3);
    QTest::newRow("flag 0, key 0") << (data + QByteArray("\x00\x00", 2)) << data;
    QTest::newRow("flag 0, key 0x5A") << (QByteArray("\x5B\x58\xA4", 3) + QByteArray("\x00\x5A", 2)) << data;
    QTest::newRow("flag 255, key ignored") << (data + QByteArray("\xFF\x5A", 2)) << data;
    QTest::newRow("bad flag") << (data + QByteArray("\x07\x00", 2)) << QByteArray();
    QTest::newRow("writer, key 0") << FigureArchive::encodeRecord(data, FigureArchive::Storage::Scrambled, 0) << data;
    QTest::newRow("writer, key 0x80") << FigureArchive::encodeRecord(data, FigureArchive::Storage::Scrambled, 0x80)
                                      << data;
}

void TestFigureArchive::handMadeRecords()
{
    QFETCH(QByteArray, record);
    QFETCH(QByteArray, expected);
    QByteArray archive(16, '\0');
    qToLittleEndian(qint32(16), archive.data() + 8);
    qToLittleEndian(qint32(record.size()), archive.data() + 12);
    archive += record;
    TestFolder folder;
    folder.writeBytes(QStringLiteral("A.IMG"), archive);
    const QString path = folder.file(QStringLiteral("A.IMG"));

    QCOMPARE(ArchiveReader{archive}.picture(1), expected);
    const QByteArray loaded = LoadFigureBytesFromArchive(path, 1);
    QCOMPARE(loaded, expected.isEmpty() ? emptyPicture() : expected);
    // Figure 0 (offset 0) and figures past the index have no picture.
    QVERIFY(isEmptyPicture(LoadFigureBytesFromArchive(path, 0)));
    QVERIFY(isEmptyPicture(LoadFigureBytesFromArchive(path, 2)));
}

void TestFigureArchive::buildFromFolder()
{
    TestFolder folder;
    const QByteArray gif = QByteArray::fromBase64("R0lGODlhAQABAIAAAP///wAAACwAAAAAAQABAAACAkQBADs=");
    folder.writeBytes(QStringLiteral("in/012.png"), pictureBytes(Qt::red, "PNG"));
    folder.writeBytes(QStringLiteral("in/0603.gif"), gif);
    folder.writeBytes(QStringLiteral("in/7.JPG"), pictureBytes(Qt::yellow, "JPG"));
    QDir().mkpath(folder.file(QStringLiteral("in/sub")));
    const QString out = folder.file(QStringLiteral("TAVRI.IMG"));
    QString error;
    QVERIFY2(FigureArchive::buildFromFolder(folder.file(QStringLiteral("in")), out, FigureArchive::Storage::Scrambled,
                                            &error),
             qPrintable(error));
    QCOMPARE(LoadFigureBytesFromArchive(out, 12), readFile(folder.file(QStringLiteral("in/012.png"))));
    QCOMPARE(LoadFigureBytesFromArchive(out, 603), gif);
    QCOMPARE(LoadFigureBytesFromArchive(out, 7), readFile(folder.file(QStringLiteral("in/7.JPG"))));
    QVERIFY(isEmptyPicture(LoadFigureBytesFromArchive(out, 8)));

    // The same pictures give the same archive, byte for byte.
    const QString again = folder.file(QStringLiteral("AGAIN.IMG"));
    QVERIFY(FigureArchive::buildFromFolder(folder.file(QStringLiteral("in")), again, FigureArchive::Storage::Scrambled,
                                           &error));
    QCOMPARE(readFile(again), readFile(out));
}

void TestFigureArchive::badFolderWritesNothing_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("named");
    QTest::newRow("not a number") << QStringList{"012.png", "segnale.png"} << "segnale.png";
    QTest::newRow("number then letters") << QStringList{"12a.png"} << "12a.png";
    QTest::newRow("over 32767") << QStringList{"32768.png"} << "32768.png";
    QTest::newRow("far over") << QStringList{"99999999999999999999.png"} << "99999999999999999999.png";
    QTest::newRow("zero") << QStringList{"000.png"} << "000.png";
    QTest::newRow("unreadable") << QStringList{"012.png", "013.gif:garbage"} << "013.gif";
    QTest::newRow("empty file") << QStringList{"014.png:"} << "014.png";
    QTest::newRow("duplicate") << QStringList{"012.png", "12.bmp"} << "12.bmp";
    QTest::newRow("empty folder") << QStringList{} << "in";
}

void TestFigureArchive::badFolderWritesNothing()
{
    QFETCH(QStringList, files);
    QFETCH(QString, named);
    TestFolder folder;
    QDir().mkpath(folder.file(QStringLiteral("in")));
    for (const QString &entry : files) {
        const QString name = entry.section(QLatin1Char(':'), 0, 0);
        const QByteArray bytes = entry.contains(QLatin1Char(':')) ? entry.section(QLatin1Char(':'), 1).toLatin1()
                                                                 : pictureBytes(Qt::red, "PNG");
        folder.writeBytes(QStringLiteral("in/") + name, bytes);
    }
    const QString existing = folder.file(QStringLiteral("OLD.IMG"));
    const QString absent = folder.file(QStringLiteral("NEW.IMG"));
    folder.writeBytes(QStringLiteral("OLD.IMG"), "previous archive");

    for (const QString &out : {existing, absent}) {
        QString error;
        QVERIFY(!FigureArchive::buildFromFolder(folder.file(QStringLiteral("in")), out,
                                                FigureArchive::Storage::Plain, &error));
        QVERIFY2(error.contains(QLatin1Char('"') + named + QLatin1Char('"')) || error.contains(named + QLatin1Char('"')),
                 qPrintable(error));
    }
    QCOMPARE(readFile(existing), QByteArray("previous archive"));
    QVERIFY(!QFile::exists(absent));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"OLD.IMG"});
}

void TestFigureArchive::badNumbersAreRefused()
{
    TestFolder folder;
    const QString out = folder.file(QStringLiteral("X.IMG"));
    QString error;
    QVERIFY(!FigureArchive::write(out, {{0, "x"}}, FigureArchive::Storage::Plain, &error));
    QVERIFY(!FigureArchive::write(out, {{32768, "x"}}, FigureArchive::Storage::Plain, &error));
    QVERIFY(!FigureArchive::write(out, {}, FigureArchive::Storage::Plain, &error));
    QVERIFY(!QFile::exists(out));
    QVERIFY(FigureArchive::write(out, {{32767, "x"}}, FigureArchive::Storage::Plain, &error));
    QCOMPARE(LoadFigureBytesFromArchive(out, 32767), QByteArray("x"));
}

void TestFigureArchive::notAnArchiveIsRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QByteArray pointsInside(16, '\0');
    qToLittleEndian(qint32(4), pointsInside.data() + 8);
    qToLittleEndian(qint32(4), pointsInside.data() + 12);
    QTest::newRow("a picture") << pictureBytes(Qt::red, "PNG");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("no figure") << QByteArray(64, '\0');
    QTest::newRow("entry inside the index") << pointsInside;
}

void TestFigureArchive::notAnArchiveIsRefused()
{
    QFETCH(QByteArray, bytes);
    TestFolder folder;
    folder.writeBytes(QStringLiteral("STRANO.IMG"), bytes);
    QVector<FigureArchive::IndexEntry> entries;
    QString error;
    QVERIFY(!FigureArchive::readIndex(folder.file(QStringLiteral("STRANO.IMG")), &entries, &error));
    QVERIFY2(error.contains(QLatin1String("\"STRANO.IMG\"")), qPrintable(error));
}

QTEST_GUILESS_MAIN(TestFigureArchive)
#include "tst_figurearchive.moc"
