#pragma once
// What viewing and image export share: the drawing on the screen page, whole keys read
// without echo, and the console left as the main menu expects it.
#include <optional>

#include <string>

#include "render/page.h"

// A fresh screen page, then the test drawing or the command lines on it (whose line
// errors are reported as the interpreter reports them). Empty when the page could not
// be had.
std::optional<Page> drawOnScreenPage(bool testDrawing);
// The same on a page of any device; line errors and the data files' messages are
// reported only when `reportErrors` (a view that has already run the script for the
// screen has reported them once).
std::optional<Page> drawOnPage(const PageSpec& spec, bool testDrawing, bool reportErrors);

// Why a page could not be had, in words for the user.
std::string noSurfaceReason();

// Reads one whole key without writing or echoing it: every code of an extended key is
// taken, so that none of them is left over for the next question. Returns the character,
// or 0 for an extended key.
int readWholeKey();
// The same, giving an extended key's code (0 for a character key, and for an extended
// key with Shift, Ctrl+Shift or Alt before it).
int readWholeKey(int& extendedCode);

// Clears the console, sets the title to the project's name, and puts the cursor at
// column 1, row 3, where the main menu's banner leaves room.
void returnToCleanConsole();
