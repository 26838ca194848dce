#include "output/ink/ink_pdf.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Image {
  int width, height;
  std::vector<std::uint32_t> pixels;
  Image(int w, int h) : width(w), height(h), pixels(static_cast<size_t>(w) * h, 0xFFFFFFFFu) {}
  PixelView view() const { return {width, height, width, pixels.data()}; }
};

std::string pdfOf(const Image& image, const InkPage& page) {
  std::string pdf;
  const bool ok = writeInkPagePdf(image.view(), page, [&](const void* data, size_t size) {
    pdf.append(static_cast<const char*>(data), size);
    return true;
  });
  EXPECT_TRUE(ok);
  return pdf;
}

// The numbers that follow `key` in the file, as many as asked for.
std::vector<double> numbersAfter(const std::string& pdf, const std::string& key, int count) {
  const size_t at = pdf.find(key);
  EXPECT_NE(at, std::string::npos) << key;
  std::istringstream in(pdf.substr(at + key.size()));
  in.imbue(std::locale::classic());
  std::vector<double> numbers(count);
  for (double& n : numbers) in >> n;
  return numbers;
}

// The numbers in front of " cm": the image's width, 0, 0, height, x, y in points.
std::vector<double> placement(const std::string& pdf) {
  const size_t cm = pdf.find(" cm\n");
  const size_t start = pdf.rfind("q\n", cm) + 2;
  std::istringstream in(pdf.substr(start, cm - start));
  std::vector<double> numbers(6);
  for (double& n : numbers) in >> n;
  return numbers;
}

std::string imagePixels(const std::string& pdf) {
  const size_t dict = pdf.find("/Subtype /Image");
  const size_t start = pdf.find("stream\n", dict) + 7;
  const size_t end = pdf.find("\nendstream", start);
  std::string out(16 << 20, '\0');
  uLongf outSize = out.size();
  EXPECT_EQ(uncompress(reinterpret_cast<Bytef*>(out.data()), &outSize,
                       reinterpret_cast<const Bytef*>(pdf.data() + start), end - start),
            Z_OK);
  out.resize(outSize);
  return out;
}

// The image's pixels as a reader decodes them, 0xRRGGBB, rows top first: indexes of
// /BitsPerComponent bits into the /Indexed palette, each row in whole bytes, or RGB.
std::vector<std::uint32_t> decodedPixels(const std::string& pdf) {
  const std::string data = imagePixels(pdf);
  const int width = static_cast<int>(numbersAfter(pdf, "/Width ", 1)[0]);
  const int bits = static_cast<int>(numbersAfter(pdf, "/BitsPerComponent ", 1)[0]);
  const size_t indexed = pdf.find("/Indexed /DeviceRGB ");
  const std::string palette = indexed == std::string::npos ? "" : pdf.substr(pdf.find('<', indexed) + 1);
  const size_t rowBytes = indexed == std::string::npos ? width * 3u : (width * bits + 7u) / 8;
  if (data.size() != rowBytes * static_cast<size_t>(numbersAfter(pdf, "/Height ", 1)[0])) return {};
  std::vector<std::uint32_t> pixels;
  for (size_t at = 0; at < data.size(); at += rowBytes) {
    const auto* row = reinterpret_cast<const std::uint8_t*>(data.data() + at);
    for (int x = 0; x < width; ++x) {
      const int index = row[x * bits / 8] >> (8 - bits - x * bits % 8) & ((1 << bits) - 1);
      pixels.push_back(indexed == std::string::npos ? row[3 * x] << 16 | row[3 * x + 1] << 8 | row[3 * x + 2]
                                                    : std::stoul(palette.substr(index * 6, 6), nullptr, 16));
    }
  }
  return pixels;
}

TEST(InkPdf, PortraitPageWithTheImageAtThePrintableCorner) {
  Image image(40, 40);
  const InkPage page{21000, 29700, 635, 1270, 1905, 635, 600};
  const std::string pdf = pdfOf(image, page);
  EXPECT_EQ(pdf.substr(0, 9), "%PDF-1.4\n");
  EXPECT_EQ(pdf.substr(pdf.size() - 6), "%%EOF\n");
  const auto media = numbersAfter(pdf, "/MediaBox [", 4);
  EXPECT_NEAR(media[2], 595.2756, 1e-3);
  EXPECT_NEAR(media[3], 841.8898, 1e-3);
  const auto at = placement(pdf);
  EXPECT_DOUBLE_EQ(at[0], 4.8);                    // 40 dots at 600 dpi
  EXPECT_DOUBLE_EQ(at[3], 4.8);
  EXPECT_DOUBLE_EQ(at[4], 18.0);                   // dot 150 from the left edge
  EXPECT_NEAR(at[5], 841.8898 - 54.0 - 4.8, 1e-3);  // dot 450 from the top edge
  EXPECT_EQ(numbersAfter(pdf, "/Width ", 1)[0], 40);
  EXPECT_EQ(numbersAfter(pdf, "/Height ", 1)[0], 40);
  EXPECT_NE(pdf.find("/Interpolate false"), std::string::npos);
  EXPECT_NE(pdf.find("/Title (Pontelix)"), std::string::npos);
}

