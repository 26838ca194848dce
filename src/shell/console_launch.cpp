#include "shell/console_launch.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/text/file_failure.h"
#include "platform/text/text.h"
#include "shell/command_line.h"
#include "shell/install_layout.h"

int runConsoleProgram(char** argv) {
  const std::vector<std::string> candidates = consoleProgramCandidates();
  for (const std::string& program : candidates) {
    execv(program.c_str(), argv);
    if (errno != ENOENT) {
      std::fprintf(stderr, "pontelix: n\xc3\xa3o foi poss\xc3\xadvel iniciar o programa interativo %s: %s\n",
                   program.c_str(), asUtf8(fileFailureReason(errno)).c_str());
      return kUsageError;
    }
  }
  std::string places;
  for (const std::string& program : candidates) places += (places.empty() ? "" : " nem ") + program;
  std::fprintf(stderr,
               "pontelix: o programa interativo n\xc3\xa3o foi encontrado: %s\n"
               "(ele \xc3\xa9 instalado com pontelix; os comandos render e braille funcionam sem ele)\n",
               places.c_str());
  return kUsageError;
}
