#include "platform/frontends/terminal_keys.h"

#include <curses.h>

#include <optional>

#include "platform/text/text.h"

namespace {

struct Decoded {
  PcKey key;
  KeyMods mods;
};

// Modifier digit of xterm-style key names and sequences: 2 Shift, 3 Alt, 4 Shift+Alt,
// 5 Ctrl, 6 Ctrl+Shift, 7 Ctrl+Alt, 8 all three.
KeyMods modsOfDigit(int digit) {
  const int bits = digit - 1;
  return KeyMods{(bits & 1) != 0, (bits & 4) != 0, (bits & 2) != 0};
}

// The movement and editing keys that terminfo names with a modifier digit ("kLFT5").
std::optional<Decoded> decodeNamed(const std::string& name) {
  static const struct {
    const char* prefix;
    PcKey key;
  } kNames[] = {{"kLFT", PcKey::Left}, {"kRIT", PcKey::Right}, {"kUP", PcKey::Up},
                {"kDN", PcKey::Down},  {"kHOM", PcKey::Home},  {"kEND", PcKey::End},
                {"kPRV", PcKey::PageUp}, {"kNXT", PcKey::PageDown}, {"kIC", PcKey::Insert},
                {"kDC", PcKey::Delete}};
  for (const auto& n : kNames) {
    const std::string prefix = n.prefix;
    if (name.size() == prefix.size() + 1 && name.compare(0, prefix.size(), prefix) == 0) {
      const int digit = name.back() - '0';
      if (digit >= 2 && digit <= 8) return Decoded{n.key, modsOfDigit(digit)};
    }
  }
  return std::nullopt;
}

std::optional<Decoded> decodeCode(int code) {
  // terminfo numbers the function keys with modifiers on: F13-F24 are Shift+F1-F12,
  // F25-F36 Ctrl, F37-F48 Ctrl+Shift, F49-F60 Alt, F61-F63 Alt+Shift.
  if (code >= KEY_F(1) && code <= KEY_F(63)) {
    const int n = code - KEY_F(1);
    static const KeyMods kGroups[] = {{}, {true, false, false}, {false, true, false},
                                      {true, true, false}, {false, false, true}, {true, false, true}};
    return Decoded{static_cast<PcKey>(static_cast<int>(PcKey::F1) + n % 12), kGroups[n / 12]};
  }
  const KeyMods none, shift{true, false, false};
  switch (code) {
    case KEY_UP: return Decoded{PcKey::Up, none};
    case KEY_DOWN: return Decoded{PcKey::Down, none};
    case KEY_LEFT: return Decoded{PcKey::Left, none};
    case KEY_RIGHT: return Decoded{PcKey::Right, none};
    case KEY_HOME: case KEY_A1: return Decoded{PcKey::Home, none};
    case KEY_END: case KEY_C1: return Decoded{PcKey::End, none};
    case KEY_PPAGE: case KEY_A3: return Decoded{PcKey::PageUp, none};
    case KEY_NPAGE: case KEY_C3: return Decoded{PcKey::PageDown, none};
    case KEY_IC: return Decoded{PcKey::Insert, none};
    case KEY_DC: return Decoded{PcKey::Delete, none};
    case KEY_SR: return Decoded{PcKey::Up, shift};
    case KEY_SF: return Decoded{PcKey::Down, shift};
    case KEY_SLEFT: return Decoded{PcKey::Left, shift};
    case KEY_SRIGHT: return Decoded{PcKey::Right, shift};
    case KEY_SHOME: return Decoded{PcKey::Home, shift};
    case KEY_SEND: return Decoded{PcKey::End, shift};
    case KEY_SPREVIOUS: return Decoded{PcKey::PageUp, shift};
    case KEY_SNEXT: return Decoded{PcKey::PageDown, shift};
    case KEY_SIC: return Decoded{PcKey::Insert, shift};
    case KEY_SDC: return Decoded{PcKey::Delete, shift};
    case KEY_ENTER: return Decoded{PcKey::Enter, none};
    case KEY_BACKSPACE: return Decoded{PcKey::Backspace, none};
    case KEY_BTAB: return Decoded{PcKey::Tab, shift};
    case KEY_BREAK: return Decoded{PcKey::Break, KeyMods{false, true, false}};
    default: return std::nullopt;
  }
}

KeyCodes decodeCharacter(const TerminalKey& k) {
  const KeyMods alt{false, false, k.alt};
  switch (k.value) {
    case 13: return pcKeyCodes(PcKey::Enter, alt);
    case 10: return pcKeyCodes(PcKey::Enter, KeyMods{false, true, k.alt});
    case 9: return pcKeyCodes(PcKey::Tab, alt);
    case 27: return pcKeyCodes(PcKey::Escape, alt);
    case 127: return pcKeyCodes(PcKey::Backspace, KeyMods{false, !k.backspaceIsDel, k.alt});
    case 8: return pcKeyCodes(PcKey::Backspace, KeyMods{false, k.backspaceIsDel, k.alt});
    case 0: return charKeyCodes(' ', KeyMods{false, true, k.alt});  // Ctrl+Space
    default: break;
  }
  if (k.value < 32) {
    // Ctrl with a letter or one of [ \ ] arrives as its control code.
    return k.alt ? KeyCodes{} : KeyCodes{KeyCodes::Action::Queue, std::u32string(1, static_cast<char32_t>(k.value))};
  }
  return charKeyCodes(static_cast<char32_t>(k.value), alt);
}

}  // namespace

bool escapeSequenceComplete(const std::string& afterEsc) {
  if (afterEsc.size() < 2 || (afterEsc[0] != '[' && afterEsc[0] != 'O')) return false;
  const char last = afterEsc.back();
  return last >= 0x40 && last <= 0x7E;
}

KeyCodes decodeEscapeSequence(const std::string& afterEsc) {
  if (!escapeSequenceComplete(afterEsc)) return KeyCodes{};
  const char final = afterEsc.back();
  // The parameters: the key's number ("[3~") and the modifier digit after ";".
  const std::string params = afterEsc.substr(1, afterEsc.size() - 2);
  const size_t semicolon = params.find(';');
  const std::string number = params.substr(0, semicolon);
  KeyMods mods;
  if (semicolon != std::string::npos && semicolon + 1 < params.size()) mods = modsOfDigit(params[semicolon + 1] - '0');
  static const struct {
    char final;
    const char* number;
    PcKey key;
  } kSequences[] = {{'A', "", PcKey::Up},       {'B', "", PcKey::Down},      {'C', "", PcKey::Right},
                    {'D', "", PcKey::Left},     {'H', "", PcKey::Home},      {'F', "", PcKey::End},
                    {'~', "1", PcKey::Home},    {'~', "7", PcKey::Home},     {'~', "4", PcKey::End},
                    {'~', "8", PcKey::End},     {'~', "2", PcKey::Insert},   {'~', "3", PcKey::Delete},
                    {'~', "5", PcKey::PageUp},  {'~', "6", PcKey::PageDown}};
  for (const auto& s : kSequences) {
    const bool plain = s.number[0] == '\0' && (number.empty() || number == "1");
    if (s.final == final && (plain || number == s.number)) return pcKeyCodes(s.key, mods);
  }
  return KeyCodes{};
}

KeyCodes decodeTerminalKey(const TerminalKey& k) {
  if (!k.isCode) return decodeCharacter(k);
  std::optional<Decoded> d = decodeCode(k.value);
  if (!d && !k.name.empty()) d = decodeNamed(k.name);
  if (!d) return KeyCodes{};
  if (k.alt) d->mods.alt = true;
  return pcKeyCodes(d->key, d->mods);
}
