#pragma once
// The drawing printed on paper, at the printer's own resolution, one page pixel to a
// printer dot, on the square of the printable area's shorter side. Nothing here speaks:
// each step answers with an Outcome that the caller tells its user.
#include <cstdint>
#include <string>

#include "output/device/device_page.h"
#include "output/ink/ink_page.h"
#include "platform/text/outcome.h"

// The page the device prints on by default, turned for landscape. Fails when the print
// service does not know the device or does not answer; tells what was assumed when the
// device does not tell its paper or its resolution (a raw queue).
Outcome findInkPage(const std::string& device, bool landscape, InkPage& oriented);

// The paper the page goes on: plain paper gets the drawing at the printer's resolution
// (one page pixel to a printer dot); swell paper, which rises where it is black, the
// tactile drawing as paths at its real size.
enum class InkPaper { Plain, Swell };

// Prepares the page for the paper (swell paper's lines `tactileLine` tenths of a
// millimetre wide), has `draw` draw on it and sends it. Fails when the page has no
// printable area, its side is beyond what a canvas may have, the memory cannot be had,
// or the page was not accepted.
Outcome printInkPage(const std::string& device, const InkPage& oriented, InkPaper paper, int32_t tactileLine,
                     const PageDrawing& draw);

// Sends the page as a new job named "Pontelix": a PDF page, or the page drawn by the
// system itself where the print service takes no PDF (Windows). Fails with "Problemas
// na impressora." when the job is refused at the start, "Erro no dispositivo" when the
// page does not go through whole (the job is then withdrawn).
Outcome sendPageToInkPrinter(const Page& page, const std::string& device, const InkPage& oriented);
