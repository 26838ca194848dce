#include "platform/config/config_folders.h"

#include <cstdlib>

std::string defaultUserFolder() {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  if (xdg && *xdg) return std::string(xdg) + "/tramel";
  const char* home = std::getenv("HOME");
  return std::string(home && *home ? home : ".") + "/.config/tramel";
}

std::string defaultSystemFolder() { return "/etc/tramel"; }
