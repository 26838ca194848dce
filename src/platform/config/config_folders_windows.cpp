#include "platform/config/config_folders.h"

#include <cstdlib>
#include <filesystem>

#include "platform/text/program_file.h"

std::string defaultUserFolder() {
  // APPDATA is the roaming folder that Windows sets for every user; without it the
  // current folder is used, as on Linux without HOME.
  const char* appData = std::getenv("APPDATA");
  return std::string(appData && *appData ? appData : ".") + "\\Pontelix";
}

std::string defaultSystemFolder() {
  const std::string program = ownProgramFile();
  return program.empty() ? "." : std::filesystem::path(program).parent_path().string();
}
