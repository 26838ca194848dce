// The key script of the headless frontend.
#include <algorithm>
#include <cctype>
#include <cstring>

#include "platform/text/platform_texts.h"
#include "platform/frontends/headless.h"
#include "platform/text/text.h"

namespace {

struct NamedKey {
  const char* name;
  PcKey key;
};

constexpr NamedKey kNames[] = {
    {"enter", PcKey::Enter}, {"esc", PcKey::Escape},    {"tab", PcKey::Tab},
    {"bs", PcKey::Backspace}, {"up", PcKey::Up},        {"down", PcKey::Down},
    {"left", PcKey::Left},   {"right", PcKey::Right},   {"home", PcKey::Home},
    {"end", PcKey::End},     {"pgup", PcKey::PageUp},   {"pgdn", PcKey::PageDown},
    {"ins", PcKey::Insert},  {"del", PcKey::Delete},    {"break", PcKey::Break},
    {"f1", PcKey::F1},       {"f2", PcKey::F2},         {"f3", PcKey::F3},
    {"f4", PcKey::F4},       {"f5", PcKey::F5},         {"f6", PcKey::F6},
    {"f7", PcKey::F7},       {"f8", PcKey::F8},         {"f9", PcKey::F9},
    {"f10", PcKey::F10},     {"f11", PcKey::F11},       {"f12", PcKey::F12},
};

std::string lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// One bracketed name without its brackets: modifiers, then a key name or one character.
bool parseName(const std::string& name, KeyCodes& out) {
  KeyMods mods;
  std::string rest = name;
  for (;;) {
    const std::string l = lower(rest);
    if (l.rfind("ctrl+", 0) == 0 && rest.size() > 5) {
      mods.ctrl = true, rest = rest.substr(5);
    } else if (l.rfind("shift+", 0) == 0 && rest.size() > 6) {
      mods.shift = true, rest = rest.substr(6);
    } else if (l.rfind("alt+", 0) == 0 && rest.size() > 4) {
      mods.alt = true, rest = rest.substr(4);
    } else {
      break;
    }
  }
  const std::string l = lower(rest);
  for (const NamedKey& n : kNames) {
    if (l == n.name) {
      out = pcKeyCodes(n.key, mods);
      return true;
    }
  }
  if (l == "lt" || l == "space" || l == "gt") {
    out = charKeyCodes(l == "lt" ? '<' : l == "gt" ? '>' : ' ', mods);
    return true;
  }
  // A single character with modifiers: <Ctrl+V>, <Alt+X>.
  size_t length = 0;
  const char32_t ch = characterAt(rest, 0, length);
  if (length != rest.size()) return false;
  out = charKeyCodes(ch, mods);
  return true;
}

}  // namespace

bool parseKeyScript(const std::string& bytes, std::vector<KeyCodes>& keys, std::string& error) {
  const std::string utf8 = textOfFile(bytes);
  keys.clear();
  int line = 1, column = 1;
  // A byte-order mark, as some editors write, types nothing.
  size_t i = utf8.rfind("\xef\xbb\xbf", 0) == 0 ? 3 : 0;
  while (i < utf8.size()) {
    const unsigned char c = static_cast<unsigned char>(utf8[i]);
    if (c == '\n') {
      ++line, column = 1, ++i;
      continue;
    }
    if (c == '\r') {
      ++i;
      continue;
    }
    if (c == '<') {
      const size_t close = utf8.find('>', i + 1);
      const size_t newline = utf8.find('\n', i + 1);
      KeyCodes codes;
      if (close == std::string::npos || close > newline || close == i + 1 ||
          !parseName(utf8.substr(i + 1, close - i - 1), codes)) {
        const size_t end = std::min({close == std::string::npos ? utf8.size() : close + 1,
                                     newline, i + 40, utf8.size()});
        error = platformSentence(PlatformSentence::BadKeyName,
                                 {std::to_string(line), std::to_string(column), utf8.substr(i, end - i)});
        return false;
      }
      keys.push_back(codes);
      column += static_cast<int>(close - i + 1);
      i = close + 1;
      continue;
    }
    // One character: the key that types it.
    size_t len = 1;
    const char32_t ch = characterAt(utf8, i, len);
    keys.push_back(ch == '\t' ? pcKeyCodes(PcKey::Tab, {}) : charKeyCodes(ch, {}));
    ++column;
    i += len;
  }
  return true;
}
