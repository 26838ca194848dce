#pragma once
// The pontelix command line.
#include <string>
#include <vector>

#include "console/options.h"

struct CommandLine {
  enum class Action { Run, Help, Version, Error } action = Action::Run;
  ConOptions options;
  bool uiGiven = false;
  std::string keysFile;        // UTF-8 paths, as given
  std::string transcriptFile;
  std::string screenFile;
  std::vector<std::string> args;  // the remaining arguments, Windows-1252
  std::string error;              // UTF-8, for Action::Error
};

// argv[0] is skipped. Without --ui the window is chosen when a display is available
// (hasDisplay), the terminal otherwise.
CommandLine parseCommandLine(int argc, const char* const* argv, bool hasDisplay);
std::string commandLineHelp();
