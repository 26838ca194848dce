#pragma once
// Pieces of the console core that only the core's own files share.

// Each part of the console returns to its state at creation; conReset calls them all.
void conResetGrid();
void conResetKeys();
void conResetPicture();

// One key as a whole: a character, or an extended key's code (the third byte of a Shift
// sequence, with shift set).
struct ConKey {
  int code = 0;
  bool extended = false;
  bool shift = false;
};
ConKey conReadKeyEvent();
