// The canvas of indexes against the same canvas drawn by Cairo on 32-bit pixels: every
// figure, pen and brush gives the same pixels, on a surface wide enough that Cairo's
// masks come in several bands, and with an odd width so that rows end on half a byte.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "render/image_writer.h"
#include "render/pixel_canvas.h"

namespace {

constexpr int kWidth = 2001, kHeight = 181;

using Drawing = std::function<void(Canvas&)>;

struct Case {
  const char* name;
  Drawing draw;
};

const Case kCases[] = {
    {"segments", [](Canvas& c) { c.moveTo(-40, 3); c.lineTo(1990, 170); c.lineTo(1000, -50); c.lineTo(2030, 90); }},
    {"rectangles", [](Canvas& c) { c.rectangle(5, 5, 1995, 175); c.rectangle(-20, 40, 60, 300); }},
    {"ellipses", [](Canvas& c) { c.ellipse(10, 10, 1990, 170); c.ellipse(1900, 100, 2100, 260); c.ellipse(40, 60, 40, 120); }},
    {"polygon", [](Canvas& c) {
       const PixelPoint points[] = {{0, 180}, {1000, -30}, {2000, 180}, {900, 90}};
       c.polygon(points);
     }},
    {"discs", [](Canvas& c) { c.disc(0, 0, 21); c.disc(1000, 90, 9); c.ringedDisc(2000, 180, 15, 4); }},
    {"text", [](Canvas& c) {
       c.setFont(24);
       c.textOut(-7, -5, "Área π ≤ ∞ gjpq");
       c.textOut(1950, 165, "Física");
       c.setFont(60);
       c.textOut(600, 70, "CURSO de física");
     }},
};

const Pen kPens[] = {{1, PenStyle::Solid, kBlack},       {1, PenStyle::Dotted, rgb(255, 0, 0)},
                     {1, PenStyle::Dashed, rgb(0, 0, 255)}, {4, PenStyle::Solid, rgb(0, 128, 0)},
                     {13, PenStyle::Dashed, rgb(128, 0, 0)}};
const Brush kBrushes[] = {{BrushStyle::Hollow, kWhite},
                          {BrushStyle::Solid, rgb(255, 255, 0)},
                          {BrushStyle::HatchCross, rgb(0, 0, 255)},
                          {BrushStyle::HatchForwardDiagonal, kBlack}};

std::unique_ptr<PixelCanvas> drawn(PixelCanvas::LibraryDrawing how, const Drawing& draw, const Pen& pen,
                                   const Brush& brush) {
  std::unique_ptr<PixelCanvas> canvas = PixelCanvas::create(kWidth, kHeight, how);
  canvas->setPen(pen);
  canvas->setBrush(brush);
  canvas->setTextColour(pen.colour);
  draw(*canvas);
  return canvas;
}

// The first pixel where the canvases differ, or "" when none does.
std::string firstDifference(const PixelCanvas& a, const PixelCanvas& b) {
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      if (a.pixel(x, y) != b.pixel(x, y)) return std::to_string(x) + "," + std::to_string(y);
    }
  }
  return "";
}

std::string encoded(ImageFormat format, const PixelView& view) {
  std::string bytes;
  EXPECT_TRUE(writeImage(format, view, [&](const void* data, std::size_t size) {
    bytes.append(static_cast<const char*>(data), size);
    return true;
  }));
  return bytes;
}

}  // namespace

TEST(IndexCanvas, EveryFigurePenAndBrushGivesThePixelsOfThe32BitCanvas) {
  for (const Case& test : kCases) {
    for (const Pen& pen : kPens) {
      for (const Brush& brush : kBrushes) {
        const auto masks = drawn(PixelCanvas::LibraryDrawing::Masks, test.draw, pen, brush);
        const auto whole = drawn(PixelCanvas::LibraryDrawing::WholeSurface, test.draw, pen, brush);
        EXPECT_EQ(firstDifference(*masks, *whole), "")
            << test.name << ", pen " << pen.width << "/" << static_cast<int>(pen.style) << ", brush "
            << static_cast<int>(brush.style);
      }
    }
  }
}

// Past sixteen colours the indexes take a byte a pixel, past 256 a colour is drawn as the
// nearest one held; what was drawn before keeps its colours, and the writers read the
// same image as from 32-bit pixels.
TEST(IndexCanvas, ManyColoursKeepThePixelsAndTheWritersReadThem) {
  std::unique_ptr<PixelCanvas> canvas = PixelCanvas::create(37, 300);
  std::vector<uint32_t> expected(37 * 300, kWhite);
  for (int n = 0; n < 300; ++n) {
    // White and 255 colours fill the palette; rgb(3, 1, 7) is then drawn as rgb(3, 0, 7).
    const uint32_t colour = n < 255 ? rgb(n, 0, 7) : rgb(3, 1, 7);
    canvas->setPen({1, PenStyle::Solid, colour});
    canvas->moveTo(n % 2, n);
    canvas->lineTo(37, n);
    for (int x = n % 2; x < 37; ++x) expected[n * 37 + x] = n < 255 ? colour : rgb(3, 0, 7);
    if (n == 8 || n == 20) {
      std::vector<uint32_t> words(expected.size());
      const PixelView view = canvas->view();
      for (int y = 0; y < view.height; ++y) {
        for (int x = 0; x < view.width; ++x) words[y * 37 + x] = view.at(x, y);
      }
      const PixelView asWords{37, 300, 37, words.data()};
      for (const ImageFormat format : {ImageFormat::Png, ImageFormat::Bmp, ImageFormat::Jpeg}) {
        EXPECT_EQ(encoded(format, view), encoded(format, asWords)) << n << " " << static_cast<int>(format);
      }
    }
  }
  for (int y = 0; y < 300; ++y) {
    for (int x = 0; x < 37; ++x) ASSERT_EQ(canvas->pixel(x, y), expected[y * 37 + x]) << x << "," << y;
  }
}
