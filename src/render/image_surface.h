#pragma once
// The drawing surface as the image writers and the embosser stream read it.
#include <string>

#include "render/image_writer.h"
#include "render/pixel_view.h"

// A view of the current drawing surface's pixels; an empty view (width 0) when there is
// no surface. Valid until the surface is freed or prepared anew.
PixelView surfacePixels();

// Writes the current surface to the file (a UTF-8 path) in the format, through the atomic
// save, so that a failure leaves an existing file whole. Returns 0, or the errno of the
// failure (EIO when the encoder gave up, EINVAL for ImageFormat::None or no surface).
int saveSurfaceImage(const std::string& path, ImageFormat format);
