#include "core/Figures.h"
#include "widgets/Design.h"
#include "widgets/ImageBox.h"

#include "TestFolder.h"

#include <QBuffer>
#include <QFile>
#include <QtEndian>
#include <QtTest>

namespace {

// Lays out an archive the way the file format describes it, independently of the
// reader: an index of (offset, length) pairs, then the records.
class ArchiveBuilder
{
public:
    explicit ArchiveBuilder(int indexEntries) : m_bytes(indexEntries * 8, '\0') {}

    // Appends a record (data, flag, key) and points the entry of figure n at it;
    // with flag 0 the data is stored scrambled with the key.
    void add(int figure, const QByteArray &data, quint8 flag, quint8 key)
    {
        QByteArray stored = data;
        if (flag == 0)
            for (char &c : stored)
                c = char(quint8(c) ^ key);
        const qint32 offset = qint32(m_bytes.size());
        m_bytes += stored;
        m_bytes += char(flag);
        m_bytes += char(key);
        setEntry(figure, offset, qint32(stored.size() + 2));
    }
    void setEntry(int figure, qint32 offset, qint32 length)
    {
        qToLittleEndian(offset, m_bytes.data() + 8 * figure);
        qToLittleEndian(length, m_bytes.data() + 8 * figure + 4);
    }
    QByteArray bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

QByteArray pngOfSize(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// A 1 x 1 GIF, the format the archive's figures are in.
const QByteArray tinyGif = QByteArray::fromHex("47494638396101000100800000000000ffffff21f90401000000002c"
                                               "00000000010001000002024401003b");

} // namespace

class TestFigures : public QObject
{
    Q_OBJECT

private slots:
    void figure12ComesFromTheEntryAtByte96();
    void storedRecords_data();
    void storedRecords();
    void untrustedEntries_data();
    void untrustedEntries();
    void overrideFolder_data();
    void overrideFolder();
    void overrideOnlyWhenAllowed();
    void missingArchiveGivesTheEmptyPicture();
    void picturesFromBytes_data();
    void picturesFromBytes();
    void pictureFrameTag();
    void fitting_data();
    void fitting();
    void fitPictureInBox();
};

void TestFigures::figure12ComesFromTheEntryAtByte96()
{
    TestFolder folder;
    ArchiveBuilder archive(20);
    archive.add(11, "eleven", 255, 0);
    archive.add(12, "twelve", 255, 0);
    archive.add(13, "thirteen", 255, 0);
    const QByteArray bytes = archive.bytes();
    // The entry at byte 96 is the one that points at figure 12's record.
    const qint32 offset = qFromLittleEndian<qint32>(bytes.constData() + 96);
    QCOMPARE(bytes.mid(offset, 6), QByteArray("twelve"));

    folder.writeBytes(QStringLiteral("TAVRI.IMG"), bytes);
    QCOMPARE(LoadFigureBytes(12, false), QByteArray("twelve"));
    QCOMPARE(LoadFigureBytes(13, true), QByteArray("thirteen"));
}

void TestFigures::storedRecords_data()
{
    QTest::addColumn<int>("flag");
    QTest::addColumn<int>("key");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray data = QByteArray::fromHex("00ff10a55a7f80") + "picture";
    QTest::newRow("scrambled") << 0 << 0xA7 << data << data;
    QTest::newRow("scrambled with key 0") << 0 << 0 << data << data;
    QTest::newRow("plain, key ignored") << 255 << 0x3C << data << data;
    QTest::newRow("unknown flag") << 7 << 0 << data << emptyPicture();
    QTest::newRow("flag 1") << 1 << 0x3C << data << emptyPicture();
    QTest::newRow("length 2: no data") << 255 << 0 << QByteArray() << QByteArray();
    QTest::newRow("a large record") << 0 << 0x55 << QByteArray(300000, 'x') << QByteArray(300000, 'x');
}

void TestFigures::storedRecords()
{
    QFETCH(int, flag);
    QFETCH(int, key);
    QFETCH(QByteArray, data);
    QFETCH(QByteArray, expected);

    TestFolder folder;
    ArchiveBuilder archive(4);
    archive.add(1, "other", 255, 0);
    archive.add(2, data, quint8(flag), quint8(key));
    folder.writeBytes(QStringLiteral("TAVRI.IMG"), archive.bytes());
    // The key really scrambles what is stored.
    if (flag == 0 && key != 0 && !data.isEmpty())
        QVERIFY(!archive.bytes().contains(data));

    QCOMPARE(LoadFigureBytesFromArchive(folder.file(QStringLiteral("TAVRI.IMG")), 2), expected);
    QCOMPARE(LoadFigureBytes(2, true), expected);
}

void TestFigures::untrustedEntries_data()
{
    QTest::addColumn<int>("figure");
    QTest::addColumn<qint32>("offset");
    QTest::addColumn<qint32>("length");

    // The archive holds a good record for figure 1 at byte 32, 9 bytes long (file size 41).
    QTest::newRow("figure 0") << 0 << 32 << 9;
    QTest::newRow("offset 0") << 2 << 0 << 9;
    QTest::newRow("negative offset") << 2 << -8 << 9;
    QTest::newRow("negative length") << 2 << 32 << -9;
    QTest::newRow("length 0") << 2 << 32 << 0;
    QTest::newRow("length 1") << 2 << 32 << 1;
    QTest::newRow("record past the end") << 2 << 32 << 10;
    QTest::newRow("offset past the end") << 2 << 400 << 9;
    QTest::newRow("huge length") << 2 << 32 << std::numeric_limits<qint32>::max();
    QTest::newRow("huge offset") << 2 << std::numeric_limits<qint32>::max() << 9;
    QTest::newRow("offset and length overflow 32 bits") << 2 << 0x7FFFFFF0 << 0x7FFFFFF0;
    QTest::newRow("entry beyond the file") << 6 << 32 << 9;
    QTest::newRow("entry cut by the end of the file") << 5 << 32 << 9;
    QTest::newRow("negative figure") << -3 << 32 << 9;
}

void TestFigures::untrustedEntries()
{
    QFETCH(int, figure);
    QFETCH(qint32, offset);
    QFETCH(qint32, length);

    ArchiveBuilder archive(4);
    archive.add(1, "figure1", 255, 0);
    QByteArray bytes = archive.bytes();
    QCOMPARE(bytes.size(), 41);
    if (figure >= 0 && figure < 4) {
        qToLittleEndian(offset, bytes.data() + 8 * figure);
        qToLittleEndian(length, bytes.data() + 8 * figure + 4);
    }

    TestFolder folder;
    folder.writeBytes(QStringLiteral("TAVRI.IMG"), bytes);
    QCOMPARE(LoadFigureBytes(figure, false), emptyPicture());
    QVERIFY(isEmptyPicture(LoadFigureBytes(figure, true)));
    // The good record is still read from the same file.
    QCOMPARE(LoadFigureBytes(1, false), QByteArray("figure1"));
}

void TestFigures::overrideFolder_data()
{
    QTest::addColumn<int>("figure");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("replaces");

    QTest::newRow("012.jpg") << 12 << "012.jpg" << true;
    QTest::newRow("upper-case extension") << 12 << "012.JPG" << true;
    QTest::newRow("no extension") << 12 << "012" << true;
    QTest::newRow("two extensions") << 12 << "012.old.png" << true;
    QTest::newRow("seven as 007") << 7 << "007.gif" << true;
    QTest::newRow("four digits") << 1234 << "1234.png" << true;
    QTest::newRow("not padded") << 12 << "12.jpg" << false;
    QTest::newRow("longer number") << 12 << "0120.jpg" << false;
    QTest::newRow("suffix on the number") << 12 << "012a.jpg" << false;
    QTest::newRow("other figure") << 12 << "013.jpg" << false;
}

void TestFigures::overrideFolder()
{
    QFETCH(int, figure);
    QFETCH(QString, fileName);
    QFETCH(bool, replaces);

    TestFolder folder;
    ArchiveBuilder archive(1300);
    archive.add(figure, "from the archive", 255, 0);
    folder.writeBytes(QStringLiteral("TAVRI.IMG"), archive.bytes());
    folder.writeBytes(QStringLiteral("IMG/") + fileName, "from the folder");

    QCOMPARE(!findOverrideFigure(folder.file(QStringLiteral("IMG")), figure).isEmpty(), replaces);
    QCOMPARE(LoadFigureBytes(figure, true), replaces ? QByteArray("from the folder") : QByteArray("from the archive"));
}

void TestFigures::overrideOnlyWhenAllowed()
{
    TestFolder folder;
    ArchiveBuilder archive(20);
    archive.add(12, "archive twelve", 0, 0x21);
    archive.add(13, "archive thirteen", 0, 0x21);
    folder.writeBytes(QStringLiteral("TAVRI.IMG"), archive.bytes());
    folder.writeBytes(QStringLiteral("IMG/012.jpg"), "override twelve");
    // A folder named like a figure is not a picture file.
    QDir().mkpath(folder.file(QStringLiteral("IMG/013.d")));

    QCOMPARE(LoadFigureBytes(12, true), QByteArray("override twelve"));
    QCOMPARE(LoadFigureBytes(12, false), QByteArray("archive twelve"));
    QCOMPARE(LoadFigureBytes(13, true), QByteArray("archive thirteen"));
    // Nothing is cached: a change of the folder shows at the next load.
    QVERIFY(QFile::remove(folder.file(QStringLiteral("IMG/012.jpg"))));
    QCOMPARE(LoadFigureBytes(12, true), QByteArray("archive twelve"));
}

void TestFigures::missingArchiveGivesTheEmptyPicture()
{
    TestFolder folder;
    QCOMPARE(LoadFigureBytes(12, false), emptyPicture());
    QCOMPARE(LoadFigureBytes(12, true), emptyPicture());
    // The override folder still serves without an archive.
    folder.writeBytes(QStringLiteral("IMG/012.png"), "png bytes");
    QCOMPARE(LoadFigureBytes(12, true), QByteArray("png bytes"));
}

void TestFigures::picturesFromBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QSize>("size");

