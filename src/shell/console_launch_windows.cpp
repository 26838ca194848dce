#include "shell/console_launch.h"

#include <process.h>
#include <windows.h>

#include <cerrno>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/text/file_failure.h"
#include "messages/messages.h"
#include "shell/command_line.h"
#include "shell/install_layout.h"

namespace {

// Windows hands a child one command line, which it splits again by its own rules: an
// argument with a blank, a tab or a quote goes in quotes, its quotes escaped, and the
// backslashes before a quote (or before the closing one) doubled.
std::string quoted(const std::string& arg) {
  if (!arg.empty() && arg.find_first_of(" \t\"") == std::string::npos) return arg;
  std::string out = "\"";
  size_t backslashes = 0;
  for (const char c : arg) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    out.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
    backslashes = 0;
    out += c;
  }
  out.append(backslashes * 2, '\\');
  return out + "\"";
}

// A program opened from the desktop (a double click, the Start menu) gets a console
// window of its own, the only process in it; from a command prompt it shares the
// prompt's. The talking program's own window is all its user needs: the console made
// for it is hidden, so that the screen reader meets one window, and closing that one
// cannot end the program with the drawing unsaved. The talking program inherits it,
// hidden, and a prompt's console is left as it is.
void hideConsoleMadeForUs() {
  DWORD processes[2];
  HWND console = GetConsoleWindow();
  if (console && GetConsoleProcessList(processes, 2) == 1) ShowWindow(console, SW_HIDE);
}

}  // namespace

int runConsoleProgram(char** argv) {
  hideConsoleMadeForUs();
  std::vector<std::string> args;
  for (char** a = argv; *a; ++a) args.push_back(quoted(*a));
  std::vector<const char*> pointers;
  for (const std::string& a : args) pointers.push_back(a.c_str());
  pointers.push_back(nullptr);
  std::string places;
  for (const std::string& candidate : consoleProgramCandidates()) {
    const std::string program = candidate + ".exe";
    const intptr_t status = _spawnv(_P_WAIT, program.c_str(), pointers.data());
    if (status != -1) return static_cast<int>(status);
    if (errno != ENOENT) {
      std::fprintf(stderr, "pontelix: %s\n",
                   withValues(messageText("PXNAOINI"), {program, fileFailureReason(errno)}).c_str());
      return kUsageError;
    }
    places += (places.empty() ? "" : ", ") + program;
  }
  std::fprintf(stderr, "pontelix: %s\n", withValues(messageText("PXNAOINT"), {places}).c_str());
  return kUsageError;
}
