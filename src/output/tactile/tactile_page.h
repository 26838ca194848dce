#pragma once
// The drawing for swell paper and a heat pen, where everything black rises: the figures
// at the paper's real size as paths (the vector canvas), on the ink page's paper and in
// the same place, a square as wide as the printable area allows.
#include <string>
#include <vector>

#include "language/interpreter.h"
#include "output/ink/ink_page.h"

// The printable area of the oriented page in tenths of a millimetre, the vector
// canvas's units.
PrintableDots tactileArea(const InkPage& oriented);

// Sets the output to Tactile and prepares its surface for the page; false, with a
// reason in `why` (Windows-1252), when the page has no printable area or is larger
// than a canvas can be.
bool prepareTactileSurface(const InkPage& oriented, std::string& why);

// Runs the script (or draws the test drawing) on the tactile surface, each command
// line's marks in a group of its own. Precondition: the tactile surface is prepared.
void drawTactileDrawing(bool testDrawing, const std::vector<std::string>& lines, ScriptReports reports);
