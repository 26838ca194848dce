#pragma once
// The front end that walks a text before the suite's own synthesizer speaks it: leading
// zeros play the recording "_zero", long numbers and numbers with "-" are spelled,
// punctuation gives pauses, and long runs of one character give ticks.
#include <string>
#include <string_view>
#include <vector>

struct SpeechStep {
  enum class Kind { Words, Recording, Spell, Pause, Tick };
  Kind kind = Kind::Words;
  std::string text;  // Words: what to synthesize; Recording: its name; Spell: the characters
  int milliseconds = 0;  // Pause only
  bool operator==(const SpeechStep&) const = default;
};

struct SpeechPauses {
  int comma = 150;  // after "," or "-" followed by a blank
  int stop = 250;   // after "." followed by a blank
  int colon = 200;  // after "(", ")", ":" or ";"
};

// Numbers of up to this many digits (leading zeros apart) are spoken as words.
constexpr size_t kMaxSpokenDigits = 6;

std::vector<SpeechStep> planSpeech(std::string_view text, const SpeechPauses& pauses);
