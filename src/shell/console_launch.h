#pragma once
// The interactive program is its own executable, pontelix-console, built beside
// pontelix and installed among the internal programs, so that the batch commands load
// none of its libraries (frontends, speech, sound, spooler) and start at once.

constexpr const char* kConsoleProgramName = "pontelix-console";

// Replaces this process with pontelix-console (see consoleProgramCandidates), with the
// same arguments (argv as main received it). Returns only when that failed, after
// saying why on standard error; the result is the exit status. Windows replaces no
// process: there pontelix-console.exe runs as a child, waited for, and its exit status
// is returned (console_launch_windows.cpp).
int runConsoleProgram(char** argv);
