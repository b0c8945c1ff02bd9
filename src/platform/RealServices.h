#pragma once

#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/MediaChannel.h"
#include "platform/Pause.h"
#include "platform/Random.h"
#include "platform/Services.h"

#include <memory>

// Owns the services the program runs on: the system clock, a real sleep, a generator
// seeded from the clock, Qt's dialogs and the media player.
class RealServices
{
public:
    RealServices();
    ~RealServices();
    Services &services() { return m_services; }

private:
    SystemClock m_clock;
    SleepPause m_pause;
    MersenneRandom m_random;
    QtDialogs m_dialogs;
    std::unique_ptr<MediaChannel> m_media;
    Services m_services;
};
