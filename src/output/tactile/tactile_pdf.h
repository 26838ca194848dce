#pragma once
// The tactile drawing as a one-page PDF of paths: the paper in the orientation chosen,
// the drawing on the printable area's top-left corner at its real size, every mark
// pure black (or white) so that the paper rises exactly where the figures are.
#include "platform/text/file_write.h"
#include "output/ink/ink_page.h"
#include "render/page.h"
#include "render/vector_canvas.h"

// Paints the tactile drawing as the one page of `surface`, whose units are
// `unitsPerInchX` and `unitsPerInchY` to the inch across and down, with the paper's
// corner at -`origin`; then finishes and releases the surface. False when the library
// failed.
bool paintTactilePage(cairo_surface_t* surface, const VectorCanvas& canvas, const InkPage& oriented, double unitsPerInchX,
                      double unitsPerInchY, DoublePoint origin);

// False when the sink refused bytes or the library failed; the sink may then have taken
// part of the file.
bool writeTactilePdf(const VectorCanvas& canvas, const InkPage& oriented, const ByteSink& sink);

// The page as PDF: the paths of a tactile page, the image of any other.
bool writePagePdf(const Page& page, const InkPage& oriented, const ByteSink& sink);
