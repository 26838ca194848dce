#include "render/dot_provenance.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using Draw = std::function<void(PixelCanvas&)>;

// The pixels a drawing inks on a white canvas of its own, as provenance indexes them.
std::vector<int32_t> alone(const Draw& draw) {
  auto canvas = PixelCanvas::create(12, 10);
  draw(*canvas);
  std::vector<int32_t> inked;
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 12; ++x)
      if (canvas->pixel(x, y) != kWhite) inked.push_back(y * 12 + x);
  return inked;
}

// A horizontal line, a vertical line crossing it in another colour, and a point drawn
// again over the first line in its own colour: each line owns what it draws alone, the
// dots drawn twice are shared, and the canvas ends as if nobody had watched.
TEST(DotProvenance, EachLineOwnsWhatItDrawsAloneAndOverdrawIsSeen) {
  const Draw across = [](PixelCanvas& c) { c.moveTo(1, 5), c.lineTo(11, 5); };
  const Draw down = [](PixelCanvas& c) {
    c.setPen(Pen{1, PenStyle::Solid, rgb(255, 0, 0)});
    c.moveTo(6, 0), c.lineTo(6, 10);
  };
  const Draw point = [](PixelCanvas& c) { c.setPixel(3, 5, kBlack); };
  auto canvas = PixelCanvas::create(12, 10);
  DotProvenance provenance(*canvas);
  int line = 0;
  for (const Draw* draw : {&across, &down, &point}) {
    provenance.beginLine();
    (*draw)(*canvas);
    EXPECT_EQ(provenance.endLine(line), alone(*draw)) << line;
    ++line;
  }
  EXPECT_EQ(provenance.owner(2, 5), 0);
  EXPECT_FALSE(provenance.shared(2, 5));
  EXPECT_EQ(provenance.owner(6, 5), 1);
  EXPECT_TRUE(provenance.shared(6, 5));
  EXPECT_EQ(provenance.previous(6, 5), 0);
  EXPECT_EQ(provenance.owner(3, 5), 2);
  EXPECT_EQ(provenance.previous(3, 5), 0);
  EXPECT_EQ(provenance.owner(0, 0), DotProvenance::kNoLine);
  auto plain = PixelCanvas::create(12, 10);
  for (const Draw* draw : {&across, &down, &point}) (*draw)(*plain);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 12; ++x) ASSERT_EQ(canvas->pixel(x, y), plain->pixel(x, y)) << x << "," << y;
}

}  // namespace
