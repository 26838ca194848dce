#pragma once
// Terminal input in the console's terms: what ncurses reads (a character, or a key code
// from terminfo with its capability name) becomes the bytes the window would queue.
// Pure functions, so that every decoding rule is tested without a terminal.
#include <string>

#include "platform/keymap.h"

struct TerminalKey {
  bool isCode = false;   // a terminfo key code (KEY_...) rather than a character
  int value = 0;         // the code, or the character's Unicode value
  std::string name;      // keyname() of codes beyond the standard ones ("kLFT5")
  bool alt = false;      // an Esc arrived just before it (the terminal's Meta prefix)
  bool backspaceIsDel = true;  // the terminal's Backspace sends DEL (127), not ^H
};

KeyCodes decodeTerminalKey(const TerminalKey& key);

// A key's escape sequence that terminfo did not know (TERM names another terminal than
// the one in use), without its leading Esc: "[1~", "OH", "[1;5D". Nothing for a
// sequence that is no key, which is then dropped rather than typed into a prompt.
KeyCodes decodeEscapeSequence(const std::string& afterEsc);

// True when `text` after an Esc is a whole sequence: "[" or "O", then parameters, then a
// final character.
bool escapeSequenceComplete(const std::string& afterEsc);
