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

TEST(InkPdf, PixelsComeBackExactlyRowByRowTopFirst) {
  Image image(5, 3);
  image.pixels[0] = 0xFFFF0000u;           // top-left red
  image.pixels[5 * 2 + 4] = 0xFF000080u;   // bottom-right dark blue
  const std::string rgb = imagePixels(pdfOf(image, defaultInkPage()));
  ASSERT_EQ(rgb.size(), 5u * 3 * 3);
  EXPECT_EQ(rgb.substr(0, 6), std::string("\xFF\x00\x00\xFF\xFF\xFF", 6));
  EXPECT_EQ(rgb.substr(rgb.size() - 3), std::string("\x00\x00\x80", 3));
  EXPECT_EQ(rgb.find('\x00', 3), rgb.size() - 3);  // nothing else but white
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
