#pragma once
// The drawing for swell paper and a heat pen, where everything black rises: the figures
// at the paper's real size as paths (the vector canvas), on the ink page's paper and in
// the same place, a square as wide as the printable area allows.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "language/interpreter.h"
#include "output/ink/ink_page.h"
#include "render/page.h"

// The least paper left around the tactile drawing on every side, in hundredths of a
// millimetre: 10 mm.
constexpr int32_t kTactileMargin = 1000;

// The printable area of the oriented page in tenths of a millimetre, the vector
// canvas's units, with at least kTactileMargin on every side.
PrintableDots tactileArea(const InkPage& oriented);

// The tactile page for the paper, its lines `tactileLine` tenths of a millimetre wide;
// empty, with a reason in `why`, when the paper has no printable area or
// is larger than a canvas can be, or the memory cannot be had.
std::optional<Page> prepareTactilePage(const InkPage& oriented, int32_t tactileLine, std::string& why);

// Runs the script (or draws the test drawing) on a tactile page, each command line's
// marks in a group of its own. Nothing is drawn on a page of pixels.
void drawTactileDrawing(Page& page, bool testDrawing, const std::vector<std::string>& lines, ScriptReports reports);
