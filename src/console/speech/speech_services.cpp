// Speech services without an engine: everything that would be heard is written to the
// transcript and nothing sounds. The real engines and the audio output replace the
// bodies below; callers see no difference.
#include <string>

#include "console/console.h"
#include "console/speech.h"
#include "console/transcript.h"

void spkStart(int, const std::string&) {}
void spkFinish() {}

void spkSay(std::string_view text) { transcriptEvent("say", text); }

void spkWrite(std::string_view text) {
  conWrite(text);
  spkSay(text);
}

void spkWriteLine(std::string_view text) {
  spkWrite(text);
  conWriteLine();
}

void spkWriteNumber(long value) { spkWrite(std::to_string(value)); }

void spkSpell(std::string_view text) { transcriptEvent("spell", text); }

bool spkRecordingExists(std::string_view) { return false; }

void spkPlayRecording(std::string_view name) { transcriptEvent("play", std::string(name) + ".wav"); }

void spkPlayLetter(unsigned char ch) { transcriptEvent("spell", std::string(1, static_cast<char>(ch))); }

bool spkBusy() { return false; }
void spkStop() {}

void spkClick() {
  conFlushKeys();
  transcriptEvent("click");
}

void spkTick() { transcriptEvent("tick"); }

void spkTone(int hertz, int) {
  if (hertz > 0) transcriptEvent("tone", std::to_string(hertz));
}

void spkBeep() { transcriptEvent("beep"); }

unsigned char spkGetKeyEcho() {
  const unsigned char ch = conGetKey();
  spkStop();
  spkPlayLetter(ch);
  return ch;
}
