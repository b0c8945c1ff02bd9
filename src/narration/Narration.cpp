#include "narration/Narration.h"

#include "core/AppState.h"
#include "core/QuestionRecord.h"
#include "platform/MediaChannel.h"
#include "platform/Pause.h"

namespace {

const QString alias = QStringLiteral(" type MPEGVideo alias signorina");

void send(const AppState &state, const QString &command)
{
    if (state.services.media)
        state.services.media->send(command);
}

void pause(const AppState &state, int milliseconds)
{
    if (state.services.pause)
        state.services.pause->pause(milliseconds);
}

} // namespace

QString recordedNarrationPath(const QString &audioRoot, const QString &narrationTag)
{
    return audioRoot + QStringLiteral("it/") + narrationTag.left(3) + QStringLiteral("/it_it_") + narrationTag
           + QStringLiteral(".mp3");
}

QString syntheticVoicePath(const QString &audioRoot, const QString &recordStart)
{
    const QuestionRecord record(recordStart);
    const int chapter = record.chapterCode() - 10;
    // Two digits after the sign, as "00" formats a negative number: -9 is "-09".
    const QString chapterPart = (chapter < 0 ? QStringLiteral("-") : QString())
                                + QStringLiteral("%1").arg(qAbs(chapter), 2, 10, QLatin1Char('0'));
    return audioRoot + QStringLiteral("audio voce sintetica/") + chapterPart + QLatin1Char('-') + record.stemText()
           + QLatin1Char('-') + record.statementText() + record.correctAnswer() + QStringLiteral(".mp3");
}

bool hasRecordedNarration(const QString &narrationTag)
{
    return QuestionRecord::valueOf(narrationTag.left(5)) > 0;
}

void PlayNarration(const AppState &state, const QString &narrationTag)
{
    send(state, QStringLiteral("close signorina"));
    if (!state.narrationAvailable())
        return;
    send(state, QStringLiteral("open ") + recordedNarrationPath(state.audioRoot, narrationTag) + alias);
    send(state, QStringLiteral("play signorina from 0"));
}

void PlayPracticeNarration(const AppState &state, const QString &narrationTag, const QString &record)
{
    const QString path = hasRecordedNarration(narrationTag)
                             ? recordedNarrationPath(state.audioRoot, narrationTag)
                             : syntheticVoicePath(state.audioRoot, record.left(14));
    send(state, QStringLiteral("close signorina"));
    if (!state.narrationAvailable())
        return;
    pause(state, 300);
    send(state, QStringLiteral("open \"") + path + QLatin1Char('"') + alias);
    pause(state, 300);
    send(state, QStringLiteral("play signorina from 0"));
}

void StopNarration(const AppState &state)
{
    send(state, QStringLiteral("close signorina"));
}
