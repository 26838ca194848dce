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
// One value the user sets, for cfgWriteValues.
struct CfgValue {
  std::string section, key, value;
};
// Sets the values in the user's own Tramel.ini (the user folder under the user's
// configuration home, even while the system file stands in for it: its lines are
// then the starting point) and saves it once, through the atomic writer, keeping every
// other line as it was. Returns 0, or the errno of the failure, when the old file is
// left whole. A starting point that could not be read (see cfgReadProblem) is never
// replaced: its errno is returned and nothing is written.
int cfgWriteValues(const std::vector<CfgValue>& values);
// A Tramel.ini in use that is there but could not be read: a pipe, a device, a folder,
// a file beyond kMaxIniFileBytes, one the user may not read. Its keys then read as
// empty, so every setting takes its default, and nothing is written over it.
struct CfgProblem {
  std::string path;  // empty when every file in use was read or is missing
  int error = 0;
};
CfgProblem cfgReadProblem();
// The "@" expansions of a raw configuration value, as cfgReadValue applies them.
std::string cfgExpandValue(std::string value);
// A whole decimal number, blanks around it allowed: true and the number, or false for
// anything else (an empty text, "3a", "2.5", a number beyond int).
bool cfgWholeNumber(const std::string& text, int& value);
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
