#pragma once

#include <QString>

struct AppState;

// Statements read aloud. The recordings lie under the narration folder (AudioRoot,
// with its trailing "/"): the recorded narration of a statement in
// "it/<first three characters of its narration tag>/it_it_<narration tag>.mp3", and,
// for the practice sheets, a synthetic voice in "audio voce sintetica/" for the
// statements that have no recording.

// The recorded narration of a statement with the given eleven-character narration tag.
QString recordedNarrationPath(const QString &audioRoot, const QString &narrationTag);

// The synthetic voice of the statement whose record begins with recordStart (its
// first 14 characters suffice): chapter code minus 10 in two digits (so "-09" for an
// AM statement of chapter 1), stem, statement and answer: "01-001-01V.mp3".
QString syntheticVoicePath(const QString &audioRoot, const QString &recordStart);

// True when the value of the first five characters of the tag is above 0: the
// statement has a recording.
bool hasRecordedNarration(const QString &narrationTag);

// Reads a statement aloud on the exam and review screens: close, open the recording
// (path unquoted), play from the start. Without a narration folder only the close is
// sent: there is nothing to play.
void PlayNarration(const AppState &state, const QString &narrationTag);

// Reads the statement aloud on a practice sheet: the recording, or the synthetic
// voice when the tag names none; the path quoted, a pause of 300 ms after the close
// and after the open.
void PlayPracticeNarration(const AppState &state, const QString &narrationTag, const QString &record);

// Silences whatever plays.
void StopNarration(const AppState &state);
