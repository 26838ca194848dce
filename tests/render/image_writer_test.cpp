#include <gtest/gtest.h>

#include <cstdio>

#include <jpeglib.h>
#include <png.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "render/image_decode.h"
#include "render/image_writer.h"

namespace {

// A small picture with distinct colours in every corner and a stride wider than the
// width, so that row order, channel order and stride handling all show.
struct Picture {
  static constexpr int kWidth = 5, kHeight = 3, kStride = 7;
  std::vector<std::uint32_t> pixels = std::vector<std::uint32_t>(kStride * kHeight, 0xFFFFFFFFu);
  Picture() {
    pixels[0] = 0xFFFF0000u;                            // top-left red
    pixels[kWidth - 1] = 0xFF00FF00u;                   // top-right green
    pixels[(kHeight - 1) * kStride] = 0xFF0000FFu;      // bottom-left blue
    pixels[(kHeight - 1) * kStride + 2] = 0xFF123456u;  // bottom middle
    pixels[kStride + 1] = 0xFF000000u;
  }
  PixelView view() const { return {kWidth, kHeight, kStride, pixels.data()}; }
};

std::string encode(bool (*writer)(const PixelView&, const ByteSink&), const PixelView& view) {
  std::string bytes;
  const bool ok = writer(view, [&](const void* data, std::size_t size) {
    bytes.append(static_cast<const char*>(data), size);
    return true;
  });
  EXPECT_TRUE(ok);
  return bytes;
}

// Every pixel of the picture, top row first, as 0xRRGGBB.
std::vector<std::uint32_t> expectedPixels(const PixelView& view) {
  std::vector<std::uint32_t> pixels;
  for (int y = 0; y < view.height; ++y) {
    for (int x = 0; x < view.width; ++x) pixels.push_back(view.at(x, y) & 0xFFFFFF);
  }
  return pixels;
}

TEST(WriteBmp, RoundTripsEveryPixelBottomUp) {
  const Picture picture;
  const std::string bmp = encode(writeBmp, picture.view());
  ASSERT_EQ(bmp.size(), 54u + 5 * 3 * 4);
  EXPECT_EQ(readLe32(bmp, 2), bmp.size());
  EXPECT_EQ(readLe32(bmp, 10), 54u);
  EXPECT_EQ(readLe32(bmp, 14), 40u);
  EXPECT_EQ(readLe32(bmp, 28) & 0xFFFF, 32u);
  int width = 0, height = 0;
  EXPECT_EQ(decodeBmp(bmp, width, height), expectedPixels(picture.view()));
  EXPECT_EQ(width, 5);
  EXPECT_EQ(height, 3);
}

TEST(WritePng, RoundTripsEveryPixel) {
  const Picture picture;
  int width = 0, height = 0;
  EXPECT_EQ(decodePng(encode(writePng, picture.view()), width, height), expectedPixels(picture.view()));
  EXPECT_EQ(width, 5);
  EXPECT_EQ(height, 3);
}

TEST(WritePng, EveryPaletteDepthRoundTrips) {
  // 2, 3, 5 and 17 colours give depths 1, 2, 4 and 8; the picture starts and ends with
  // the same colour, so a colour cached from one pass can't leak into the next.
  for (int colours : {2, 3, 5, 17, 256}) {
    std::vector<std::uint32_t> pixels(23 * 7, 0xFFFFFFFFu);
    for (int i = 1; i < colours; ++i) pixels[static_cast<size_t>(i) * 3 % pixels.size()] = 0xFF000000u | (i * 0x010203u);
    pixels.back() = 0xFFFFFFFFu;
    const PixelView view{23, 7, 23, pixels.data()};
    int width = 0, height = 0;
    EXPECT_EQ(decodePng(encode(writePng, view), width, height), expectedPixels(view)) << colours;
  }
}

TEST(WritePng, LongRunsAndTheirEdgesRoundTrip) {
  // Wide rows of one colour with changes at and around every multiple of 16 columns, in
  // the ragged end of a row, and in the first column; a row entirely of another colour;
  // and white starting the picture while black, sorting first, only comes at its end.
  // The alpha byte varies and must not matter.
  constexpr int kWidth = 70, kHeight = 6, kStride = 75;
  std::vector<std::uint32_t> pixels(kStride * kHeight, 0xFFFFFFFFu);
  const auto set = [&](int x, int y, std::uint32_t colour) { pixels[static_cast<size_t>(y) * kStride + x] = colour; };
  for (int x : {15, 16, 31, 33, 47, 48, 64, 69}) set(x, 1, 0xFFFF0000u);
  for (int x = 0; x < kWidth; ++x) set(x, 2, x < 40 ? 0xFF00FF00u : 0x0000FF00u);
  set(0, 3, 0xFF0000FFu);
  for (int x = 1; x < kWidth; ++x) set(x, 4, 0x00FFFFFFu);
  set(kWidth - 1, kHeight - 1, 0xFF000000u);
  const PixelView view{kWidth, kHeight, kStride, pixels.data()};
  int width = 0, height = 0;
  EXPECT_EQ(decodePng(encode(writePng, view), width, height), expectedPixels(view));
  std::vector<std::uint32_t> blackLast(kWidth * 2, 0xFFFFFFFFu);
  blackLast.back() = 0xFF000000u;
  const PixelView twoRows{kWidth, 2, kWidth, blackLast.data()};
  EXPECT_EQ(decodePng(encode(writePng, twoRows), width, height), expectedPixels(twoRows));
}

TEST(WritePng, PicturesOfManyColoursRoundTripToo) {
  std::vector<std::uint32_t> pixels(40 * 30);
  for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = 0xFF000000u | static_cast<std::uint32_t>(i * 2654435761u >> 8);
  const PixelView view{40, 30, 40, pixels.data()};
  int width = 0, height = 0;
  EXPECT_EQ(decodePng(encode(writePng, view), width, height), expectedPixels(view));
}

TEST(WriteJpeg, DecodesToThePictureSizeWithColoursClose) {
  // A flat picture, so that the lossy encoder has nothing to smear.
  std::vector<std::uint32_t> pixels(16 * 16, 0xFFC08040u);
  const std::string bytes = encode(writeJpeg, PixelView{16, 16, 16, pixels.data()});
  jpeg_decompress_struct info{};
  jpeg_error_mgr error{};
  info.err = jpeg_std_error(&error);
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
  ASSERT_EQ(jpeg_read_header(&info, TRUE), JPEG_HEADER_OK);
  EXPECT_FALSE(info.progressive_mode);
  jpeg_start_decompress(&info);
  EXPECT_EQ(info.output_width, 16u);
  EXPECT_EQ(info.output_height, 16u);
  std::vector<JSAMPLE> row(16 * 3);
  JSAMPROW rows[1] = {row.data()};
  jpeg_read_scanlines(&info, rows, 1);
  EXPECT_NEAR(row[0], 0xC0, 3);
  EXPECT_NEAR(row[1], 0x80, 3);
  EXPECT_NEAR(row[2], 0x40, 3);
  jpeg_abort_decompress(&info);
  jpeg_destroy_decompress(&info);
}

TEST(ImageWriters, StopAndFailWhenTheSinkRefuses) {
  std::vector<std::uint32_t> pixels(300 * 300, 0xFF000000u);
  for (size_t i = 0; i < pixels.size(); i += 7) pixels[i] = 0xFFFFFFFFu;
  const PixelView view{300, 300, 300, pixels.data()};
  for (auto format : {ImageFormat::Bmp, ImageFormat::Png, ImageFormat::Jpeg}) {
    int calls = 0;
    const bool ok = writeImage(format, view, [&](const void*, std::size_t) { return ++calls < 2; });
    EXPECT_FALSE(ok) << static_cast<int>(format);
    EXPECT_EQ(calls, 2) << static_cast<int>(format);
  }
  EXPECT_FALSE(writeImage(ImageFormat::Png, PixelView{}, [](const void*, std::size_t) { return true; }));
}

TEST(ImageFormatForName, ByExtensionWithoutCase) {
  EXPECT_EQ(imageFormatForName("a.jpeg"), ImageFormat::Jpeg);
  EXPECT_EQ(imageFormatForName("A.JPG"), ImageFormat::Jpeg);
  EXPECT_EQ(imageFormatForName("x.Png"), ImageFormat::Png);
  EXPECT_EQ(imageFormatForName("dir.png/x.bmp"), ImageFormat::Bmp);
  EXPECT_EQ(imageFormatForName("x.gif"), ImageFormat::None);
  EXPECT_EQ(imageFormatForName("a"), ImageFormat::None);
  EXPECT_EQ(imageFormatForName("png"), ImageFormat::None);
}

}  // namespace
