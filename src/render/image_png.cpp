// The PNG writer over libpng with its default settings. libpng reports errors by
// longjmp; nothing with a destructor may live between setjmp and the calls that can
// jump, so the row buffer is allocated before setjmp.
#include <png.h>

#include <csetjmp>
#include <cstdint>
#include <vector>

#include "render/image_writer.h"

namespace {

struct PngTarget {
  const ByteSink* sink;
  bool failed = false;
};

void pngWrite(png_structp png, png_bytep data, png_size_t length) {
  auto* target = static_cast<PngTarget*>(png_get_io_ptr(png));
  if (!(*target->sink)(data, length)) {
    target->failed = true;
    png_error(png, "write failed");
  }
}

void pngFlush(png_structp) {}

void pngQuietWarning(png_structp, png_const_charp) {}

}  // namespace

bool writePng(const PixelView& image, const ByteSink& sink) {
  if (image.width <= 0 || image.height <= 0) return false;
  std::vector<std::uint8_t> row(static_cast<size_t>(image.width) * 3);
  PngTarget target{&sink};
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, pngQuietWarning);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  if (!info) {
    png_destroy_write_struct(&png, nullptr);
    return false;
  }
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_set_write_fn(png, &target, pngWrite, pngFlush);
  png_set_IHDR(png, info, static_cast<png_uint_32>(image.width), static_cast<png_uint_32>(image.height), 8,
               PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < image.height; ++y) {
    copyRgbRow(image, y, row.data());
    png_write_row(png, row.data());
  }
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return !target.failed;
}
