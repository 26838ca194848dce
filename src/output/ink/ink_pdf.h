#pragma once
// The ink page as a one-page PDF: the media size in the orientation chosen, and the
// drawing as one image (palette indexes, or RGB for a picture of more than 256 colours)
// at exactly one pixel per printer dot (a scale of 72/dpi points), its top-left corner
// on the printable area's top-left dot. A PDF queue, a PostScript queue and a driver's
// raster filter all print it at its true size.
//
// The pixels are read once for their colours, then compressed row by row straight into
// the sink: besides the surface, writing holds one row, the palette and the
// compressor's window, whatever the page's size, and a sink that passes the bytes on (a
// print job) holds no copy of the page at all.
#include "platform/text/file_write.h"
#include "output/ink/ink_page.h"
#include "render/pixel_view.h"

// Precondition: the image has at least one pixel. False when the sink refused bytes or
// the compressor failed; the sink may then have taken part of the file.
bool writeInkPagePdf(const PixelView& image, const InkPage& oriented, const ByteSink& sink);
