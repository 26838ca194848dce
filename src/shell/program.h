#pragma once
// The interactive program, run once the console's frontend and transcript are set up.
// args are the command-line arguments that are not options, in Windows-1252. Returns the
// process exit status.
#include <string>
#include <vector>

int runInteractive(const std::vector<std::string>& args);
