#include "output/device/device_page.h"

#include <memory>

#include "platform/frontend.h"
#include "render/figures.h"
#include "render/render_support.h"

using DevicePageTest = SurfaceTest;

TEST_F(DevicePageTest, EachDeviceHasItsSizeAndFont) {
  prepare(OutputMode::Embosser);
  EXPECT_EQ(canvas().width(), 132);
  EXPECT_EQ(canvas().height(), 132);
  EXPECT_EQ(page.state.charHeight, 16);

  inkSide = 300;
  prepare(OutputMode::InkPrinter);
  EXPECT_EQ(canvas().width(), 300);
  EXPECT_EQ(canvas().height(), 300);
  EXPECT_EQ(page.state.charHeight, 21);

  prepare(OutputMode::Screen, 640, 438);
  EXPECT_EQ(canvas().width(), 640);
  EXPECT_EQ(canvas().height(), 438);
  EXPECT_EQ(page.state.charHeight, 32);
  EXPECT_EQ(mapY(page, 15), 0);

  sheet = {20, 10, BrailleMode::Text};
  prepare(OutputMode::Embosser);
  EXPECT_EQ(canvas().width(), 40);
  EXPECT_EQ(canvas().height(), 30);
  EXPECT_EQ(page.sheet, sheet);
  EXPECT_TRUE(page.style.labelsOnWholeCells);
}

TEST_F(DevicePageTest, PageStartsWhiteWithBlackThinPenAndHollowBrush) {
  prepare(OutputMode::Embosser);
  EXPECT_TRUE(inkedPixels(canvas()).empty());
  EXPECT_EQ(canvas().pen().width, 1);
  EXPECT_EQ(canvas().pen().colour, kBlack);
  EXPECT_EQ(canvas().pen().style, PenStyle::Solid);
  EXPECT_EQ(canvas().brush().style, BrushStyle::Hollow);
  // Every pixel reads as opaque white to the image writers.
  EXPECT_EQ(canvas().view().at(0, 0), 0xFFFFFFFFu);
}

TEST(DevicePages, ImpossibleSizesGiveNoPage) {
  for (const int32_t side : {0, Canvas::kMaxSide + 1, -5}) EXPECT_FALSE(preparePage(inkPageSpec(side))) << side;
  PageSpec checking = embosserPageSpec({});
  checking.inset = Canvas::kMaxSide;  // the margins make the canvas too large
  EXPECT_FALSE(preparePage(checking));
  // A page without a canvas refuses every figure.
  Page none;
  EXPECT_EQ(drawLine(none, 0, 0, 1, 1), RenderFault::NoSurface);
}

namespace {

class FixedAreaFrontend : public Frontend {
 public:
  explicit FixedAreaFrontend(PixelSize area) : area_(area) {}
  void pump(int) override {}
  void invalidate() override {}
  void setWaitingForKey(bool) override {}
  void setTitle(const std::string&) override {}
  void beep() override {}
  PixelSize clientArea() const override { return area_; }
  void setClipboard(const std::string&) override {}
  std::string clipboard() override { return {}; }

 private:
  PixelSize area_;
};

}  // namespace

TEST(DevicePages, ScreenIsTheClientAreaLessItsBottomRowsWithAMinimum) {
  conSetFrontend(std::make_unique<FixedAreaFrontend>(PixelSize{800, 600}));
  PageSpec spec = screenPageSpec();
  EXPECT_EQ(spec.width, 800);
  EXPECT_EQ(spec.height, 558);
  // A window too small for a drawing still gets a sheet-sized page.
  conSetFrontend(std::make_unique<FixedAreaFrontend>(PixelSize{100, 30}));
  spec = screenPageSpec();
  EXPECT_EQ(spec.width, kMinScreenSide);
  EXPECT_EQ(spec.height, kMinScreenSide);
  // The batch renderer's size wins over the window.
  spec = screenPageSpec(321, 123);
  EXPECT_EQ(spec.width, 321);
  EXPECT_EQ(spec.height, 123);
  conSetFrontend(nullptr);
}
