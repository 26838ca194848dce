#pragma once
// A page's pixels as the image writers and the embosser stream read them.
#include <string>

#include "platform/text/file_write.h"
#include "render/image_writer.h"
#include "render/pixel_view.h"

struct Page;

// A view of the page's pixels; an empty view (width 0) when it has no canvas or a canvas
// of paths. Valid while the page keeps its canvas.
PixelView pagePixels(const Page& page);

// Writes the page's pixels to the file (a UTF-8 path) in the format, through the atomic
// save, so that a failure leaves an existing file whole. Returns 0, or the errno of the
// failure (EIO when the encoder gave up, EINVAL for ImageFormat::None or no pixels);
// `report`, when given, gets what the save found (file_write.h).
int savePageImage(const Page& page, const std::string& path, ImageFormat format, SaveReport* report = nullptr);
