#pragma once

#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/MediaChannel.h"
#include "platform/Pause.h"
#include "platform/Random.h"
#include "platform/Services.h"

#include <QDateTime>
#include <QQueue>
#include <QStringList>
#include <functional>

// A clock that stands still until a test moves it.
class FakeClock : public Clock
{
public:
    QDateTime now() const override { return m_now; }
    void set(const QDateTime &t) { m_now = t; }
    void advanceSeconds(qint64 s) { m_now = m_now.addSecs(s); }

private:
    QDateTime m_now{QDate(2026, 3, 2), QTime(9, 0, 0)};
};

// Records the pauses asked for and returns at once.
class RecordingPause : public Pause
{
public:
    void pause(int milliseconds) override { pauses << milliseconds; }
    QList<int> pauses;
};

// Records every command sent to the media channel.
class RecordingMediaChannel : public MediaChannel
{
public:
    void send(const QString &command) override { commands << command; }
    QStringList commands;
};

// Answers dialogs from a script and records what they said. A dialog with no answer
// scripted fails the test through QFAIL-free means: it returns the cancel value and is
// recorded in unanswered.
class ScriptedDialogs : public Dialogs
{
public:
    struct Shown
    {
        Icon icon;
        QString text;
    };

    QMessageBox::StandardButton message(QWidget *parent, Icon icon, const QString &text,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton) override;
    std::optional<QString> input(QWidget *parent, const QString &prompt, const QString &initial) override;
    QString openFileName(QWidget *parent, const QString &caption, const QString &folder,
                         const QString &filter) override;
    QString saveFileName(QWidget *parent, const QString &caption, const QString &folder,
                         const QString &filter) override;

    // Answers in the order the dialogs come.
    QQueue<QMessageBox::StandardButton> buttons;
    QQueue<std::optional<QString>> inputs;
    QQueue<QString> fileNames;

    QList<Shown> messages;
    QStringList prompts;
    QStringList unanswered;
};

// Every service as a double; the generator is the real one with a fixed seed.
class TestServices
{
public:
    TestServices();
    Services &services() { return m_services; }

    FakeClock clock;
    RecordingPause pause;
    MersenneRandom random{12345};
    ScriptedDialogs dialogs;
    RecordingMediaChannel media;

private:
    Services m_services;
};