    QTest::newRow("png") << pngOfSize(40, 25) << QSize(40, 25);
    QTest::newRow("gif") << tinyGif << QSize(1, 1);
    QTest::newRow("empty picture") << emptyPicture() << QSize();
    QTest::newRow("no bytes") << QByteArray() << QSize();
    QTest::newRow("not a picture") << QByteArray("this is text, not a picture") << QSize();
    QTest::newRow("truncated png") << pngOfSize(40, 25).left(30) << QSize();
}

void TestFigures::picturesFromBytes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QSize, size);

    const QImage image = PictureFromBytes(bytes);
    QCOMPARE(image.isNull(), !size.isValid());
    if (size.isValid())
        QCOMPARE(image.size(), size);
}

void TestFigures::pictureFrameTag()
{
    QCOMPARE(PictureFrame::ofGeometry(QRect(10, 20, 301, 100)).toTag(), QStringLiteral("160.5 70 301 100"));
    QCOMPARE(PictureFrame::ofGeometry(QRect(-5, 0, 3, 1)).toTag(), QStringLiteral("-3.5 0.5 3 1"));

    const std::optional<PictureFrame> frame = PictureFrame::fromTag(QStringLiteral("160.5 70 301 100"));
    QVERIFY(frame);
    QCOMPARE(frame->centreX, 160.5f);
    QCOMPARE(frame->height, 100.0f);
    QVERIFY(!PictureFrame::fromTag(QString()));
    QVERIFY(!PictureFrame::fromTag(QStringLiteral("1 2 3")));
    QVERIFY(!PictureFrame::fromTag(QStringLiteral("1 2 3 x")));
    QVERIFY(!PictureFrame::fromTag(QStringLiteral("1 2 3 4 5")));
}

