// The pontelix command: parses the command line, sets up the console's frontend and the
// transcript, and runs the interactive program.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>

#include "console/console.h"
#include "console/frontend.h"
#include "console/frontends/default_ui.h"
#include "console/frontends/headless.h"
#include "console/frontends/terminal.h"
#include "console/frontends/window.h"
#include "console/options.h"
#include "console/screen.h"
#include "console/transcript.h"
#include "language/braille_command.h"
#include "shell/command_line.h"
#include "shell/program.h"
#include "shell/render_command.h"
#include "shell/version.h"

namespace {

constexpr int kUsageError = 2;

std::string gScreenFile;

// What must survive however the program ends: the screen file and the transcript.
void finish() {
  if (!gScreenFile.empty() && !conWriteScreenFile(gScreenFile)) {
    std::fprintf(stderr, "pontelix: n\xc3\xa3o foi poss\xc3\xadvel gravar %s\n", gScreenFile.c_str());
  }
  transcriptClose();
}

std::unique_ptr<Frontend> makeHeadless(const CommandLine& cl, std::string& error) {
  std::string script;
  if (!cl.keysFile.empty()) {
    std::ifstream in(cl.keysFile, std::ios::binary);
    if (!in) {
      error = "n\xc3\xa3o foi poss\xc3\xadvel ler " + cl.keysFile;
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
  return makeHeadlessFrontend(std::move(keys));
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

bool hasDisplay() {
  const char* x = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  return (x && *x) || (wayland && *wayland);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::string_view(argv[1]) == "render") return runRenderCommand(argc - 1, argv + 1);
  if (argc > 1 && std::string_view(argv[1]) == "braille") return runBrailleCommand(argc - 1, argv + 1);
  CommandLine cl = parseCommandLine(argc, argv, hasDisplay());
  switch (cl.action) {
    case CommandLine::Action::Help:
      std::fputs(commandLineHelp().c_str(), stdout);
      return 0;
    case CommandLine::Action::Version:
      std::printf("Pontelix %s\n", kPontelixVersion);
      return 0;
    case CommandLine::Action::Error:
      std::fprintf(stderr, "pontelix: %s\n(veja pontelix --help)\n", cl.error.c_str());
      return kUsageError;
    case CommandLine::Action::Run:
      break;
  }
  if (!cl.uiGiven) {
    const std::optional<UiChoice> ui = defaultUi();
    if (!ui) {
      std::fprintf(stderr,
                   "pontelix: sem tela gr\xc3\xa1""fica e sem terminal; use --ui=headless --keys=ARQUIVO\n"
                   "(ou --ui=window, --ui=terminal; veja pontelix --help)\n");
      return kUsageError;
    }
    cl.options.ui = *ui;
  }
  conSetOptions(cl.options);
  std::string error;
  std::unique_ptr<Frontend> frontend = makeFrontend(cl, error);
  if (!frontend) {
    std::fprintf(stderr, "pontelix: %s\n", error.c_str());
    return kUsageError;
  }
  if (!transcriptOpen(cl.transcriptFile)) {
    std::fprintf(stderr, "pontelix: n\xc3\xa3o foi poss\xc3\xadvel criar %s\n", cl.transcriptFile.c_str());
    return kUsageError;
  }
  gScreenFile = cl.screenFile;
  conSetFrontend(std::move(frontend));
  conSetEndHandler([](int) { finish(); });
  conStartServices();
  const int status = runInteractive(cl.args);
  finish();
  return status;
}
