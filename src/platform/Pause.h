#pragma once

// A short blocking wait that paces narration, beeps and auto-advance.
class Pause
{
public:
    virtual ~Pause() = default;
    virtual void pause(int milliseconds) = 0;
};

// Paints what is pending, then sleeps; user input waits in the queue meanwhile,
// as it would behind a blocking sleep.
class SleepPause : public Pause
{
public:
    void pause(int milliseconds) override;
};
