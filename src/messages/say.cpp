// Writing and hearing catalogue messages, and the texts built from them.
#include <string>

#include "platform/config/config.h"
#include "platform/console.h"
#include "platform/speech.h"
#include "platform/text/file_failure.h"
#include "platform/text/text.h"
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

void sayOutcome(const Outcome& outcome) {
  for (const Telling& t : outcome.told) {
    if (t.key.empty()) {
      spkWriteLine(t.text);
    } else {
      sayMessage(t.key, t.lineEnds);
    }
  }
}

int writeOutcome(const Outcome& outcome, std::FILE* out) {
  // One line a text, as the transcript writes what is heard.
  for (const Telling& t : outcome.told) writeTextLine(out, t.key.empty() ? t.text : messageText(t.key));
  return static_cast<int>(outcome.told.size());
}

void writeTextLine(std::FILE* out, std::string_view text) {
  std::fprintf(out, "%s\n", shownLine(asUtf8(text)).c_str());
}

void sayNotImplemented() {
  spkWriteLine(messageText("PXNIMPL"));
  conWriteLine();
}

std::string unreadConfigurationText() {
  const CfgProblem problem = cfgReadProblem();
  if (problem.path.empty()) return {};
  return withValues(messageText("PXCFGNLDS"), {problem.path, fileFailureReason(problem.error)});
}
