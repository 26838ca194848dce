#include "shell/console_launch.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "shell/command_line.h"

namespace {

// The folder of the running executable, with its final "/"; empty when the kernel
// does not tell (no /proc).
std::string ownFolder() {
  std::string path(4096, '\0');
  const ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
  if (length <= 0 || static_cast<size_t>(length) >= path.size()) return {};
  path.resize(static_cast<size_t>(length));
  return path.substr(0, path.rfind('/') + 1);
}

}  // namespace

int runConsoleProgram(char** argv) {
  const std::string folder = ownFolder();
  if (folder.empty()) {
    std::fprintf(stderr, "pontelix: n\xc3\xa3o foi poss\xc3\xadvel saber onde est\xc3\xa1 o programa interativo (%s)\n",
                 kConsoleProgramName);
    return kUsageError;
  }
  const std::string program = folder + kConsoleProgramName;
  execv(program.c_str(), argv);
  if (errno == ENOENT) {
    std::fprintf(stderr,
                 "pontelix: o programa interativo n\xc3\xa3o foi encontrado: %s\n"
                 "(ele \xc3\xa9 instalado ao lado de pontelix; os comandos render e braille funcionam sem ele)\n",
                 program.c_str());
  } else {
    std::fprintf(stderr, "pontelix: n\xc3\xa3o foi poss\xc3\xadvel iniciar o programa interativo %s: %s\n",
                 program.c_str(), std::strerror(errno));
  }
  return kUsageError;
}
