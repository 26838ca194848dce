#pragma once
// The suite's shared configuration, Tramel.ini, read with profile semantics: section
// and key names compared without regard to case, the first matching key wins, a
// missing file or key reads as empty. No file is ever required.
#include <string>
#include <vector>

std::string cfgReadValue(const std::string& section, const std::string& key);
// Key names of a section, or every section name when section is empty.
std::vector<std::string> cfgReadSection(const std::string& section, const std::string& iniFile);
// Writes a default into the user's Tramel.ini (and the system one in legacy mode).
void cfgWriteDefault(const std::string& section, const std::string& key, const std::string& value);
// True when the value's first letter is S or s.
bool cfgStartsWithS(const std::string& value);
std::string cfgUserFolder();

// Legacy mode (TRAMEL/LEGADO, set when speech starts): empty values are also looked up
// in the system folder's Tramel.ini, and defaults are written there too.
void cfgSetLegacyMode(bool on);
bool cfgLegacyMode();
// The folder that stands in for the Windows directory (normally /etc/tramel).
std::string cfgSystemFolder();
void cfgSetSystemFolder(const std::string& folder);
// The directory of the running program, the value of "@" in configuration values.
std::string cfgProgramFolder();
