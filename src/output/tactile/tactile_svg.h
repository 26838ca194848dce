#pragma once
// The tactile drawing as SVG, for sharing and for audio-tactile readers: the paper's
// size and view box in millimetres, and each command line's marks in a group whose
// title is the line as written and whose description says what it draws, so that a
// reader which speaks titles tells what lies under the finger.
#include <string>
#include <vector>

#include "platform/text/file_write.h"
#include "language/interpreter.h"
#include "output/ink/ink_page.h"
#include "render/vector_canvas.h"

// `lines` are the script the canvas was drawn from, to title the groups.
// False when the sink refused bytes.
bool writeTactileSvg(const VectorCanvas& canvas, const InkPage& oriented, const std::vector<std::string>& lines,
                     const ByteSink& sink);

// Draws the script on an A4 tactile page, in portrait, with the line width Tramel.ini
// sets, and saves it as SVG under `path` (UTF-8), replacing the file whole. 0, or the
// errno of the save (ENOMEM when the page could not be had), and what the save found in
// `report`.
int saveTactileSvg(const std::string& path, const std::vector<std::string>& lines, const ScriptReports& reports,
                   SaveReport& report);
