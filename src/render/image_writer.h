#pragma once
// Image encoders. Each writes through a byte sink, so that callers choose the
// destination (a file, memory in tests) and failures of the destination come back as
// a false result instead of a half-written surprise.
#include <string_view>

#include "platform/text/file_write.h"
#include "render/pixel_view.h"

enum class ImageFormat { None, Bmp, Png, Jpeg };

// 32 bits per pixel, 40-byte info header, rows bottom-up.
bool writeBmp(const PixelView& image, const ByteSink& sink);
// A palette image of the smallest depth that holds the picture's colours, 8-bit RGB
// for a picture of more than 256; zlib level 3.
bool writePng(const PixelView& image, const ByteSink& sink);
// Baseline JPEG with the encoder's default settings.
bool writeJpeg(const PixelView& image, const ByteSink& sink);

bool writeImage(ImageFormat format, const PixelView& image, const ByteSink& sink);

// The format named by the end of a file name, compared without case: ".jpg", ".jpeg",
// ".png", ".bmp"; None for anything else (also for names too short to carry one).
ImageFormat imageFormatForName(std::string_view fileName);
