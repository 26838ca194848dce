#pragma once
// Option I: the drawing printed on paper, at the printer's own resolution, one surface
// pixel to a printer dot, on the square of the printable area's shorter side.
#include <cstdint>
#include <functional>
#include <string>

#include "output/device/device_page.h"
#include "output/ink/ink_page.h"

// Asks for the printer and the orientation, tells the page size, renders the script (or
// the test drawing) and sends the page. Every failure is said; nothing is printed after
// Esc. The console is left as it is.
void printDrawing(bool testDrawing);

// The page the device prints on by default, turned for landscape. Says when the print
// service does not know the device or does not answer (false), and what was assumed
// when the device does not tell its paper or its resolution (a raw queue).
bool findInkPage(const std::string& device, bool landscape, InkPage& oriented);

// The paper the page goes on: plain paper gets the drawing at the printer's resolution
// (one surface pixel to a printer dot); swell paper, which rises where it is black, the
// tactile drawing as paths at its real size.
enum class InkPaper { Plain, Swell };

// Prepares the page for the paper (swell paper's lines `tactileLine` tenths of a
// millimetre wide), has `draw` draw on it and sends it. False, said, when the page has
// no printable area, its side is beyond what a canvas may have, the memory cannot be
// had, or the page was not accepted.
bool printInkPage(const std::string& device, const InkPage& oriented, InkPaper paper, int32_t tactileLine,
                  const PageDrawing& draw);

// Sends the page as the PDF page of a new job named "Pontelix". Says "Problemas na
// impressora." when the job is refused at the start, "Erro no dispositivo" when the page
// does not go through whole (the job is then withdrawn); true when the print service
// accepted the page.
bool sendPageToInkPrinter(const Page& page, const std::string& device, const InkPage& oriented);
