#pragma once
// What viewing and image export share: the drawing on the Screen surface, whole keys
// read without echo, and the console left as the main menu expects it.

// outputMode = Screen, a fresh surface, then the test drawing or the command lines
// (whose line errors are reported as the interpreter reports them). False, with no
// surface, when the surface could not be had; the caller frees the surface otherwise.
bool drawOnScreenSurface(bool testDrawing);

// Why a surface could not be had, in words for the user (Windows-1252).
extern const char* const kNoSurfaceReason;

// Reads one whole key without writing or echoing it: every code of an extended key is
// taken, so that none of them is left over for the next question. Returns the character,
// or 0 for an extended key.
int readWholeKey();

// Clears the console, sets the title to the project's name, and puts the cursor at
// column 1, row 3, where the main menu's banner leaves room.
void returnToCleanConsole();
