#include "shell/program.h"

#include "console/console.h"
#include "console/keys.h"
#include "console/speech.h"
#include "shell/version.h"

int runInteractive(const std::vector<std::string>&) {
  spkWriteLine(std::string("Pontelix - ") + kPontelixVersion);
  while (conGetKey() != key::kEsc) {
  }
  return 0;
}