TEST(InkPdf, LandscapePageIsWiderThanHigh) {
  Image image(30, 30);
  const InkPage page = orientedPage(InkPage{21000, 29700, 635, 1270, 1905, 635, 300}, true);
  const std::string pdf = pdfOf(image, page);
  const auto media = numbersAfter(pdf, "/MediaBox [", 4);
  EXPECT_GT(media[2], media[3]);
  const auto at = placement(pdf);
  EXPECT_DOUBLE_EQ(at[4], 18.0);
  EXPECT_NEAR(at[5], media[3] - 18.0 - 7.2, 1e-3);
}

TEST(InkPdf, EveryPictureDecodesToItsOwnPixelsAtTheSmallestDepth) {
  // White and colours - 1 others; 0 bits stands for RGB. The odd width leaves part of
  // each row's last byte over, and the top-left pixel's alpha byte must not count.
  const struct {
    int colours, bits;
  } cases[] = {{1, 1}, {2, 1}, {4, 2}, {16, 4}, {17, 8}, {256, 8}, {257, 0}};
  for (const auto& c : cases) {
    Image image(13, 29);
    image.pixels[0] = 0x00FFFFFFu;
    for (int i = 1; i < c.colours; ++i) image.pixels[i * 7 % image.pixels.size()] = 0xFF000000u | (i * 0x9E3779u & 0xFFFFFFu);
    const std::string pdf = pdfOf(image, defaultInkPage());
    for (std::uint32_t& pixel : image.pixels) pixel &= 0xFFFFFFu;  // what a reader sees
    EXPECT_EQ(decodedPixels(pdf), image.pixels) << c.colours;
    EXPECT_EQ(numbersAfter(pdf, "/BitsPerComponent ", 1)[0], c.bits > 0 ? c.bits : 8) << c.colours;
    EXPECT_EQ(pdf.find("/Indexed /DeviceRGB " + std::to_string(c.colours - 1) + " <") != std::string::npos, c.bits > 0);
  }
}

TEST(InkPdf, CrossReferenceTableNamesEveryObject) {
  Image image(300, 200);
  const std::string pdf = pdfOf(image, defaultInkPage());
  const size_t xref = static_cast<size_t>(numbersAfter(pdf, "startxref\n", 1)[0]);
  ASSERT_EQ(pdf.compare(xref, 5, "xref\n"), 0);
  std::istringstream table(pdf.substr(xref + 5));
  int first = -1, count = 0;
  table >> first >> count;
  EXPECT_EQ(first, 0);
  ASSERT_EQ(count, 8);
  std::string offset, generation, use;
  table >> offset >> generation >> use;
  for (int number = 1; number < count; ++number) {
    table >> offset >> generation >> use;
    EXPECT_EQ(use, "n");
    EXPECT_EQ(pdf.compare(std::stoul(offset), std::to_string(number).size() + 6, std::to_string(number) + " 0 obj"),
              0)
        << number;
  }
  // The image stream's length object tells the truth.
  const size_t start = pdf.find("stream\n", pdf.find("/Subtype /Image")) + 7;
  const size_t end = pdf.find("\nendstream", start);
  EXPECT_EQ(numbersAfter(pdf, "6 0 obj\n", 1)[0], static_cast<double>(end - start));
}

TEST(InkPdf, ARefusingSinkStopsTheWriting) {
  Image image(200, 200);
  for (size_t refuseAt : {1u, 4u, 6u, 20u}) {
    size_t calls = 0;
    const bool ok = writeInkPagePdf(image.view(), defaultInkPage(), [&](const void*, size_t) {
      return ++calls < refuseAt;
    });
    EXPECT_FALSE(ok) << refuseAt;
    EXPECT_EQ(calls, refuseAt);
  }
}

}  // namespace
