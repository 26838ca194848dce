#pragma once
// Where recordings are: a name starting with "_" in the letters directory, any other in
// the program's sound directory, always name + ".wav"; in English, in the subfolder "en"
// of either directory (Portuguese uses the directories themselves). Names and paths are
// bytes as the file system takes them.
#include <string>
#include <string_view>

void recSetDirectories(const std::string& soundDir, const std::string& lettersDir);
std::string recordingPath(std::string_view name);
bool recordingExists(std::string_view name);
// Codes 1 to 11 and 13 to 31 have no letter recording and are never heard.
bool isSilentCharacter(char32_t ch);
// A character's letter recording ("_" + its code), else "_unknown"; empty when neither
// file exists.
std::string letterRecordingName(char32_t ch);
