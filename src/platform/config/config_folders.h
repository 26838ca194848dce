#pragma once
// Where Tramel.ini lives on each system (config_folders_posix.cpp and
// config_folders_windows.cpp).
#include <string>

// The user's folder: $XDG_CONFIG_HOME/tramel (normally ~/.config/tramel) on Linux,
// %APPDATA%\Pontelix on Windows.
std::string defaultUserFolder();
// The folder that stands in for the Windows directory of old installations: /etc/tramel
// on Linux; on Windows the program's own folder.
std::string defaultSystemFolder();
