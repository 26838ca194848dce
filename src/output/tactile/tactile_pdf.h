#pragma once
// The tactile drawing as a one-page PDF of paths: the paper in the orientation chosen,
// the drawing on the printable area's top-left corner at its real size, every mark
// pure black (or white) so that the paper rises exactly where the figures are.
#include "platform/text/file_write.h"
#include "output/ink/ink_page.h"
#include "render/page.h"
#include "render/vector_canvas.h"

// False when the sink refused bytes or the library failed; the sink may then have taken
// part of the file.
bool writeTactilePdf(const VectorCanvas& canvas, const InkPage& oriented, const ByteSink& sink);

// The page as PDF: the paths of a tactile page, the image of any other.
bool writePagePdf(const Page& page, const InkPage& oriented, const ByteSink& sink);
