// pontelix: the command line. The batch commands, the help and the version are answered
// here; every other command line runs the interactive program, pontelix-console, so
// that a batch run loads only the libraries that drawing and image files need.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text/standard_streams.h"
#include "platform/text/text.h"

#include "language/braille_command.h"
#include "shell/batch_run.h"
#include "shell/check_command.h"
#include "shell/command_line.h"
#include "shell/console_launch.h"
#include "shell/language_choice.h"
#include "shell/render_command.h"

int main(int argc, char** argv) {
  useBinaryStandardStreams();
  // pontelix-console gets the arguments as they came and chooses the language itself.
  std::vector<char*> args(argv, argv + argc + 1);
  int count = argc;
  std::string error;
  if (!chooseLanguage(count, args.data(), error)) {
    std::fprintf(stderr, "pontelix: %s\n", shownLine(error).c_str());
    return kUsageError;
  }
  const auto guarded = [&](std::string_view command, int (*run)(int, char**)) {
    return runGuardedBatch(command, [&] { return run(count - 1, args.data() + 1); });
  };
  const std::string_view command = count > 1 ? args[1] : "";
  if (command == "render") return guarded("render", runRenderCommand);
  if (command == "braille") return guarded("braille", runBrailleCommand);
  if (command == "check") return guarded("check", runCheckCommand);
  // print reaches the print service, whose libraries only pontelix-console loads.
  if (command == "print") return runConsoleProgram(argv);
  // The display only sets the default interface, which matters to pontelix-console alone.
  const CommandLine cl = parseCommandLine(count, args.data(), false);
  if (cl.action != CommandLine::Action::Run) return answerCommandLine(cl);
  return runConsoleProgram(argv);
}
