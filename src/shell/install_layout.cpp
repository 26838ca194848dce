#include "shell/install_layout.h"

#include <filesystem>

#include "platform/config/config.h"
#include "platform/text/language.h"
#include "shell/console_launch.h"

// The build sets these to the installation's folders relative to the folder of the
// programs (for example "../libexec/pontelix"); they do not depend on the prefix.
#ifndef PONTELIX_BIN_TO_LIBEXEC
#define PONTELIX_BIN_TO_LIBEXEC "../libexec/pontelix"
#endif
#ifndef PONTELIX_BIN_TO_DOC
#define PONTELIX_BIN_TO_DOC "../share/doc/pontelix"
#endif

std::vector<std::string> consoleProgramCandidates() {
  const std::filesystem::path folder = cfgProgramFolder();
  return {(folder / kConsoleProgramName).string(),
          (folder / PONTELIX_BIN_TO_LIBEXEC / kConsoleProgramName).lexically_normal().string()};
}

const char* referenceFileName() { return currentLanguage() == Language::English ? "commands.md" : "comandos.md"; }

std::string installedReference() {
  const std::filesystem::path reference =
      (std::filesystem::path(cfgProgramFolder()) / PONTELIX_BIN_TO_DOC / referenceFileName()).lexically_normal();
  std::error_code ec;
  return std::filesystem::is_regular_file(reference, ec) ? reference.string() : std::string();
}
