// The pontelix command: the interactive program, or one of the batch subcommands.
#include <cstdio>
#include <cstring>
#include <string_view>

#include "language/braille_command.h"
#include "shell/version.h"

namespace {

void printHelp() {
  std::printf(
      "Pontelix %s - gráficos táteis falados\n"
      "\n"
      "Uso:\n"
      "  pontelix [PROJETO]                 programa interativo\n"
      "  pontelix --version                 versão\n"
      "  pontelix --help                    esta ajuda\n",
      kPontelixVersion);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::string_view(argv[1]) == "braille") return runBrailleCommand(argc - 1, argv + 1);
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      printHelp();
      return 0;
    }
    if (arg == "--version") {
      std::printf("Pontelix %s\n", kPontelixVersion);
      return 0;
    }
  }
  printHelp();
  return 0;
}
