#include "shell/command_line.h"

#include <cstdio>
#include <string_view>

#include "platform/frontends/terminal.h"
#include "platform/speech.h"
#include "platform/text/file_read.h"
#include "platform/text/text.h"
#include "messages/messages.h"
#include "project/project.h"
#include "shell/install_layout.h"
#include "shell/version.h"

namespace {

bool takeValue(std::string_view arg, std::string_view name, std::string& value) {
  if (arg.size() <= name.size() || arg.substr(0, name.size()) != name || arg[name.size()] != '=') {
    return false;
  }
  value = std::string(arg.substr(name.size() + 1));
  return true;
}

CommandLine failure(CommandLine cl, std::string message) {
  cl.action = CommandLine::Action::Error;
  cl.error = std::move(message);
  return cl;
}

}  // namespace

CommandLine parseCommandLine(int argc, const char* const* argv, bool hasDisplay) {
  CommandLine cl;
  cl.options.ui = hasDisplay ? UiChoice::Window : UiChoice::Terminal;
  bool optionsEnded = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    std::string value;
    if (optionsEnded || arg.empty() || arg[0] != '-' || arg == "-") {
      // File names are bytes as the system gives them, in whatever encoding.
      cl.args.emplace_back(arg);
    } else if (arg == "--") {
      optionsEnded = true;
    } else if (arg == "--help" || arg == "-h") {
      cl.action = CommandLine::Action::Help;
      return cl;
    } else if (arg == "--version") {
      cl.action = CommandLine::Action::Version;
      return cl;
    } else if (takeValue(arg, "--ui", value)) {
      if (value == "window") cl.options.ui = UiChoice::Window;
      else if (value == "terminal") cl.options.ui = UiChoice::Terminal;
      else if (value == "headless") cl.options.ui = UiChoice::Headless;
      else return failure(cl, withValues(messageText("PXUIINV"), {value}));
      cl.uiGiven = true;
    } else if (takeValue(arg, "--speech", value)) {
      const bool own = kOwnSynthesizerAvailable;
      if (value == "espeak" && own) cl.options.speech = SpeechChoice::Espeak;
      else if (value == "speechd" || value == kExternalSpeechName) cl.options.speech = SpeechChoice::Speechd;
      else if (value == "none") cl.options.speech = SpeechChoice::None;
      else return failure(cl, withValues(messageText(own ? "PXSPKINV" : "PXSPKINVW"), {value}));
    } else if (takeValue(arg, "--keys", cl.keysFile) || takeValue(arg, "--transcript", cl.transcriptFile) ||
               takeValue(arg, "--screen", cl.screenFile) || takeValue(arg, "--picture", cl.pictureFile) ||
               takeValue(arg, "--braille-display", cl.brailleDisplayFile)) {
    } else {
      return failure(cl, withValues(messageText("PXOPDESC"), {arg}));
    }
  }
  if (!cl.keysFile.empty() && cl.options.ui != UiChoice::Headless) {
    return failure(cl, withValues(messageText("PXSOHDLS"), {"--keys"}));
  }
  if (!cl.pictureFile.empty() && cl.options.ui != UiChoice::Headless) {
    return failure(cl, withValues(messageText("PXSOHDLS"), {"--picture"}));
  }
  if (!cl.brailleDisplayFile.empty() && cl.options.ui != UiChoice::Headless) {
    return failure(cl, withValues(messageText("PXSOHDLS"), {"--braille-display"}));
  }
  if (cl.args.size() > 1) return failure(cl, withValues(messageText("PXMAISPRJ"), {cl.args[1]}));
  return cl;
}

std::string commandLineHelp() {
  std::string reference = installedReference();
  if (reference.empty()) reference = messageText("PXHLPREF");
  std::string help = withValues(messageText("PXHELP"), {versionText(), reference});
  if (!kTerminalFrontendAvailable) help += messageText("PXAJUDAWIN");
  return help;
}

std::string commandLineOutputClash(const CommandLine& cl) {
  const struct {
    const char* option;
    const std::string& path;
  } outputs[] = {{"--transcript", cl.transcriptFile},
                 {"--screen", cl.screenFile},
                 {"--picture", cl.pictureFile},
                 {"--braille-display", cl.brailleDisplayFile}};
  const std::string project = cl.args.empty() ? std::string() : projectPathOfArgument(cl.args[0]);
  for (const auto& output : outputs) {
    if (output.path.empty()) continue;
    const std::string named = std::string(output.option) + "=" + output.path;
    if (!project.empty() && sameFile(output.path, project))
      return withValues(messageText("PXSAIPRJ"), {named});
    if (!cl.keysFile.empty() && sameFile(output.path, cl.keysFile))
      return withValues(messageText("PXSAITEC"), {named});
  }
  return {};
}

int answerCommandLine(const CommandLine& cl) {
  switch (cl.action) {
    case CommandLine::Action::Help:
      std::fputs(commandLineHelp().c_str(), stdout);
      return 0;
    case CommandLine::Action::Version:
      std::printf("Pontelix %s\n", versionText().c_str());
      return 0;
    case CommandLine::Action::Error:
      std::fprintf(stderr, "pontelix: %s\n%s\n", shownLine(cl.error).c_str(), messageText("PXVEJAHLP").c_str());
      return kUsageError;
    case CommandLine::Action::Run:
      break;
  }
  return kUsageError;
}
