#include "shell/console_launch.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/text/file_failure.h"
#include "platform/text/text.h"
#include "messages/messages.h"
#include "shell/command_line.h"
#include "shell/install_layout.h"

int runConsoleProgram(char** argv) {
  const std::vector<std::string> candidates = consoleProgramCandidates();
  for (const std::string& program : candidates) {
    execv(program.c_str(), argv);
    if (errno != ENOENT) {
      std::fprintf(stderr, "pontelix: %s\n",
                   withValues(messageText("PXNAOINI"), {program, fileFailureReason(errno)}).c_str());
      return kUsageError;
    }
  }
  std::string places;
  for (const std::string& program : candidates) places += (places.empty() ? "" : ", ") + program;
  std::fprintf(stderr, "pontelix: %s\n", withValues(messageText("PXNAOINT"), {places}).c_str());
  return kUsageError;
}
