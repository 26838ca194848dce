#include "shell/console_launch.h"

#include <process.h>

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

}  // namespace

int runConsoleProgram(char** argv) {
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
