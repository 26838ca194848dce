#pragma once
// What viewing and image export share: the drawing on the Screen surface, whole keys
// read without echo, and the console left as the main menu expects it.
#include "render/surface.h"

// outputMode = Screen, a fresh surface, then the test drawing or the command lines
// (whose line errors are reported as the interpreter reports them). False, with no
// surface, when the surface could not be had; the caller frees the surface otherwise.
bool drawOnScreenSurface(bool testDrawing);
// The same for any output mode; line errors and the data files' messages are reported
// only when `reportErrors` (a view that has already run the script for the screen has
// reported them once).
bool drawOnSurface(OutputMode mode, bool testDrawing, bool reportErrors);

// Why a surface could not be had, in words for the user (Windows-1252).
extern const char* const kNoSurfaceReason;

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
