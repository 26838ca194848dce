#pragma once
// What a frontend reads to show the console, and the one road by which the program ends
// at once (window closed, Ctrl+Break, a headless key script run out). Frontends only read
// through these accessors; everything that changes the console goes through console.h.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/console.h"

// 1-based screen coordinates.
struct ConRect {
  int left = 1, top = 1, right = kConColumns, bottom = kConRows;
  bool operator==(const ConRect&) const = default;
};
struct ConPoint {
  int column = 1, row = 1;
  bool operator==(const ConPoint&) const = default;
};

// The cell at a screen position (1-based); a blank in the current attribute outside
// the grid.
ConCell conScreenCell(int column, int row);
// The cursor in screen coordinates. It may stand right of column 80 when text runs past
// the edge of an indented window; frontends clip the caret then.
ConPoint conCursorOnScreen();
ConRect conTextWindow();
// True while conGetKey waits: the caret is shown then.
bool conWaitingForKey();

// The picture overlay: pixels as 0x00RRGGBB, row-major, top row first, width * height of
// them. Drawn with its top-left corner at (x, y) client pixels when shown.
struct ConPicture {
  bool shown = false;
  int x = 0, y = 0;
  int width = 0, height = 0;
  const std::vector<std::uint32_t>* pixels = nullptr;
};
ConPicture conPicture();

// The red, green and blue (0x00RRGGBB) that paint colour number 0..15, after the
// VIDEO/TABCORES mapping from colour numbers to palette entries.
std::uint32_t conColourRgb(int colour);

// The 25 rows of the grid as UTF-8, trailing blanks removed.
std::vector<std::string> conScreenRows();
// Writes conScreenRows to a file, one line each; false when it can not be written.
bool conWriteScreenFile(const std::string& utf8Path);

// Returns the console to its state at creation: blank grid, whole-screen window, cursor
// home, empty key queue, no overlay, VIDEO settings read again.
void conReset();

// Ending at once. The handler (set once by the program's entry) writes what must survive
// (screen, transcript); then the process exits with the status. A handler that throws
// lets tests observe the end instead of exiting.
using ConEndHandler = std::function<void(int status)>;
void conSetEndHandler(ConEndHandler handler);
[[noreturn]] void conEndAtOnce(int status = 0);
