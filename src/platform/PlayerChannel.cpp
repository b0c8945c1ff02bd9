#include "platform/PlayerChannel.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QRegularExpression>
#include <QUrl>

namespace {

const QRegularExpression::PatternOptions caseless = QRegularExpression::CaseInsensitiveOption;

} // namespace

MediaCommand MediaCommand::parse(const QString &text)
{
    MediaCommand command;
    const QString t = text.trimmed();

    static const QRegularExpression closeRe(QStringLiteral("^close\\s+signorina$"), caseless);
    static const QRegularExpression playRe(QStringLiteral("^play\\s+signorina(?:\\s+from\\s+(\\d{1,12}))?$"),
                                           caseless);
    static const QRegularExpression openRe(QStringLiteral("^open\\s+(.+)$"), caseless);
    static const QRegularExpression openTailRe(QStringLiteral("^\\s+type\\s+mpegvideo\\s+alias\\s+signorina$"),
                                               caseless);

    if (closeRe.match(t).hasMatch()) {
        command.kind = Close;
        return command;
    }
    if (const QRegularExpressionMatch m = playRe.match(t); m.hasMatch()) {
        command.kind = Play;
        command.fromMs = m.captured(1).isEmpty() ? 0 : m.captured(1).toLongLong();
        return command;
    }
    const QRegularExpressionMatch m = openRe.match(t);
    if (!m.hasMatch())
        return command;
    const QString rest = m.captured(1);
    QString path;
    QString tail;
    if (rest.startsWith(QLatin1Char('"'))) {
        const int closing = rest.indexOf(QLatin1Char('"'), 1);
        if (closing < 0)
            return command;
        path = rest.mid(1, closing - 1);
        tail = rest.mid(closing + 1);
    } else {
        const int typeAt = rest.lastIndexOf(QLatin1String(" type "), -1, Qt::CaseInsensitive);
        if (typeAt < 0)
            return command;
        path = rest.left(typeAt);
        tail = rest.mid(typeAt);
    }
    if (path.isEmpty() || !openTailRe.match(tail).hasMatch())
        return command;
    command.kind = Open;
    command.path = path;
    return command;
}

PlayerChannel::PlayerChannel(QObject *parent) : QObject(parent) {}

PlayerChannel::~PlayerChannel()
{
    close();
}

void PlayerChannel::send(const QString &text)
{
    const MediaCommand command = MediaCommand::parse(text);
    switch (command.kind) {
    case MediaCommand::Open:
        open(command.path);
        break;
    case MediaCommand::Play:
        play(command.fromMs);
        break;
    case MediaCommand::Close:
        close();
        break;
    case MediaCommand::Invalid:
        break;
    }
}

bool PlayerChannel::isPlaying() const
{
    return m_player && m_player->playbackState() == QMediaPlayer::PlayingState;
}

void PlayerChannel::ensurePlayer()
{
    // Created on the first sound, so a session without sound never starts the back end.
    if (m_player)
        return;
    m_player = new QMediaPlayer(this);
    m_output = new QAudioOutput(this);
    m_player->setAudioOutput(m_output);
    connect(m_player, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus status) {
        if (status == QMediaPlayer::EndOfMedia)
            emit playedToEnd();
    });
}

void PlayerChannel::open(const QString &path)
{
    if (!m_openFile.isEmpty())
        return;
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable())
        return;
    ensurePlayer();
    m_openFile = info.absoluteFilePath();
    m_player->setSource(QUrl::fromLocalFile(m_openFile));
}

void PlayerChannel::play(qint64 fromMs)
{
    if (m_openFile.isEmpty())
        return;
    m_player->setPosition(fromMs);
    m_player->play();
}

void PlayerChannel::close()
{
    if (m_openFile.isEmpty())
        return;
    m_openFile.clear();
    m_player->stop();
    m_player->setSource(QUrl());
}

std::unique_ptr<MediaChannel> createPlayerChannel()
{
    return std::make_unique<PlayerChannel>();
}
