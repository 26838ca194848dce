#include "platform/transcript.h"

#include <cstdio>

#include "platform/text/text.h"

namespace {
std::FILE* gFile = nullptr;
TranscriptListener gListener;

void writeLine(const std::string& line) {
  if (!gFile) return;
  std::fwrite(line.data(), 1, line.size(), gFile);
  std::fputc('\n', gFile);
  // Flushed at once: the program may end by a key script running out or a signal.
  std::fflush(gFile);
}
}  // namespace

bool transcriptOpen(const std::string& utf8Path) {
  transcriptClose();
  if (utf8Path.empty()) return true;
  gFile = std::fopen(utf8Path.c_str(), "wb");
  return gFile != nullptr;
}

void transcriptClose() {
  if (gFile) std::fclose(gFile);
  gFile = nullptr;
}

bool transcriptActive() { return gFile != nullptr; }

void transcriptSetListener(TranscriptListener listener) { gListener = std::move(listener); }

void transcriptEvent(std::string_view kind) {
  if (gListener) gListener(kind, {});
  writeLine(std::string(kind));
}

void transcriptEvent(std::string_view kind, std::string_view utf8Text) {
  // A line end inside the text would break the one-event-per-line format, and an escape
  // sequence from a script or a file name would run in the terminal that shows it.
  const std::string text = shownLine(asUtf8(utf8Text));
  if (gListener) gListener(kind, text);
  writeLine(std::string(kind) + ": " + text);
}
