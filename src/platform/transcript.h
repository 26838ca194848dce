#pragma once
// The transcript: one line per thing the user hears, in order, as UTF-8. It is the
// record that tests and automation read, written whether or not real audio plays.
//
//   say: TEXT | play: NAME.wav | spell: TEXT | click | tick | tone: HZ | beep
#include <functional>
#include <string>
#include <string_view>

// Opens (truncating) the transcript file; an empty path turns the transcript off.
// Returns false when the file can not be created.
bool transcriptOpen(const std::string& utf8Path);
void transcriptClose();
bool transcriptActive();

// Writes "kind" alone, or "kind: text" when text is given. The text is UTF-8.
void transcriptEvent(std::string_view kind);
void transcriptEvent(std::string_view kind, std::string_view utf8Text);

// An in-process listener that gets every event as well: its kind and its text as UTF-8
// (empty for events without text). Batch runs, which have no one listening, pass on with
// it what would have been heard. An empty function removes it.
using TranscriptListener = std::function<void(std::string_view kind, std::string_view utf8Text)>;
void transcriptSetListener(TranscriptListener listener);
