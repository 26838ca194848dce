#pragma once
// What the console window queues for each key, shared by every frontend so that a key
// gives the same codes in the window, in the terminal and in a headless key script.
#include <string>

enum class PcKey {
  F1, F2, F3, F4, F5, F6, F7, F8, F9, F10, F11, F12,
  Insert, Delete, Home, End, PageUp, PageDown, Up, Down, Left, Right,
  Enter, Escape, Tab, Backspace, Break,
};

struct KeyMods {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
};

struct KeyCodes {
  enum class Action { Queue, Nothing, EndProgram } action = Action::Nothing;
  std::u32string codes;  // what to queue when action is Queue
};

// A key that does not type a character: extended keys as 0 and a code, Shift with a
// movement key as 0, 16, code (Ctrl+Shift: 0, 17, Ctrl code); Alt+F4 and Ctrl+Break end
// the program; F10 and the other Alt keys queue nothing (the system takes them).
KeyCodes pcKeyCodes(PcKey key, KeyMods mods);
// A key that types a character: the character, or with Ctrl a letter's control code
// (Ctrl+V gives 22); Alt with a character queues nothing.
KeyCodes charKeyCodes(char32_t ch, KeyMods mods);
// Queues the codes (all or none) or ends the program; false when the queue was full.
bool deliverKeyCodes(const KeyCodes& codes);
