#pragma once

#include <QString>

// The command channel through which every sound plays ("open ... alias signorina",
// "play signorina from 0", "close signorina"). Replies are never examined.
class MediaChannel
{
public:
    virtual ~MediaChannel() = default;
    virtual void send(const QString &command) = 0;
};

#include <memory>

// The channel the program plays through: Qt Multimedia behind the command strings.
std::unique_ptr<MediaChannel> createPlayerChannel();
