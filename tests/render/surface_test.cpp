#include <memory>

#include "platform/frontend.h"
#include "render_support.h"

using SurfaceSizeTest = SurfaceTest;

TEST_F(SurfaceSizeTest, EachModeHasItsSizeAndFont) {
  prepare(OutputMode::Embosser);
  EXPECT_EQ(canvas().width(), 132);
  EXPECT_EQ(canvas().height(), 132);
  EXPECT_EQ(drawingState().charHeight, 16);

  setInkPageSide(300);
  prepare(OutputMode::InkPrinter);
  EXPECT_EQ(canvas().width(), 300);
  EXPECT_EQ(canvas().height(), 300);
  EXPECT_EQ(drawingState().charHeight, 21);

  prepare(OutputMode::Screen, 640, 438);
  EXPECT_EQ(canvas().width(), 640);
  EXPECT_EQ(canvas().height(), 438);
  EXPECT_EQ(drawingState().charHeight, 32);
  EXPECT_EQ(mapY(15), 0);
}

TEST_F(SurfaceSizeTest, SurfaceStartsWhiteWithBlackThinPenAndHollowBrush) {
  prepare(OutputMode::Embosser);
  EXPECT_TRUE(inkedPixels(canvas()).empty());
  EXPECT_EQ(canvas().pen().width, 1);
  EXPECT_EQ(canvas().pen().colour, kBlack);
  EXPECT_EQ(canvas().pen().style, PenStyle::Solid);
  EXPECT_EQ(canvas().brush().style, BrushStyle::Hollow);
  // Every stored word is opaque white, as the image writers read it.
  const auto* row = reinterpret_cast<const uint32_t*>(canvas().data());
  EXPECT_EQ(row[0], 0xFFFFFFFFu);
}

TEST_F(SurfaceSizeTest, ImpossibleSizesGiveNoSurface) {
  outputMode = OutputMode::InkPrinter;
  setInkPageSide(0);
  EXPECT_FALSE(prepareSurface());
  EXPECT_EQ(drawingSurface(), nullptr);
  EXPECT_EQ(surfaceWidth(), 0);
  setInkPageSide(Canvas::kMaxSide + 1);
  EXPECT_FALSE(prepareSurface());
  setInkPageSide(-5);
  EXPECT_FALSE(prepareSurface());
  EXPECT_EQ(drawingSurface(), nullptr);
}

TEST_F(SurfaceSizeTest, FreeingLeavesNoSurface) {
  prepare(OutputMode::Embosser);
  freeSurface();
  EXPECT_EQ(drawingSurface(), nullptr);
  EXPECT_EQ(surfaceHeight(), 0);
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

TEST_F(SurfaceSizeTest, ScreenIsTheClientAreaLessItsBottomRowsWithAMinimum) {
  setScreenSurfaceSize(0, 0);
  conSetFrontend(std::make_unique<FixedAreaFrontend>(PixelSize{800, 600}));
  outputMode = OutputMode::Screen;
  ASSERT_TRUE(prepareSurface());
  EXPECT_EQ(canvas().width(), 800);
  EXPECT_EQ(canvas().height(), 558);
  // A window too small for a drawing still gets a sheet-sized surface.
  conSetFrontend(std::make_unique<FixedAreaFrontend>(PixelSize{100, 30}));
  ASSERT_TRUE(prepareSurface());
  EXPECT_EQ(canvas().width(), kMinScreenSide);
  EXPECT_EQ(canvas().height(), kMinScreenSide);
  // The batch renderer's size wins over the window.
  setScreenSurfaceSize(321, 123);
  ASSERT_TRUE(prepareSurface());
  EXPECT_EQ(canvas().width(), 321);
  EXPECT_EQ(canvas().height(), 123);
  conSetFrontend(nullptr);
}
