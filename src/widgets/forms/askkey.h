#pragma once
// A one-key question, such as S/N: a typed character answers at once; any other key
// opens a popup of the allowed characters, each heard through its letter recording.
#include <string_view>

// Returns the typed character upper-cased (it is not checked against `allowed`: callers
// compare), or the character picked in the popup as `allowed` spells it, or 27 when the
// popup was cancelled. `allowed` is UTF-8.
int askKey(std::string_view allowed);

// The letters that answer a yes/no question in the language in use, yes first: "SN" in
// Portuguese, "YN" in English. The questions' texts name the same letters.
std::string_view yesNoLetters();
// Whether a key code (a character in either case, as askKey or conGetKeyPair gives it)
// is the language's yes letter, or its no letter. Esc is neither.
bool isYesKey(int code);
bool isNoKey(int code);
// Asks with askKey for the language's yes/no letters: true only for yes; no, Esc and
// any other key answer no.
bool askYesNo();
