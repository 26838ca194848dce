// The builder's prompt and its command list.
#include "interactive/builder.h"

#include <array>

#include "platform/console.h"
#include "widgets/forms/menu.h"
#include "platform/keys.h"
#include "platform/speech.h"
#include "platform/text/text.h"
#include "interactive/builder_steps.h"
#include "interactive/command_table.h"
#include "language/command_list.h"
#include "messages/messages.h"
#include "options/viewing/viewing.h"
#include "project/project.h"

namespace {

constexpr int kUnknownCodePauseMs = 500;
constexpr int kMagenta = 5;

// The list's commands in the order the popup says them, each by its index in the list.
// Two commands at one place, or a place outside the popup, do not compile. A further
// item, "ESC - terminar", leaves the list as Esc does.
constexpr auto kPopupOrder = [] {
  std::array<int, kCommandCount> order{};
  order.fill(-1);
  for (int command = 0; command < kCommandCount; ++command) {
    int& place = order.at(static_cast<size_t>(kCommandList[command].popupPosition - 1));
    if (place >= 0) throw "two commands share a place in the popup";
    place = command;
  }
  return order;
}();
constexpr const char* kLeaveItemKey = "PX_ESC";
constexpr int kPopupWidth = 50, kPopupHeight = 15, kPopupRoom = 16;

// The character a key stands for, or 0 for an extended key. A Shift, Ctrl+Shift or Alt
// movement key arrives with its code where a character stands (Shift+Down as 'P'); it
// is no character.
int typedCharacter(const KeyPair& pair) { return pair.second == ' ' ? pair.first : 0; }

bool isAsciiLetter(int c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

bool opensCommandPopup(const KeyPair& pair) {
  return pair.first == 0 &&
         (pair.second == key::kUp || pair.second == key::kDown || pair.second == key::kF9);
}

void showPrompt() {
  conClear();
  conSetBackColour(kBuilderBlue);
  conWriteLine(messageText("PX_PINTER"));
  conSetBackColour(kBuilderBlack);
  conWriteLine();
  sayMessage("PXDIGCOM", 0);
}

// A letter followed by Enter: S saves the project, V shows the drawing.
void runLetterOption(int letter) {
  conWriteLine();
  if (letter == 'S' || letter == 's') {
    saveProject();
  } else if (letter == 'V' || letter == 'v') {
    viewDrawing(false);
  } else {
    sayMessage("PXOPINV", 1);
  }
}

// From the blank before the first dash of a popup item: " - Ponto" of "PT - Ponto".
std::string headingSuffix(const std::string& itemText) {
  const size_t dash = itemText.find('-');
  if (dash == std::string::npos) return {};
  return itemText.substr(dash == 0 ? 0 : dash - 1);
}

void writeHeading(const std::string& suffix) {
  clearScreenFrom(kHeadingRow);
  conSetBackColour(kBuilderBlue);
  conWriteLine(withValues(messageText("PXCMDTIT"), {suffix}));
  conSetBackColour(kBuilderBlack);
  conWriteLine();
}

}  // namespace

void stepByStepBuilder() {
  for (;;) {
    showPrompt();
    const KeyPair first = conGetKeyPair();
    const int typed = typedCharacter(first);
    if (typed == key::kEsc) {
      conWriteLine();
      break;
    }
    if (typed == key::kEnter) {
      viewDrawing(false);
      continue;
    }
    if (first == KeyPair{0, key::kF1}) continue;

    std::string code;
    std::string suffix;
    bool typedCode = false;
    if (isAsciiLetter(typed)) {
      const int second = typedCharacter(conGetKeyPair());
      if (second == key::kEnter) {
        runLetterOption(typed);
        continue;
      }
      code = toUpperText(utf8Of(static_cast<char32_t>(typed)) + utf8Of(static_cast<char32_t>(second)));
      typedCode = true;
    } else if (opensCommandPopup(first)) {
      code = commandPopup();
      if (code != kCancelledCode) suffix = headingSuffix(menuChosenText());
    }
    // Any other first key leaves the code empty: it is invalid, and never repeats the
    // command built before without the user asking for it.

    writeHeading(suffix);
    if (code == kCancelledCode) continue;
    // The tutorial's "two letters and Enter": that Enter confirms the code.
    conDropNextEnter(typedCode);
    const bool known = runCommandRow(code);
    conDropNextEnter(false);
    if (!known) {
      sayMessage("PXOPINV", 1);
      conPause(kUnknownCodePauseMs);
    }
  }
  conWriteLine();
  conWriteLine();
}

std::string commandPopup() {
  const int row = conRow();
  menuMakeRoom(kPopupRoom);
  menuOpen(conColumn(), conRow(), kPopupWidth, kPopupHeight, kMagenta);
  const auto addItem = [](const char* key) { menuAddItem(key, messageText(key)); };
  for (const int command : kPopupOrder) addItem(kCommandList[command].nameKey);
  addItem(kLeaveItemKey);
  const int chosen = menuSelect();
  std::string code = kCancelledCode;
  if (chosen >= 1 && chosen <= kCommandCount) {
    code = kCommandList[kPopupOrder[chosen - 1]].code;
    conWriteLine(code);
  }
  clearScreenFrom(row);
  return code;
}