void TestFigures::fitting_data()
{
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QSize>("natural");
    QTest::addColumn<QRect>("expected");

    QTest::newRow("wide picture reduced") << "200 250 300 300" << QSize(400, 200) << QRect(50, 175, 300, 150);
    QTest::newRow("wide picture enlarged") << "200 250 300 300" << QSize(100, 50) << QRect(50, 175, 300, 150);
    QTest::newRow("tall picture") << "200 250 300 300" << QSize(50, 100) << QRect(125, 100, 150, 300);
    QTest::newRow("width 150.2 gives 151") << "200 250 300 300" << QSize(751, 1500) << QRect(124, 100, 151, 300);
    QTest::newRow("same proportions") << "200 250 300 300" << QSize(30, 30) << QRect(50, 100, 300, 300);
    QTest::newRow("frame halves to even") << "160.5 70.5 301 99.5" << QSize(10, 10) << QRect(110, 20, 100, 100);
    QTest::newRow("height rounded up") << "100 100 200 100" << QSize(300, 149) << QRect(0, 50, 200, 100);
    QTest::newRow("height 66.67 gives 67") << "100 100 300 100" << QSize(900, 200) << QRect(-50, 66, 300, 67);
    QTest::newRow("frame without area") << "100 100 0 100" << QSize(10, 10) << QRect();
}

