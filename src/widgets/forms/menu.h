#pragma once
// The popup menu: items on a coloured rectangle over the screen, walked with arrows and
// first letters, each announced as it is reached; the screen under the menu comes back
// when it closes. One menu at a time. Texts are UTF-8.
#include <string>
#include <string_view>

// A menu item. number is its 1-based position, which menuSelect returns; key names its
// recording (empty for none).
struct TOpcoes {
  int number = 0;
  std::string key;
  std::string text;
};

// Starts a new menu with its top-left corner at (left, top), moved so that it fits on
// the screen, and saves the cells under it. Callers use background 5 for command and
// choice lists, 4 for key and printer lists.
void menuOpen(int left, int top, int width, int height, int backColour);
void menuAddItem(std::string_view key, std::string_view text);
// Runs the menu from item `startItem` (1 unless a caller knows the user's last choice;
// outside 1..count it is 1); restores the screen, the cursor and the attribute. The
// chosen item's number, or 0 when the user cancelled (or the menu was empty).
int menuSelect(int startItem = 1);
// The item loop of menuSelect, without the restoring.
int menuRun(int startItem = 1);
// The text of the item last chosen; empty after a cancelled menu.
const std::string& menuChosenText();
// Writes `lines` line ends (scrolling at the bottom) and puts the cursor back in its
// column, that many rows higher, so that a menu opened there has room below.
void menuMakeRoom(int lines);

// The menu's rectangle as it was placed (screen coordinates), for callers and tests.
struct MenuFrame {
  int left = 1, top = 1, right = 1, bottom = 1;
};
MenuFrame menuFrame();
