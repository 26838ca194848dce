#pragma once
// Pieces of the console core that only the core's own files share.
#include <string>
#include <string_view>

// Each part of the console returns to its state at creation; conReset calls them all.
void conResetGrid();
void conResetKeys();
void conResetPicture();
void conResetBraillePage();

// One key as a whole: a character, or an extended key's code (the third byte of a Shift
// sequence, with shift set).
struct ConKey {
  int code = 0;
  bool extended = false;
  bool shift = false;
};
ConKey conReadKeyEvent();

// The text with every control byte (below 32) shown as a blank, so that a field or a
// list shows one cell per character and never moves the cursor, beeps or scrolls.
std::string conVisible(std::string_view text);