void TestFigures::fitting()
{
    QFETCH(QString, frame);
    QFETCH(QSize, natural);
    QFETCH(QRect, expected);

    const std::optional<PictureFrame> f = PictureFrame::fromTag(frame);
    QVERIFY(f);
    const QRect fitted = fitPictureGeometry(*f, natural);
    if (expected.isNull())
        QVERIFY(fitted.isEmpty());
    else
        QCOMPARE(fitted, expected);
}

void TestFigures::fitPictureInBox()
{
    TestFolder folder;
    ArchiveBuilder archive(10);
    archive.add(3, pngOfSize(400, 200), 0, 0x9C);
    archive.add(4, "not a picture", 255, 0);
    folder.writeBytes(QStringLiteral("TAVRI.IMG"), archive.bytes());

    QWidget form;
    form.resize(800, 600);
    auto *box = new ImageBox(&form);
    box->setObjectName(QStringLiteral("Img"));
    box->setGeometry(50, 100, 300, 300);
    RememberPictureFrame(box);
    QCOMPARE(Design::tag(box).toString(), QStringLiteral("200 250 300 300"));
    form.show();

    FitPictureInBox(LoadFigureBytes(3, true), box);
    QVERIFY(box->isVisible());
    QVERIFY(box->stretch());
    QCOMPARE(box->picture().size(), QSize(400, 200));
    QCOMPARE(box->geometry(), QRect(50, 175, 300, 150));
    // The frame stays where it was recorded, whatever the box now covers.
    QCOMPARE(Design::tag(box).toString(), QStringLiteral("200 250 300 300"));

    FitPictureInBox(LoadFigureBytes(4, true), box);
    QVERIFY(!box->isVisible());
    QVERIFY(!box->hasPicture());

    FitPictureInBox(LoadFigureBytes(3, true), box);
    QVERIFY(box->isVisible());
    FitPictureInBox(emptyPicture(), box);
    QVERIFY(!box->isVisible());

    // A picture that has its own override shows through the same call.
    folder.writeBytes(QStringLiteral("IMG/003.png"), pngOfSize(50, 100));
    FitPictureInBox(LoadFigureBytes(3, true), box);
    QVERIFY(box->isVisible());
    QCOMPARE(box->geometry(), QRect(125, 100, 150, 300));
}

QTEST_MAIN(TestFigures)
#include "tst_figures.moc"
