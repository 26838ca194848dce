#include "platform/speech/recordings.h"

#include <sys/stat.h>

#include "platform/text/language.h"
#include "platform/text/text.h"

namespace {

std::string gSoundDir = "./";
std::string gLettersDir = "c:/tramhome/som/letras/";

std::string withFinalSlash(std::string dir) {
  if (dir.empty() || dir.back() != '/') dir += '/';
  return dir;
}

}  // namespace

void recSetDirectories(const std::string& soundDir, const std::string& lettersDir) {
  gSoundDir = withFinalSlash(soundDir);
  gLettersDir = withFinalSlash(lettersDir);
}

std::string recordingPath(std::string_view name) {
  std::string dir = !name.empty() && name[0] == '_' ? gLettersDir : gSoundDir;
  // The recordings are Portuguese speech; another language keeps its own in a subfolder
  // named by its code, and without them its texts are synthesized.
  if (currentLanguage() != Language::Portuguese) dir += std::string(languageCode(currentLanguage())) + "/";
  return dir + std::string(name) + ".wav";
}

bool recordingExists(std::string_view name) {
  struct stat info {};
  return !name.empty() && stat(recordingPath(name).c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool isSilentCharacter(char32_t ch) { return (ch >= 1 && ch <= 11) || (ch >= 13 && ch <= 31); }

std::string letterRecordingName(char32_t ch) {
  // The recordings were named by their Windows-1252 codes; a character that code page
  // lacks is named by its Unicode code point.
  const int legacy = unicodeToCp1252(ch);
  const std::string own = "_" + std::to_string(legacy >= 0 ? static_cast<long>(legacy) : static_cast<long>(ch));
  if (recordingExists(own)) return own;
  if (recordingExists("_unknown")) return "_unknown";
  return {};
}
