#pragma once

#include "platform/MediaChannel.h"

#include <QObject>
#include <QString>

class QAudioOutput;
class QMediaPlayer;

// One command of the media channel, read from its text. Words are matched without
// regard to case; only the alias "signorina" and the type MPEGVideo are known.
struct MediaCommand
{
    enum Kind { Invalid, Open, Play, Close };
    Kind kind = Invalid;
    // Open: the file. A quoted path is taken between its quotes; an unquoted one
    // (the exam screens send paths with blanks unquoted) runs up to " type ".
    QString path;
    // Play: where to start, in milliseconds.
    qint64 fromMs = 0;

    static MediaCommand parse(const QString &text);
};

// The program's player behind the command strings, over Qt Multimedia. The alias is
// either free or holds one sound: "open" fills a free alias with an existing file,
// "play" starts the sound from the given position without waiting for it, "close"
// stops and releases it. A command that fails (unknown text, missing file, alias
// already taken, nothing to play) changes nothing and is ignored; an "open" that
// finds the alias taken leaves the earlier sound there, to be played again.
class PlayerChannel : public QObject, public MediaChannel
{
    Q_OBJECT
public:
    explicit PlayerChannel(QObject *parent = nullptr);
    ~PlayerChannel() override;

    void send(const QString &command) override;

    // The file the alias holds; empty when it is free.
    QString openFile() const { return m_openFile; }
    bool isPlaying() const;

signals:
    // The sound under the alias has played to its end.
    void playedToEnd();

private:
    void open(const QString &path);
    void play(qint64 fromMs);
    void close();
    void ensurePlayer();

    QMediaPlayer *m_player = nullptr;
    QAudioOutput *m_output = nullptr;
    QString m_openFile;
};
