// Writing and hearing catalogue messages.
#include <string>

#include "console/console.h"
#include "console/speech.h"
#include "messages/messages.h"

void sayMessage(std::string_view key, int lineEnds) {
  const std::string text = messageText(key);
  if (lineEnds >= 0) conWrite(text);
  for (int i = 0; i < lineEnds; ++i) conWriteLine();

  const std::string effect = "EF_" + std::string(key);
  if (spkRecordingExists(effect)) spkPlayRecording(effect);
  // A recording replaces the synthesized text; it is never heard twice.
  if (spkRecordingExists(key))
    spkPlayRecording(key);
  else
    spkSay(text);
}

void sayNotImplemented() {
  spkWriteLine(messageText("PXNIMPL"));
  conWriteLine();
}
