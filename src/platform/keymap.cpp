#include "platform/keymap.h"

#include "platform/frontend.h"
#include "platform/keys.h"
#include "platform/screen.h"
#include "platform/text/text.h"

namespace {

struct Extended {
  int plain;
  int ctrl;
  bool movement;  // Shift extends a selection with it
};

Extended extendedOf(PcKey k) {
  switch (k) {
    case PcKey::F11: return {key::kF11, key::kCtrlF11, false};
    case PcKey::F12: return {key::kF12, key::kCtrlF12, false};
    case PcKey::Insert: return {key::kIns, key::kCtrlIns, false};
    case PcKey::Delete: return {key::kDel, key::kDel, false};
    case PcKey::Home: return {key::kHome, key::kCtrlHome, true};
    case PcKey::End: return {key::kEnd, key::kCtrlEnd, true};
    case PcKey::PageUp: return {key::kPgUp, key::kCtrlPgUp, true};
    case PcKey::PageDown: return {key::kPgDn, key::kCtrlPgDn, true};
    case PcKey::Up: return {key::kUp, key::kCtrlUp, true};
    case PcKey::Down: return {key::kDown, key::kCtrlDown, true};
    case PcKey::Left: return {key::kLeft, key::kCtrlLeft, true};
    case PcKey::Right: return {key::kRight, key::kCtrlRight, true};
    default: {
      const int i = static_cast<int>(k) - static_cast<int>(PcKey::F1);  // F1..F9
      return {key::kF1 + i, key::kCtrlF1 + i, false};
    }
  }
}

KeyCodes queue(std::u32string codes) { return KeyCodes{KeyCodes::Action::Queue, std::move(codes)}; }
KeyCodes nothing() { return KeyCodes{}; }
KeyCodes endProgram() { return KeyCodes{KeyCodes::Action::EndProgram, {}}; }

std::u32string codesOf(std::initializer_list<int> codes) {
  std::u32string s;
  for (int c : codes) s += static_cast<char32_t>(c);
  return s;
}

}  // namespace

KeyCodes pcKeyCodes(PcKey k, KeyMods mods) {
  switch (k) {
    case PcKey::Break: return mods.ctrl ? endProgram() : nothing();
    case PcKey::Enter:
      if (mods.alt) return nothing();
      return queue(codesOf({mods.ctrl ? key::kCtrlEnter : key::kEnter}));
    case PcKey::Escape: return mods.alt ? nothing() : queue(codesOf({key::kEsc}));
    case PcKey::Tab: return mods.alt || mods.ctrl ? nothing() : queue(codesOf({key::kTab}));
    case PcKey::Backspace:
      if (mods.alt) return nothing();
      return queue(codesOf({mods.ctrl ? key::kCtrlBackspace : key::kBackspace}));
    case PcKey::F10: return nothing();
    default: break;
  }
  if (mods.alt) {
    // Alt keys belong to the system, except that Alt+Left and Alt+Right act like Left and
    // Right, and Alt+F4 closes the window.
    if (k == PcKey::F4 && !mods.ctrl) return endProgram();
    if (k != PcKey::Left && k != PcKey::Right) return nothing();
    mods = KeyMods{};
  }
  const Extended e = extendedOf(k);
  if (k == PcKey::Insert && mods.shift && !mods.ctrl) return queue(codesOf({0, key::kShiftIns}));
  if (e.movement && mods.shift) {
    return mods.ctrl ? queue(codesOf({0, key::kCtrlShiftPrefix, e.ctrl}))
                     : queue(codesOf({0, key::kShiftPrefix, e.plain}));
  }
  return queue(codesOf({0, mods.ctrl ? e.ctrl : e.plain}));
}

KeyCodes charKeyCodes(char32_t ch, KeyMods mods) {
  if (mods.alt) return nothing();
  if (!mods.ctrl) {
    // Shift with a lower-case letter types its capital, as the keyboard would.
    if (mods.shift) ch = upperCaseOf(ch);
    return queue(std::u32string(1, ch));
  }
  if ((ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z')) return queue(codesOf({static_cast<int>(ch & 0x1F)}));
  if (ch == '[' || ch == '\\' || ch == ']') return queue(codesOf({static_cast<int>(ch & 0x1F)}));
  if (ch == ' ') return queue(U" ");
  return nothing();
}

bool deliverKeyCodes(const KeyCodes& codes) {
  switch (codes.action) {
    case KeyCodes::Action::Queue: return conQueueKeyCodes(codes.codes);
    case KeyCodes::Action::EndProgram: conEndAtOnce(0);
    case KeyCodes::Action::Nothing: break;
  }
  return true;
}
