// The main menu and its two ways of telling the options: the popup and the F1 list.
#include "shell/mainmenu.h"

#include <new>
#include <string>
#include <utility>

#include "platform/console.h"
#include "widgets/forms/menu.h"
#include "platform/keys.h"
#include "platform/speech.h"
#include "interactive/builder.h"
#include "messages/messages.h"
#include "options/checking/page_review.h"
#include "options/printing/emboss_option.h"
#include "options/printing/ink_option.h"
#include "options/viewing/viewing.h"
#include "project/project.h"
#include "render/page.h"
#include "shell/program.h"

namespace {

// What each option key runs, and the letter of the option popup's item that names it.
// Ctrl+V (22), Ctrl+B (2) and Tab or Ctrl+I (9) draw the test drawing on the device of
// V, B and I. An option whose work is not in the program yet says so.
struct MenuOption {
  int key;
  int letter;
  void (*run)();
};

constexpr MenuOption kMenuOptions[] = {
    {'P', 'P', stepByStepBuilder},
    {'E', 'E', editCommands},
    {'V', 'V', [] { viewDrawing(false); }},
    {22, 'V', [] { viewDrawing(true); }},
    {'S', 'S', saveProject},
    {'B', 'B', [] { embossDrawing(false); }},
    {2, 'B', [] { embossDrawing(true); }},
    {'I', 'I', [] { printDrawing(false); }},
    {9, 'I', [] { printDrawing(true); }},
    {'G', 'G', saveDrawingImage},
    {'C', 'C', configure},
    {'N', 'N', newProject},
    {'R', 'R', reviewDrawing},
};

// The option popup's items, in order; the item number picks the letter.
struct MenuItem {
  int letter;
  const char* key;
};

constexpr MenuItem kMenuItems[] = {
    {'P', "PXOPC_P"}, {'E', "PXOPC_E"}, {'V', "PXOPC_V"}, {'S', "PXOPC_S"},
    {'B', "PXOPC_B"}, {'I', "PXOPC_I"}, {'G', "PXOPC_G"}, {'C', "PXOPC_C"},
    {'N', "PXOPC_N"}, {'R', "PXOPC_R"}, {key::kEsc, "PX_ESC"},
};

// F1 says N right after B, unlike the popup.
constexpr const char* kHelpKeys[] = {
    "PXOPCAO", "PXOPC_P", "PXOPC_E", "PXOPC_V", "PXOPC_S", "PXOPC_B",
    "PXOPC_N", "PXOPC_I", "PXOPC_G", "PXOPC_C", "PXOPC_R", "PX_ESC",
};

// The catalogue key of the popup's item of the letter.
const char* itemKeyOf(int letter) {
  for (const MenuItem& item : kMenuItems)
    if (item.letter == letter) return item.key;
  return "PXOPINV";
}

// An option that runs out of memory stops where it is; the command lines were changed
// only by what the option finished, so the menu goes on with them and the end of the
// program still offers to save them.
void runGuarded(const MenuOption& option) {
  try {
    option.run();
  } catch (const std::bad_alloc&) {
    conSetWindow(1, 1, kConColumns, kConRows);
    conWriteLine();
    spkWriteLine(withValues(messageText("PXSEMMEMO"), {messageText(itemKeyOf(option.letter))}));
    sayMessage("PXMEMOK", 1);
  }
}

bool opensOptionMenu(const KeyPair& pair) {
  return pair.first == 0 &&
         (pair.second == key::kUp || pair.second == key::kDown || pair.second == key::kF9);
}

// Runs the option of the key; false when the key is no option.
bool runOption(int code) {
  if (code >= 'a' && code <= 'z') code -= 'a' - 'A';
  for (const MenuOption& option : kMenuOptions) {
    if (option.key == code) {
      runGuarded(option);
      return true;
    }
  }
  return false;
}

// `keepScreen` leaves what is written (the F1 list) for the eye to read.
void askWhatToDo(bool keepScreen) {
  setWindowTitle(projectFileName());
  if (!keepScreen) showBanner();
  conSetBackColour(1);
  sayMessage("PXOQUE", 0);
  conSetBackColour(0);
}

// The banner has covered the start-up's words: a user reading the screen learns below
// the first prompt that nothing will be heard, until the first key.
void showSilenceBelowPrompt() {
  if (!soundIsMissing()) return;
  const int column = conColumn(), row = conRow();
  conGoto(1, row + 2);
  conWrite(messageText("PXSEMSOM"));
  conGoto(column, row);
}

}  // namespace

void mainMenu() {
  bool keepScreen = false;
  bool first = true;
  for (;;) {
    askWhatToDo(std::exchange(keepScreen, false));
    if (first) showSilenceBelowPrompt();
    first = false;
    const KeyPair pair = conGetKeyPair();
    conWriteLine();
    int code = pair.first;
    if (opensOptionMenu(pair)) code = optionMenu();
    if (code == key::kEsc) {
      conWriteLine();
      conWriteLine();
      return;
    }
    if (code == key::kEnter) continue;
    if (pair == KeyPair{0, key::kF1}) {
      optionHelp();
      keepScreen = true;
      continue;
    }
    // A Shift, Ctrl+Shift or Alt movement key arrives with its code where a character
    // stands (Shift+Down as 'P'); it is no option.
    const bool prefixedKey = pair.first != 0 && pair.second != ' ';
    if (code == 0 || prefixedKey || !runOption(code)) sayMessage("PXOPINV", 1);
  }
}

int optionMenu() {
  const int row = conRow();
  if (conColumn() != 1) conWriteLine();
  spkWriteLine(messageText("PXOPCAO"));
  constexpr int kItems = static_cast<int>(std::size(kMenuItems));
  menuMakeRoom(kItems);
  menuOpen(conColumn(), conRow(), 50, kItems, 5);
  for (const MenuItem& item : kMenuItems) menuAddItem(item.key, messageText(item.key));
  const int chosen = menuSelect();
  int result = key::kEsc;
  if (chosen >= 1) {
    result = kMenuItems[chosen - 1].letter;
    conWriteLine(std::string(1, static_cast<char>(result)));
  }
  clearScreenFrom(row);
  return result;
}

void optionHelp() {
  conWriteLine();
  for (const char* key : kHelpKeys) sayMessage(key, 1);
  conFlushKeys();
  setWindowTitle(projectFileName());
  spkClick();
}
