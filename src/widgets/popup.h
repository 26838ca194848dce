#pragma once
// Pieces shared by forms, menus, askKey and the file list: reading one whole key without
// echo, fitting a text to a column width, keeping the text attribute across a drawing,
// and putting back the screen under a popup.
#include <string>
#include <string_view>
#include <vector>

#include "platform/console.h"

// One key as the queue delivered it: a character (ext 0), or an extended key (ch 0 and
// its code). The prefix of a three-byte sequence (Shift, Ctrl+Shift, Alt) is dropped.
struct PressedKey {
  int ch = ' ';
  int ext = 0;
  bool is(int character) const { return ext == 0 && ch == character; }
  bool isExt(int code) const { return ext == code; }
};

// Waits for a key, removes all its bytes from the queue and silences speech. Nothing is
// written: a popup must not have the key echoed over it.
PressedKey readPressedKey();

// What conEditLine's ending code stands for: control characters end as themselves,
// everything else is an extended code.
PressedKey pressedKeyFromEditCode(int code);

// Ctrl+Alt+F9 starts screen exploration in forms and menus. Ctrl+F9 alone does too:
// Linux takes Ctrl+Alt with a function key to switch consoles, so that chord seldom
// reaches the program, and the line editor reports both chords alike.
bool isExploreKey(const PressedKey& key);

// The text as it shows in exactly `width` cells: padded with blanks or cut, and every
// control byte shown as a blank, so that drawing it never moves the cursor, beeps or
// scrolls.
std::string fitText(std::string_view text, int width);

// Sets both colours of the attribute byte (text in the low four bits).
void setTextAttr(int attr);

// Restores the text attribute it found when it goes out of scope.
class SavedAttr {
 public:
  SavedAttr() : attr_(conTextAttr()) {}
  ~SavedAttr() { setTextAttr(attr_); }
  SavedAttr(const SavedAttr&) = delete;
  SavedAttr& operator=(const SavedAttr&) = delete;

 private:
  int attr_;
};

// The cells of a rectangle (window-relative, corners included) as they were before a
// popup was drawn over them.
struct SavedCells {
  int left = 1, top = 1, right = 0, bottom = 0;
  std::vector<ConCell> cells;  // row by row
};
SavedCells saveCells(int left, int top, int right, int bottom);
// Writes the cells back, changing colours only where the saved attribute changes. The
// attribute and the cursor are left as the writing leaves them.
void restoreCells(const SavedCells& saved);
