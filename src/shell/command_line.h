#pragma once
// The pontelix command line.
#include <string>
#include <vector>

#include "platform/config/options.h"

struct CommandLine {
  enum class Action { Run, Help, Version, Error } action = Action::Run;
  ConOptions options;
  bool uiGiven = false;
  std::string keysFile;        // UTF-8 paths, as given
  std::string transcriptFile;
  std::string screenFile;
  std::string pictureFile;
  std::string brailleDisplayFile;
  std::vector<std::string> args;  // the remaining arguments, as given
  std::string error;              // UTF-8, for Action::Error
};

// The exit status of a command line that can not be run.
constexpr int kUsageError = 2;

// argv[0] is skipped. Without --ui the window is chosen when a display is available
// (hasDisplay), the terminal otherwise.
CommandLine parseCommandLine(int argc, const char* const* argv, bool hasDisplay);
std::string commandLineHelp();

// Why an output the command line names (--transcript, --screen, --picture,
// --braille-display) must not be written: it is the project or the key script (UTF-8);
// empty when none is.
std::string commandLineOutputClash(const CommandLine& cl);

// For any action but Run: prints the help or the version to standard output, or the
// error to standard error, and returns the exit status.
int answerCommandLine(const CommandLine& cl);
