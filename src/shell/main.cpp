// pontelix: the command line. The batch commands, the help and the version are answered
// here; every other command line runs the interactive program, pontelix-console, so
// that a batch run loads only the libraries that drawing and image files need.
#include <string_view>

#include "language/braille_command.h"
#include "shell/batch_run.h"
#include "shell/check_command.h"
#include "shell/command_line.h"
#include "shell/console_launch.h"
#include "shell/render_command.h"

int main(int argc, char** argv) {
  const auto guarded = [&](std::string_view command, int (*run)(int, char**)) {
    return runGuardedBatch(command, [&] { return run(argc - 1, argv + 1); });
  };
  if (argc > 1 && std::string_view(argv[1]) == "render") return guarded("render", runRenderCommand);
  if (argc > 1 && std::string_view(argv[1]) == "braille") return guarded("braille", runBrailleCommand);
  if (argc > 1 && std::string_view(argv[1]) == "check") return guarded("check", runCheckCommand);
  // print reaches the print service, whose libraries only pontelix-console loads.
  if (argc > 1 && std::string_view(argv[1]) == "print") return runConsoleProgram(argv);
  // The display only sets the default interface, which matters to pontelix-console alone.
  const CommandLine cl = parseCommandLine(argc, argv, false);
  if (cl.action != CommandLine::Action::Run) return answerCommandLine(cl);
  return runConsoleProgram(argv);
}
