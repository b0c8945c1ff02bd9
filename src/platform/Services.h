#pragma once

class Clock;
class Pause;
class Random;
class Dialogs;
class MediaChannel;

// The platform services a screen may reach. The program runs on the real ones
// (RealServices); tests hand in doubles (tests/support). Nothing else is mocked.
struct Services
{
    Clock *clock = nullptr;
    Pause *pause = nullptr;
    Random *random = nullptr;
    Dialogs *dialogs = nullptr;
    MediaChannel *media = nullptr;
};
