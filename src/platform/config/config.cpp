// Tramel.ini: the user folder's file, the system folder standing in for the Windows
// directory, and the "@" expansions of values.
#include "platform/config/config.h"

#include <sys/stat.h>

#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <functional>

#include "platform/config/config_folders.h"
#include "platform/config/folder_lock.h"
#include "platform/config/ini_cache.h"
#include "platform/text/program_file.h"

namespace {

constexpr const char* kIniName = "Tramel.ini";
// Bounds the "@\" expansion, whose replacement may itself hold "@\".
constexpr int kMaxExpansions = 16;

bool gLegacy = false;
std::string gSystemFolder = defaultSystemFolder();

// Something is there, also what can't be read as a file (a pipe, a device, a folder):
// it is then refused with its reason, never passed over for another file.
bool fileExists(const std::string& path) {
  struct stat st{};
  return ::stat(path.c_str(), &st) == 0;
}

// A file that is there but could not be read: writing it would replace lines never seen.
bool unread(const CachedIni& file) { return file.error != 0 && file.error != ENOENT; }

std::string userIniPath() { return cfgUserFolder() + "/" + kIniName; }
std::string systemIniPath() { return gSystemFolder + "/" + kIniName; }

// Sets the values in the lines of `from` and saves them as `to`, unless `from` is there
// but could not be read. Only the values are this program's: the rest of the file is
// taken as it is on disk at this moment (the cache reads it again when it changed),
// under the lock of `to`'s folder, so that another Pontelix setting its own keys at the
// same time is neither overwritten nor overwrites. `from` is named under the lock too:
// the other writer may just have made the user's own file.
int setAndSave(const std::function<std::string()>& from, const std::string& to, const std::vector<CfgValue>& values) {
  const std::string folder = std::filesystem::path(to).parent_path().string();
  if (const int error = makeFolders(folder); error != 0) return error;
  const FolderLock lock(folder);
  const std::string source = from();
  const CachedIni& read = cachedIni(source);
  if (unread(read)) return read.error;
  IniFile ini = read.ini;
  for (const CfgValue& v : values) ini.set(v.section, v.key, v.value);
  const int error = ini.save(to);
  forgetCachedIni(source);
  forgetCachedIni(to);
  return error;
}

std::string slashes(std::string value) {
  for (char& c : value) {
    if (c == '\\') c = '/';
  }
  return value;
}

std::string readRaw(const std::string& section, const std::string& key) {
  std::string value;
  cachedIni(userIniPath()).ini.find(section, key, value);
  if (value.empty() && gLegacy) cachedIni(systemIniPath()).ini.find(section, key, value);
  return slashes(value);
}

void replaceAll(std::string& s, const std::string& from, const std::string& to) {
  for (size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size())) {
    s.replace(at, from.size(), to);
  }
}

std::string withoutFinalSlash(std::string dir) {
  while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
  return dir;
}

std::string ownUserFolder() { return defaultUserFolder(); }

}  // namespace

std::string cfgUserFolder() {
  const std::string user = ownUserFolder();
  if (!fileExists(user + "/" + kIniName) && fileExists(gSystemFolder + "/" + kIniName)) {
    return gSystemFolder;
  }
  return user;
}

std::string cfgProgramFolder() {
  const std::string program = ownProgramFile();
  if (program.empty()) return ".";
  return std::filesystem::path(program).parent_path().string();
}

std::string cfgReadValue(const std::string& section, const std::string& key) {
  return cfgExpandValue(readRaw(section, key));
}

std::string cfgExpandValue(std::string value) {
  value = slashes(std::move(value));
  if (value == "@") return cfgProgramFolder();
  if (value.find('@') == std::string::npos) return value;
  for (int round = 0; round < kMaxExpansions && value.find("@/") != std::string::npos; ++round) {
    replaceAll(value, "@@/", withoutFinalSlash(cfgUserFolder()) + "/");
    std::string suite = readRaw("TRAMEL", "PGMTRAMEL");
    if (suite.empty() || suite[0] == '@') suite = cfgProgramFolder();
    replaceAll(value, "@/", withoutFinalSlash(suite) + "/");
  }
  return value;
}

std::vector<std::string> cfgReadSection(const std::string& section, const std::string& iniFile) {
  const std::string path = std::filesystem::path(iniFile).is_absolute() ? iniFile : cfgUserFolder() + "/" + iniFile;
  const IniFile& ini = cachedIni(path).ini;
  return section.empty() ? ini.sections() : ini.keys(section);
}

void cfgWriteDefault(const std::string& section, const std::string& key, const std::string& value) {
  // A folder that can not be written (the system folder, a read-only home) or a file
  // that could not be read leaves the file as it was: the default still applies in
  // memory through the caller.
  const std::string userPath = userIniPath();
  setAndSave([&] { return userPath; }, userPath, {{section, key, value}});
  const std::string systemPath = systemIniPath();
  if (gLegacy && systemPath != userPath && fileExists(systemPath)) {
    setAndSave([&] { return systemPath; }, systemPath, {{section, key, value}});
  }
}

int cfgWriteValues(const std::vector<CfgValue>& values) {
  return setAndSave(userIniPath, ownUserFolder() + "/" + kIniName, values);
}

CfgProblem cfgReadProblem() {
  for (const std::string& path : {userIniPath(), systemIniPath()}) {
    if (const CachedIni& file = cachedIni(path); unread(file)) return {path, file.error};
    if (!gLegacy) break;
  }
  return {};
}

bool cfgWholeNumber(const std::string& text, int& value) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return false;
  const char* begin = text.data() + first;
  const char* end = text.data() + text.find_last_not_of(' ') + 1;
  int number = 0;
  const auto [stop, error] = std::from_chars(begin, end, number);
  if (error != std::errc() || stop != end) return false;
  value = number;
  return true;
}

bool cfgStartsWithS(const std::string& value) { return !value.empty() && (value[0] == 'S' || value[0] == 's'); }

void cfgSetLegacyMode(bool on) { gLegacy = on; }
bool cfgLegacyMode() { return gLegacy; }
std::string cfgSystemFolder() { return gSystemFolder; }
void cfgSetSystemFolder(const std::string& folder) { gSystemFolder = folder; }
