#include "shell/program.h"

#include "console/config.h"
#include "console/console.h"
#include "console/keys.h"
#include "console/speech.h"
#include "shell/version.h"

int runInteractive(const std::vector<std::string>&) {
  spkStart(0, cfgProgramFolder());
  spkWriteLine(std::string("Pontelix - ") + kPontelixVersion);
  while (conGetKey() != key::kEsc) {
  }
  spkFinish();
  return 0;
}
