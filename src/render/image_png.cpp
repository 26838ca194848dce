// The PNG writer over libpng with its default compression and filter settings.
//
// A drawing holds a handful of pure colours, so it is written as a palette image of the
// smallest depth that holds them: decoded, the pixels are the same as an RGB image's,
// with a third or less of the data to filter and compress. A picture of more than 256
// colours is written as RGB.
//
// libpng reports errors by longjmp; nothing with a destructor may be created between
// setjmp and the calls that can jump, so the buffers are made before setjmp.
#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstdint>
#include <vector>

#include "render/image_writer.h"

namespace {

struct PngTarget {
  const ByteSink* sink;
  bool indexed;  // kept here, in memory, so that a longjmp cannot clobber it
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

// The colours of a picture (0xRRGGBB, sorted) with a one-entry cache, as drawings come
// in long runs of one colour.
class Palette {
 public:
  // False when the picture has more colours than a palette holds.
  bool collect(const PixelView& image) {
    for (int y = 0; y < image.height; ++y) {
      for (int x = 0; x < image.width; ++x) {
        const std::uint32_t colour = image.at(x, y) & 0xFFFFFFu;
        if (colour == last_) continue;
        last_ = colour;
        const auto at = std::lower_bound(colours_.begin(), colours_.end(), colour);
        if (at != colours_.end() && *at == colour) continue;
        if (colours_.size() == PNG_MAX_PALETTE_LENGTH) return false;
        colours_.insert(at, colour);
      }
    }
    return true;
  }
  int depth() const {
    const size_t n = colours_.size();
    return n <= 2 ? 1 : n <= 4 ? 2 : n <= 16 ? 4 : 8;
  }
  std::vector<png_color> entries() const {
    std::vector<png_color> out;
    for (std::uint32_t c : colours_) {
      out.push_back({static_cast<png_byte>(c >> 16), static_cast<png_byte>(c >> 8), static_cast<png_byte>(c)});
    }
    return out;
  }
  // One byte per pixel; libpng packs them to the depth.
  void indexRow(const PixelView& image, int y, std::uint8_t* out) {
    for (int x = 0; x < image.width; ++x) {
      const std::uint32_t colour = image.at(x, y) & 0xFFFFFFu;
      if (colour != lastIndexed_) {
        lastIndexed_ = colour;
        lastIndex_ = static_cast<std::uint8_t>(std::lower_bound(colours_.begin(), colours_.end(), colour) - colours_.begin());
      }
      out[x] = lastIndex_;
    }
  }

 private:
  std::vector<std::uint32_t> colours_;
  // Caches of the last colour seen, one per pass; 0xFFFFFFFF is no colour, as the alpha
  // byte is masked off.
  std::uint32_t last_ = 0xFFFFFFFFu;
  std::uint32_t lastIndexed_ = 0xFFFFFFFFu;
  std::uint8_t lastIndex_ = 0;
};

}  // namespace

bool writePng(const PixelView& image, const ByteSink& sink) {
  if (image.width <= 0 || image.height <= 0) return false;
  std::vector<std::uint8_t> row(static_cast<size_t>(image.width) * 3);
  Palette palette;
  PngTarget target{&sink, palette.collect(image)};
  const std::vector<png_color> entries = palette.entries();
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
  const bool indexed = target.indexed;
  png_set_IHDR(png, info, static_cast<png_uint_32>(image.width), static_cast<png_uint_32>(image.height),
               indexed ? palette.depth() : 8, indexed ? PNG_COLOR_TYPE_PALETTE : PNG_COLOR_TYPE_RGB,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (indexed) png_set_PLTE(png, info, entries.data(), static_cast<int>(entries.size()));
  png_write_info(png, info);
  if (indexed) png_set_packing(png);
  for (int y = 0; y < image.height; ++y) {
    if (indexed) {
      palette.indexRow(image, y, row.data());
    } else {
      copyRgbRow(image, y, row.data());
    }
    png_write_row(png, row.data());
  }
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return !target.failed;
}
