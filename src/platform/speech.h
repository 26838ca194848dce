#pragma once
// Speech and sounds: everything the user hears goes through these operations, which
// also write the transcript (transcript.h). Texts are UTF-8.
#include <string>
#include <string_view>
#include <vector>

// The speech each system has: on Linux the program's own synthesizer (espeak-ng) and
// speech-dispatcher as the external engine (--speech=speechd); on Windows only SAPI 5,
// in the external engine's place (--speech=sapi), which it then speaks with unless
// told to be silent. Constants, so that the command line knows them before speech starts.
#ifdef _WIN32
inline constexpr bool kOwnSynthesizerAvailable = false;
inline constexpr const char* kExternalSpeechName = "sapi";
#else
inline constexpr bool kOwnSynthesizerAvailable = true;
inline constexpr const char* kExternalSpeechName = "speechd";
#endif

// speed: 1 to 5, or 0 to take it from the configuration. soundDir: where the program's
// recordings (key + ".wav") live; empty keeps the one given before (the line editor's
// Ctrl+F4 restarts speech at a new speed that way).
// With --speech=none nothing is heard; otherwise a synthesizer that can not start
// shows its error, waits for Enter and ends the program.
// Called again, spkStart(0, "") applies a changed configuration at once: speed,
// engine, voice and the letters directory are read anew.
void spkStart(int speed, const std::string& soundDir);
// True when the configuration (or the command line) asked the last spkStart for the
// external engine and it could not be reached: the own synthesizer speaks instead.
bool spkExternalEngineMissing();
// The external engine's voices of the language in use, counted from 1 as SERVFALA/VOZ
// counts them; empty when speech is off or the speech server does not answer.
std::vector<std::string> spkExternalVoices();
// Waits until nothing sounds (a key cuts it short), then shuts speech and sound down.
void spkFinish();
void spkSay(std::string_view text);
void spkWrite(std::string_view text);
void spkWriteLine(std::string_view text);
void spkWriteNumber(long value);
void spkSpell(std::string_view text);
bool spkRecordingExists(std::string_view name);
void spkPlayRecording(std::string_view name);
// Plays the letter recording of one character (or speaks it when there is none).
void spkPlayLetter(char32_t ch);
bool spkBusy();
void spkStop();
void spkClick();
void spkTick();
// The looping square-wave tone of the Braille typing modes, for that long (0 or less:
// until stopped), after any tone still sounding. A frequency of 0 stops the tones.
void spkTone(int hertz, int milliseconds);
void spkBeep();
char32_t spkGetKeyEcho();
