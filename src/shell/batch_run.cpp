// What the batch commands share: reading the script, running it without a sound.
#include "shell/batch_run.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "console/options.h"
#include "console/transcript.h"
#include "language/interpreter.h"
#include "render/figures.h"
#include "shell/project/projectfile.h"

namespace {

bool readAllOfStdin(std::string& bytes) {
  char buffer[65536];
  size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, stdin)) > 0) {
    bytes.append(buffer, got);
    if (bytes.size() > static_cast<size_t>(kMaxProjectFileBytes)) {
      errno = EFBIG;
      return false;
    }
  }
  return !std::ferror(stdin);
}

}  // namespace

bool readBatchScript(const std::string& name, std::vector<std::string>& lines, std::string& error) {
  ProjectText text;
  if (name == "-") {
    std::string bytes;
    if (!readAllOfStdin(bytes)) {
      error = std::string("n\xc3\xa3o foi poss\xc3\xadvel ler a entrada padr\xc3\xa3o: ") + std::strerror(errno);
      return false;
    }
    text = decodeProjectText(bytes);
  } else if (const int err = readProjectFile(name, text); err != 0) {
    error = "n\xc3\xa3o foi poss\xc3\xadvel ler " + name + ": " + std::strerror(err);
    return false;
  }
  lines = std::move(text.lines);
  return true;
}

SilentRun::SilentRun() {
  ConOptions options = conOptions();
  options.speech = SpeechChoice::None;
  conSetOptions(options);
  transcriptSetListener([](std::string_view kind, std::string_view text) {
    if (kind == "say" && !text.empty()) std::fprintf(stderr, "%.*s\n", static_cast<int>(text.size()), text.data());
  });
}

SilentRun::~SilentRun() { transcriptSetListener({}); }

bool drawBatchDrawing(bool testDrawing, const std::vector<std::string>& lines) {
  if (testDrawing) {
    renderTestDrawing();
    return true;
  }
  return runScript(lines, writtenScriptReports(stderr)) == ScriptOutcome::Completed;
}

