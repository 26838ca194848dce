#pragma once
// What each command line draws, said in a few Portuguese words ("círculo de centro
// (0; 0) e raio 5"), for those who cannot look at the drawing: the titled groups of an
// SVG that a touch reader speaks.
#include <string>
#include <vector>

// One description per line, in the order of the lines; empty for a
// blank line, a comment, an unknown command or one whose arguments do not read. Points
// are read as a run reads them, so "@" and relative pairs give the point they stand for.
std::vector<std::string> describeCommandLines(const std::vector<std::string>& lines);
