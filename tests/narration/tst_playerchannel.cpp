#include "platform/PlayerChannel.h"

#include "TestFolder.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QtEndian>
#include <QtTest>

#include <cmath>

namespace {

// A mono 16-bit PCM WAV file of a sine tone.
QByteArray toneWav(int milliseconds, int frequency)
{
    const int rate = 8000;
    const int samples = rate * milliseconds / 1000;
    QByteArray pcm(samples * 2, '\0');
    for (int i = 0; i < samples; ++i) {
        const auto value = qint16(8000 * std::sin(2 * M_PI * frequency * i / rate));
        qToLittleEndian(value, pcm.data() + 2 * i);
    }
    QByteArray wav;
    auto put32 = [&wav](quint32 v) { char b[4]; qToLittleEndian(v, b); wav.append(b, 4); };
    auto put16 = [&wav](quint16 v) { char b[2]; qToLittleEndian(v, b); wav.append(b, 2); };
    wav += "RIFF";
    put32(quint32(36 + pcm.size()));
    wav += "WAVEfmt ";
    put32(16);
    put16(1);        // PCM
    put16(1);        // mono
    put32(rate);
    put32(rate * 2); // bytes per second
    put16(2);        // bytes per frame
    put16(16);       // bits per sample
    wav += "data";
    put32(quint32(pcm.size()));
    return wav + pcm;
}

const QString tail = QStringLiteral(" type MPEGVideo alias signorina");

} // namespace

class TestPlayerChannel : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void playsWavToTheEnd();
    void playsMp3ToTheEnd();
    void closeOpenPlayReplacesAndBareOpenKeepsTheSound();
    void failingCommandsChangeNothing();
};

void TestPlayerChannel::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("path");
    QTest::addColumn<qint64>("from");

    const int open = MediaCommand::Open;
    const int play = MediaCommand::Play;
    const int close = MediaCommand::Close;
    const int invalid = MediaCommand::Invalid;
    QTest::newRow("close") << "close signorina" << close << "" << qint64(0);
    QTest::newRow("close in capitals") << "CLOSE Signorina" << close << "" << qint64(0);
    QTest::newRow("play from 0") << "play signorina from 0" << play << "" << qint64(0);
    QTest::newRow("play from 1500") << "play signorina from 1500" << play << "" << qint64(1500);
    QTest::newRow("play") << "play signorina" << play << "" << qint64(0);
    QTest::newRow("quoted path with blanks")
        << "open \"/a/audio voce sintetica/01-001-01V.mp3\" type MPEGVideo alias signorina" << open
        << "/a/audio voce sintetica/01-001-01V.mp3" << qint64(0);
    QTest::newRow("unquoted path") << "open /a/it/012/it_it_01201003002.mp3 type MPEGVideo alias signorina"
                                   << open << "/a/it/012/it_it_01201003002.mp3" << qint64(0);
    QTest::newRow("unquoted path with blanks")
        << "open /my disk/Tavri_Audio/it/   /it_it_           .mp3 type MPEGVideo alias signorina" << open
        << "/my disk/Tavri_Audio/it/   /it_it_           .mp3" << qint64(0);
    QTest::newRow("unquoted path holding ' type '")
        << "open /media/a type b/x.wav type mpegvideo alias SIGNORINA" << open << "/media/a type b/x.wav"
        << qint64(0);
    QTest::newRow("other alias") << "close altro" << invalid << "" << qint64(0);
    QTest::newRow("open under another alias") << "open /a.mp3 type MPEGVideo alias altro" << invalid << ""
                                              << qint64(0);
    QTest::newRow("open of another type") << "open /a.wav type waveaudio alias signorina" << invalid << ""
                                          << qint64(0);
    QTest::newRow("open without type") << "open /a.mp3" << invalid << "" << qint64(0);
    QTest::newRow("unclosed quote") << "open \"/a.mp3 type MPEGVideo alias signorina" << invalid << ""
                                    << qint64(0);
    QTest::newRow("empty quotes") << "open \"\" type MPEGVideo alias signorina" << invalid << "" << qint64(0);
    QTest::newRow("play from a word") << "play signorina from start" << invalid << "" << qint64(0);
    QTest::newRow("unknown verb") << "pause signorina" << invalid << "" << qint64(0);
    QTest::newRow("empty") << "" << invalid << "" << qint64(0);
}

void TestPlayerChannel::parse()
{
    QFETCH(QString, text);
    QFETCH(int, kind);
    QFETCH(QString, path);
    QFETCH(qint64, from);

    const MediaCommand command = MediaCommand::parse(text);
    QCOMPARE(int(command.kind), kind);
    QCOMPARE(command.path, path);
    QCOMPARE(command.fromMs, from);
}

