#pragma once
// pontelix render [--mode=screen|embosser|ink|tactile] [--size=WxH] [--landscape] [--test-drawing] SCRIPT -o OUT
//
// Runs a command script (or the test drawing) without the interactive program and
// writes the drawing as BMP, PNG or JPEG, as the byte stream an embosser receives
// (".brf"), as the embosser page in Unicode Braille patterns (".txt") or as a Portable
// Embosser Format document (".pef"), or as the PDF
// page an ink printer receives (".pdf"), or the tactile drawing for swell paper as PDF
// or SVG (".svg"). Nothing is heard and no key is awaited: line
// errors and data-file messages go to standard error. Exit status: 0 a clean run; 1
// something was written to standard error (a line error, a figure that could not be
// drawn, a data file missing, unreadable or with bad lines), the output
// holding what was drawn; 2 usage error, unreadable script, unknown extension or an
// output that could not be written (no output file is left then).
#include <string>

#include "output/device/device_page.h"
#include "shell/batch_run.h"

// A Pdf is the ink page or, with the tactile mode, the page for swell paper; an Svg is
// always the tactile drawing.
enum class RenderTarget { Bmp, Png, Jpeg, EmbosserStream, EmbosserPage, EmbosserPef, Pdf, Svg };

struct RenderRequest : BatchRequest {
  OutputMode mode = OutputMode::Screen;
  int width = 1040;      // screen surface
  int height = 658;
  int inkSide = 2480;    // ink page side: A4's width at 300 dpi
  bool inkSideGiven = false;
  int paperWidth = 210;  // the tactile page's paper, in millimetres
  int paperLength = 297;
  std::string output;
  RenderTarget target = RenderTarget::Png;
};

// Parses the arguments after "render" (argv[0] is "render"). False with `error` set
// (UTF-8) on a usage error. `help` is set for --help.
bool parseRenderArguments(int argc, char** argv, RenderRequest& request, bool& help, std::string& error);

int runRenderCommand(int argc, char** argv);
