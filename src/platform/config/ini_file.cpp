#include "platform/config/ini_file.h"

#include <cstring>
#include <filesystem>
#include <sstream>
#include <utility>

#include "platform/text/file_read.h"
#include "platform/text/file_write.h"
#include "platform/text/text.h"

namespace {

constexpr size_t kMaxValue = 50000;

std::string trim(const std::string& s) {
  const size_t b = s.find_first_not_of(" \t");
  if (b == std::string::npos) return {};
  return s.substr(b, s.find_last_not_of(" \t") - b + 1);
}

bool sameName(const std::string& a, const std::string& b) { return toUpperText(a) == toUpperText(b); }

// "[Name]" gives true and the name.
bool sectionHeader(const std::string& line, std::string& name) {
  const std::string t = trim(line);
  if (t.size() < 2 || t.front() != '[') return false;
  const size_t close = t.find(']');
  if (close == std::string::npos) return false;
  name = trim(t.substr(1, close - 1));
  return true;
}

// "key=value" gives true with both trimmed; comments and other lines give false.
bool keyLine(const std::string& line, std::string& key, std::string& value) {
  const std::string t = trim(line);
  if (t.empty() || t[0] == ';') return false;
  const size_t eq = t.find('=');
  if (eq == std::string::npos) return false;
  key = trim(t.substr(0, eq));
  value = trim(t.substr(eq + 1));
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return true;
}

}  // namespace

// The new folders' names are flushed so that a power cut can't take away the folder of a
// file saved in it.
int makeFolders(const std::string& path) {
  const std::filesystem::path folder(path);
  std::vector<std::filesystem::path> missing;
  std::error_code ec;
  for (std::filesystem::path p = folder; !p.empty() && !std::filesystem::exists(p, ec); p = p.parent_path()) {
    missing.push_back(p);
    if (p == p.parent_path()) break;
  }
  if (!std::filesystem::create_directories(folder, ec) && ec) return ec.value();
  for (const std::filesystem::path& made : missing) {
    const std::filesystem::path parent = made.has_parent_path() ? made.parent_path() : ".";
    fileSystemCalls().syncDirectory(parent.string().c_str());
  }
  return 0;
}

// Only the first section of a name counts, as with the system's profile functions.
std::vector<IniFile::Entry> IniFile::entries(const std::string& section) const {
  std::vector<Entry> out;
  bool inSection = false;
  for (const std::string& line : lines) {
    std::string name, k, v;
    if (sectionHeader(line, name)) {
      if (inSection) break;
      inSection = sameName(name, section);
    } else if (inSection && keyLine(line, k, v)) {
      out.push_back({k, v});
    }
  }
  return out;
}

int IniFile::load(const std::string& path, IniFile& ini) {
  ini = IniFile();
  std::string bytes;
  if (const int error = readRegularFile(path, kMaxIniFileBytes, bytes); error != 0) return error;
  ini = parse(std::move(bytes));
  return 0;
}

IniFile IniFile::parse(std::string text) {
  IniFile ini;
  ini.utf8 = isValidUtf8(text);
  if (!ini.utf8) text = cp1252ToUtf8(text);
  std::string line;
  std::istringstream lines(text);
  bool anyCr = false, anyBareLf = false;
  while (std::getline(lines, line)) {
    const bool cr = !line.empty() && line.back() == '\r';
    if (cr) line.pop_back();
    anyCr = anyCr || cr;
    anyBareLf = anyBareLf || (!cr && !lines.eof());
    ini.lines.push_back(line);
  }
  ini.crlf = anyCr || !anyBareLf;
  ini.lastLineEnded = text.empty() || text.back() == '\n';
  return ini;
}

bool IniFile::find(const std::string& section, const std::string& key, std::string& value) const {
  for (const Entry& e : entries(section)) {
    if (sameName(e.key, key)) {
      value = e.value.substr(0, kMaxValue);
      return true;
    }
  }
  return false;
}

std::vector<std::string> IniFile::keys(const std::string& section) const {
  std::vector<std::string> out;
  for (const Entry& e : entries(section)) out.push_back(e.key);
  return out;
}

std::vector<std::string> IniFile::sections() const {
  std::vector<std::string> out;
  for (const std::string& line : lines) {
    std::string name;
    if (sectionHeader(line, name)) out.push_back(name);
  }
  return out;
}

void IniFile::set(const std::string& section, const std::string& key, const std::string& value) {
  bool inSection = false;
  size_t insertAt = std::string::npos;
  for (size_t i = 0; i < lines.size(); ++i) {
    std::string name, k, v;
    if (sectionHeader(lines[i], name)) {
      if (inSection) break;
      inSection = sameName(name, section);
      if (inSection) insertAt = i + 1;
    } else if (inSection) {
      if (keyLine(lines[i], k, v) && sameName(k, key)) {
        lines[i] = k + "=" + value;
        return;
      }
      if (!trim(lines[i]).empty()) insertAt = i + 1;
    }
  }
  if (insertAt == std::string::npos) {
    if (!lines.empty() && !trim(lines.back()).empty()) lines.push_back("");
    lines.push_back("[" + section + "]");
    insertAt = lines.size();
  }
  lines.insert(lines.begin() + static_cast<long>(insertAt), key + "=" + value);
}

int IniFile::save(const std::string& path) const {
  const std::filesystem::path target(path);
  if (target.has_parent_path()) {
    if (const int error = makeFolders(target.parent_path().string()); error != 0) return error;
  }
  std::string text;
  const char* lineEnd = crlf ? "\r\n" : "\n";
  for (const std::string& line : lines) text += line + lineEnd;
  if (!lastLineEnded && !text.empty()) text.resize(text.size() - std::strlen(lineEnd));
  // A Windows-1252 file stays so while that code page holds every character written to
  // it; one that it lacks makes the file UTF-8, rather than lose the character.
  if (!utf8 && holdsOnlyWindows1252(text)) text = utf8ToCp1252(text);
  return replaceFileAtomically(path, text);
}