void TestPlayerChannel::playsWavToTheEnd()
{
    TestFolder folder;
    folder.writeBytes(QStringLiteral("audio voce sintetica/01-001-01V.wav"), toneWav(400, 440));
    PlayerChannel channel;
    QSignalSpy ended(&channel, &PlayerChannel::playedToEnd);

    channel.send(QStringLiteral("close signorina"));
    channel.send(QStringLiteral("open \"") + folder.file(QStringLiteral("audio voce sintetica/01-001-01V.wav"))
                 + QLatin1Char('"') + tail);
    QElapsedTimer clock;
    clock.start();
    channel.send(QStringLiteral("play signorina from 0"));
    // The command returns at once; the sound plays on in the background.
    QVERIFY(clock.elapsed() < 200);
    QVERIFY(ended.wait(10000));
    QVERIFY(clock.elapsed() >= 250);
    QVERIFY(!channel.isPlaying());
    channel.send(QStringLiteral("close signorina"));
    QVERIFY(channel.openFile().isEmpty());
}

void TestPlayerChannel::playsMp3ToTheEnd()
{
#ifndef TONE_MP3
    QSKIP("sox and lame were not found when building: no MP3 to play");
#else
    TestFolder folder;
    QVERIFY(QFile::copy(QStringLiteral(TONE_MP3), folder.file(QStringLiteral("it_it tone.mp3"))));
    PlayerChannel channel;
    QSignalSpy ended(&channel, &PlayerChannel::playedToEnd);

    // The exam screens send the path unquoted, blanks and all.
    channel.send(QStringLiteral("close signorina"));
    channel.send(QStringLiteral("open ") + folder.file(QStringLiteral("it_it tone.mp3")) + tail);
    QCOMPARE(channel.openFile(), folder.file(QStringLiteral("it_it tone.mp3")));
    QElapsedTimer clock;
    clock.start();
    channel.send(QStringLiteral("play signorina from 0"));
    QVERIFY(ended.wait(10000));
    QVERIFY(clock.elapsed() >= 400);
#endif
}

void TestPlayerChannel::closeOpenPlayReplacesAndBareOpenKeepsTheSound()
{
    TestFolder folder;
    folder.writeBytes(QStringLiteral("long.wav"), toneWav(3000, 330));
    folder.writeBytes(QStringLiteral("short.wav"), toneWav(300, 660));
    const QString longPath = folder.file(QStringLiteral("long.wav"));
    const QString shortPath = folder.file(QStringLiteral("short.wav"));
    PlayerChannel channel;
    QSignalSpy ended(&channel, &PlayerChannel::playedToEnd);

    channel.send(QStringLiteral("open \"") + longPath + QLatin1Char('"') + tail);
    channel.send(QStringLiteral("play signorina from 0"));
    QTRY_VERIFY_WITH_TIMEOUT(channel.isPlaying(), 5000);

    // Close, open, play: the short sound replaces the long one while it plays.
    channel.send(QStringLiteral("close signorina"));
    QVERIFY(!channel.isPlaying());
    channel.send(QStringLiteral("open \"") + shortPath + QLatin1Char('"') + tail);
    QCOMPARE(channel.openFile(), shortPath);
    channel.send(QStringLiteral("play signorina from 0"));
    QElapsedTimer clock;
    clock.start();
    QVERIFY(ended.wait(5000));
    // The short sound ended, long before the long one could have.
    QVERIFY(clock.elapsed() < 2500);

    // A bare open while the alias holds the short sound fails and leaves it there...
    channel.send(QStringLiteral("open \"") + longPath + QLatin1Char('"') + tail);
    QCOMPARE(channel.openFile(), shortPath);
    // ...and the next play starts it again from the beginning.
    clock.restart();
    channel.send(QStringLiteral("play signorina from 0"));
    QVERIFY(ended.wait(5000));
    QCOMPARE(ended.count(), 2);
    QVERIFY(clock.elapsed() < 2500);
}

void TestPlayerChannel::failingCommandsChangeNothing()
{
    TestFolder folder;
    folder.writeBytes(QStringLiteral("a.wav"), toneWav(200, 440));
    PlayerChannel channel;

    // Close with nothing open, play with nothing open, unknown commands: harmless.
    channel.send(QStringLiteral("close signorina"));
    channel.send(QStringLiteral("play signorina from 0"));
    channel.send(QStringLiteral("set signorina time format milliseconds"));
    QVERIFY(channel.openFile().isEmpty());
    QVERIFY(!channel.isPlaying());

    // A missing file leaves the alias free for the next open.
    channel.send(QStringLiteral("open \"") + folder.file(QStringLiteral("missing.mp3")) + QLatin1Char('"') + tail);
    QVERIFY(channel.openFile().isEmpty());
    channel.send(QStringLiteral("open \"") + folder.file(QStringLiteral("a.wav")) + QLatin1Char('"') + tail);
    QCOMPARE(channel.openFile(), folder.file(QStringLiteral("a.wav")));

    // A file that is not a sound gives silence, not a crash.
    channel.send(QStringLiteral("close signorina"));
    folder.writeBytes(QStringLiteral("text.mp3"), "not a sound at all");
    channel.send(QStringLiteral("open \"") + folder.file(QStringLiteral("text.mp3")) + QLatin1Char('"') + tail);
    channel.send(QStringLiteral("play signorina from 0"));
    QTest::qWait(300);
    channel.send(QStringLiteral("close signorina"));
    QVERIFY(channel.openFile().isEmpty());
}

QTEST_MAIN(TestPlayerChannel)
#include "tst_playerchannel.moc"
