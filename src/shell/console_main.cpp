// pontelix-console, the interactive program: parses the command line, installs the
// platform's speech and sound, sets up the console's frontend and the transcript, and
// runs the program. pontelix starts it for every command line that is not a batch
// command, the help or the version; and for the print command, which needs the print
// service's libraries that pontelix does without.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string_view>

#include "platform/braille_display/braille_display.h"
#include "platform/console.h"
#include "platform/text/file_write.h"
#include "platform/text/standard_streams.h"
#include "platform/text/text.h"
#include "platform/frontend.h"
#include "platform/frontends/default_ui.h"
#include "platform/frontends/headless.h"
#include "platform/frontends/terminal.h"
#include "platform/frontends/window.h"
#include "platform/config/options.h"
#include "platform/platform_backends.h"
#include "platform/screen.h"
#include "platform/transcript.h"
#include "messages/messages.h"
#include "render/image_writer.h"
#include "shell/batch_run.h"
#include "shell/command_line.h"
#include "shell/language_choice.h"
#include "shell/print_command.h"
#include "shell/program.h"

namespace {

std::string gScreenFile;
std::string gPictureFile;
std::string gBrailleDisplayFile;

// The last picture the console's overlay showed (--picture): 0x00RRGGBB, top row first.
struct ShownPicture {
  int width = 0, height = 0;
  std::vector<std::uint32_t> pixels;
};
ShownPicture gShownPicture;

void keepShownPicture(const ConPicture& shown) {
  gShownPicture.width = shown.width;
  gShownPicture.height = shown.height;
  gShownPicture.pixels = *shown.pixels;
}

// No picture shown, no file.
bool writeShownPicture() {
  if (gShownPicture.width == 0) return true;
  const PixelView view{gShownPicture.width, gShownPicture.height, gShownPicture.width, gShownPicture.pixels.data()};
  return replaceFileAtomically(gPictureFile, [&](const ByteSink& sink) { return writePng(view, sink); }) == 0;
}

void sayNotWritten(const std::string& path) {
  std::fprintf(stderr, "pontelix: %s\n", withValues(messageText("PXNAOGRVF"), {shownLine(path)}).c_str());
}

bool writeBrailleDisplayRecord() {
  std::string text;
  for (const std::string& line : conBrailleDisplayRecord()) text += line + "\n";
  return replaceFileAtomically(gBrailleDisplayFile, text) == 0;
}

// What must survive however the program ends: the screen file, the picture, what the
// braille display showed and the transcript.
void finish() {
  if (!gScreenFile.empty() && !conWriteScreenFile(gScreenFile)) sayNotWritten(gScreenFile);
  if (!gPictureFile.empty() && !writeShownPicture()) sayNotWritten(gPictureFile);
  if (!gBrailleDisplayFile.empty() && !writeBrailleDisplayRecord()) sayNotWritten(gBrailleDisplayFile);
  transcriptClose();
}

std::unique_ptr<Frontend> makeHeadless(const CommandLine& cl, std::string& error) {
  std::string script;
  if (!cl.keysFile.empty()) {
    std::ifstream in(cl.keysFile, std::ios::binary);
    if (!in) {
      error = withValues(messageText("PXNAOLERF"), {cl.keysFile});
      return nullptr;
    }
    std::stringstream text;
    text << in.rdbuf();
    script = text.str();
  }
  std::vector<KeyCodes> keys;
  if (!parseKeyScript(script, keys, error)) {
    error = cl.keysFile + ": " + error;
    return nullptr;
  }
  PictureListener onPicture;
  if (!cl.pictureFile.empty()) onPicture = keepShownPicture;
  return makeHeadlessFrontend(std::move(keys), std::move(onPicture));
}

// Builds the frontend the command line chose; on failure returns null with `error` set.
std::unique_ptr<Frontend> makeFrontend(const CommandLine& cl, std::string& error) {
  switch (cl.options.ui) {
    case UiChoice::Headless:
      return makeHeadless(cl, error);
    case UiChoice::Window:
      return makeWindowFrontend(error);
    case UiChoice::Terminal:
      return makeTerminalFrontend(error);
  }
  return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  useBinaryStandardStreams();
  std::string languageError;
  if (!chooseLanguage(argc, argv, languageError)) {
    std::fprintf(stderr, "pontelix: %s\n", shownLine(languageError).c_str());
    return kUsageError;
  }
  if (argc > 1 && std::string_view(argv[1]) == "print")
    return runGuardedBatch("print", [&] { return runPrintCommand(argc - 1, argv + 1); });
  CommandLine cl = parseCommandLine(argc, argv, displayAnnounced());
  if (cl.action != CommandLine::Action::Run) return answerCommandLine(cl);
  if (const std::string clash = commandLineOutputClash(cl); !clash.empty()) {
    std::fprintf(stderr, "pontelix: %s\n", clash.c_str());
    return kUsageError;
  }
  if (!cl.uiGiven) {
    const std::optional<UiChoice> ui = defaultUi();
    if (!ui) {
      std::fprintf(stderr, "pontelix: %s\n", messageText("PXSEMUI").c_str());
      return kUsageError;
    }
    cl.options.ui = *ui;
  }
  conSetOptions(cl.options);
  installPlatformBackends();
  if (cl.options.ui == UiChoice::Headless) {
    // A run from a key script must not depend on a braille display that happens to be
    // connected: headless, the only display is the recorded one (--braille-display).
    PlatformBackends backends = platformBackends();
    backends.takeBrailleDisplay = nullptr;
    setPlatformBackends(backends);
  }
  std::string error;
  std::unique_ptr<Frontend> frontend = makeFrontend(cl, error);
  if (!frontend) {
    std::fprintf(stderr, "pontelix: %s\n", shownLine(error).c_str());
    return kUsageError;
  }
  if (!transcriptOpen(cl.transcriptFile)) {
    std::fprintf(stderr, "pontelix: %s\n", withValues(messageText("PXNAOCRIA"), {shownLine(cl.transcriptFile)}).c_str());
    return kUsageError;
  }
  gScreenFile = cl.screenFile;
  gPictureFile = cl.pictureFile;
  gBrailleDisplayFile = cl.brailleDisplayFile;
  conRecordBrailleDisplay(!gBrailleDisplayFile.empty());
  conSetFrontend(std::move(frontend));
  conSetEndHandler([](int) { finish(); });
  conStartServices();
  const int status = runInteractive(cl.args);
  finish();
  return status;
}
