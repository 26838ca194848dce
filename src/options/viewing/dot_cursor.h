#pragma once
// The page explored by ear: a cursor on the embosser page's dots, the keys that move it,
// the pitch that tells where a dot is, and the figure under the cursor as a sweep.
#include <functional>
#include <string>
#include <vector>

#include "output/embosser/embosser_page.h"
#include "options/viewing/page_window.h"

struct DotCursor {
  int x = 0, y = 0;  // dot column and row on the page, 0-based
  bool operator==(const DotCursor&) const = default;
};

// The page's size in dots.
int pageDotWidth(const EmbosserPage& page);
int pageDotHeight(const EmbosserPage& page);
// Whether the page has a raised dot there (none off the page).
bool pageDot(const EmbosserPage& page, int x, int y);

// Moves the cursor for one movement key (keys.h): the arrows a dot, Ctrl with an arrow a
// cell (2 dots across, 3 down), Home and End to the row's first and last dot, PgUp and
// PgDn to the nearest row above or below that holds a dot, onto its dot nearest the
// cursor's column, Ctrl+PgUp and Ctrl+PgDn
// `panCells` cells left or right (a braille display's width), Ctrl+Home and Ctrl+End to
// the first dot of the page's top and bottom rows. AtTheEdge when it can not go there.
PageMove moveDotCursor(DotCursor& cursor, int extendedKey, const EmbosserPage& page, int panCells);

// True for the moves that go a cell or more, after which the position is said.
bool movesByCells(int extendedKey);

// The tone of a dot: the higher on the page, the higher the pitch.
int dotPitch(int y, const EmbosserPage& page);

// The dots joined to the one under the cursor (each touching the next, diagonals too),
// left to right and top to bottom in each column; empty when there is no dot there. At
// most `limit` dots. When `sameFigure` is given, only the dots it takes join: those of
// the start dot's figure, not every figure that touches it.
using DotFilter = std::function<bool(DotCursor dot)>;
std::vector<DotCursor> figureSweep(const EmbosserPage& page, DotCursor start, size_t limit,
                                   const DotFilter& sameFigure = {});

// The user's coordinates of a dot, as they are said: "x 2,5; y -1".
std::string userCoordinatesText(double x, double y);
