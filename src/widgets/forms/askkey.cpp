#include "widgets/forms/askkey.h"

#include <algorithm>
#include <string>

#include "platform/console.h"
#include "platform/keys.h"
#include "widgets/forms/menu.h"
#include "platform/text/language.h"
#include "platform/text/text.h"

namespace {

constexpr int kPopupBack = 4;
constexpr int kFirstPrintable = 32;

// A three-byte key (Shift, Ctrl+Shift or Alt and a movement key) comes back from
// conGetKeyPair with its prefix as the second code.
bool isCharacter(const KeyPair& pair) {
  return pair.first != 0 && (pair.second < key::kShiftPrefix || pair.second > key::kAltPrefix);
}

std::string itemText(char32_t c) {
  if (c >= kFirstPrintable) return utf8Of(c);
  return "Ctrl-" + std::string(1, static_cast<char>(c + 64));
}

// Only ASCII letters answer yes or no, so a plain case fold is enough.
bool isLetterKey(int code, char upper) { return code == upper || code == upper - 'A' + 'a'; }

}  // namespace

int askKey(std::string_view allowed) {
  const KeyPair pair = conGetKeyPair();
  if (isCharacter(pair)) {
    conWriteLine();
    return static_cast<int>(upperCaseOf(static_cast<char32_t>(pair.first)));
  }

  const std::u32string keys = toCodePoints(allowed);
  const int count = static_cast<int>(keys.size());
  const bool printable = std::all_of(keys.begin(), keys.end(), [](char32_t c) { return c >= kFirstPrintable; });
  menuMakeRoom(count);
  menuOpen(conColumn(), conRow(), printable ? 1 : 6, count, kPopupBack);
  for (const char32_t c : keys) menuAddItem("_" + std::to_string(static_cast<long>(c)), itemText(c));
  const int chosen = menuSelect();
  if (chosen == 0) {
    conWriteLine();
    return key::kEsc;
  }
  const char32_t answer = keys[static_cast<size_t>(chosen - 1)];
  conWriteLine(itemText(answer));
  return static_cast<int>(answer);
}

std::string_view yesNoLetters() { return currentLanguage() == Language::English ? "YN" : "SN"; }

bool isYesKey(int code) { return isLetterKey(code, yesNoLetters()[0]); }

bool isNoKey(int code) { return isLetterKey(code, yesNoLetters()[1]); }

bool askYesNo() { return isYesKey(askKey(yesNoLetters())); }
