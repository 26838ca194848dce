#pragma once
// A profile (.ini) file read and written with the semantics the suite relies on: section
// and key names compared without regard to case, the first matching key wins, a missing
// file reads as empty. Texts are UTF-8; a Windows-1252 file is converted on reading, and
// written back in Windows-1252 while that code page holds every character.
#include <string>
#include <vector>

// A profile larger than this is no configuration: reading it is refused rather than
// holding it all in memory.
constexpr long long kMaxIniFileBytes = 4LL * 1024 * 1024;

// Makes the folder and those missing above it, each new folder's name flushed in its
// parent. Returns 0 or the errno of the failure.
int makeFolders(const std::string& folder);

struct IniFile {
  std::vector<std::string> lines;  // UTF-8, without line ends
  bool utf8 = true;                // how the file stores its non-ASCII text
  // How the file ends its lines, kept on saving so that the lines nobody set come
  // back byte for byte: CR LF unless every line of it ends in LF alone.
  bool crlf = true;
  bool lastLineEnded = true;

  // Reads the file through readRegularFile, at most kMaxIniFileBytes. Returns 0, or the
  // errno that refused it (ENOENT for no file), when `ini` is left empty.
  static int load(const std::string& path, IniFile& ini);
  static IniFile parse(std::string text);
  // False when no such key exists.
  bool find(const std::string& section, const std::string& key, std::string& value) const;
  std::vector<std::string> keys(const std::string& section) const;
  std::vector<std::string> sections() const;
  void set(const std::string& section, const std::string& key, const std::string& value);
  // Through a temporary file beside it and a rename; creates the folder. Returns 0, or
  // the errno of the step that failed (the old file is then whole).
  int save(const std::string& path) const;

 private:
  struct Entry {
    std::string key, value;
  };
  std::vector<Entry> entries(const std::string& section) const;
};
