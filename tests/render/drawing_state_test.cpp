#include <cmath>
#include <limits>

#include "render_support.h"

using DrawingStateTest = SurfaceTest;

TEST_F(DrawingStateTest, DefaultMappingOnTheEmbosserSheet) {
  prepare(OutputMode::Embosser);
  const DrawingState& s = page.state;
  EXPECT_EQ(s.leftPx, 0);
  EXPECT_EQ(s.rightPx, 132);
  EXPECT_EQ(s.yMinRowPx, 132);
  EXPECT_EQ(s.yMaxRowPx, 0);
  EXPECT_DOUBLE_EQ(s.scaleX, 3.3);
  EXPECT_DOUBLE_EQ(s.scaleY, -4.4);
  EXPECT_DOUBLE_EQ(s.offsetX, 66);
  EXPECT_DOUBLE_EQ(s.offsetY, 66);
  EXPECT_EQ(mapX(page, 0), 66);
  EXPECT_EQ(mapY(page, 0), 66);
  EXPECT_EQ(mapX(page, -20), 0);
  EXPECT_EQ(mapX(page, 1), 69);
  // 20 times the double nearest 3.3 is a hair below 66: truncation gives 131, not 132.
  EXPECT_EQ(mapX(page, 20), 131);
  EXPECT_EQ(mapY(page, 15), 0);
  EXPECT_EQ(mapY(page, -15), 132);
  EXPECT_EQ(mapY(page, 1), 61);
  EXPECT_EQ(page.fault, RenderFault::None);
}

TEST_F(DrawingStateTest, MappingTruncatesTowardZero) {
  prepare(OutputMode::Embosser);
  EXPECT_EQ(mapX(page, -1), 62);  // 62.7
  setDomain(page, 0, 0, 10, 10);
  setWindow(page, -1, 1, 1, 0);  // user 0 at column -132, scale 26.4
  EXPECT_EQ(mapX(page, 0), -132);
  EXPECT_EQ(mapX(page, 0.1), -129);  // -129.36 truncated toward zero, not down to -130
  EXPECT_EQ(mapX(page, 0.01), -131);  // -131.736
}

TEST_F(DrawingStateTest, WindowFractionsCountRowsFromTheTop) {
  prepare(OutputMode::Embosser);
  // The line CD 0 0.5 0 0.5: the whole domain in the upper-left quarter.
  ASSERT_EQ(setWindow(page, 0, 0.5, 0.5, 0), RenderFault::None);
  EXPECT_EQ(mapX(page, -20), 0);
  EXPECT_EQ(mapX(page, 19.99), 65);
  EXPECT_EQ(mapY(page, 15), 0);
  EXPECT_EQ(mapY(page, -15), 66);
  resetDrawing(page);
  EXPECT_EQ(mapY(page, -15), 132);
}

TEST_F(DrawingStateTest, ReversedDomainMirrorsWithoutFault) {
  prepare(OutputMode::Embosser);
  EXPECT_EQ(setDomain(page, 20, -15, -20, 15), RenderFault::None);
  EXPECT_EQ(mapX(page, 20), 0);
  EXPECT_EQ(mapX(page, -20), 131);
  EXPECT_EQ(page.fault, RenderFault::None);
}

TEST_F(DrawingStateTest, EmptyDomainIsAFaultUntilAValidOne) {
  prepare(OutputMode::Embosser);
  EXPECT_EQ(setDomain(page, 5, -15, 5, 15), RenderFault::EmptyDomain);
  EXPECT_EQ(page.fault, RenderFault::EmptyDomain);
  EXPECT_FALSE(page.state.scaleValid);
  RenderFault why = RenderFault::None;
  EXPECT_FALSE(tryMapX(page, 1, &why).has_value());
  EXPECT_EQ(why, RenderFault::EmptyDomain);
  page.fault = RenderFault::None;
  EXPECT_EQ(setDomain(page, -1, 3, 1, 3), RenderFault::EmptyDomain);
  // A domain so narrow that its scale is not finite is empty too.
  EXPECT_EQ(setDomain(page, 0, 0, 4.9e-324, 1), RenderFault::EmptyDomain);
  EXPECT_EQ(setDomain(page, -20, -15, 20, 15), RenderFault::None);
  EXPECT_EQ(mapX(page, 0), 66);
}

TEST_F(DrawingStateTest, ADomainWiderThanTheLargestDoubleStillMaps) {
  prepare(OutputMode::Embosser);
  EXPECT_EQ(setDomain(page, -1e308, -1e308, 1e308, 1e308), RenderFault::None);
  EXPECT_EQ(mapX(page, 0), 66);
  EXPECT_EQ(mapY(page, 0), 66);
  EXPECT_EQ(mapX(page, -1e308), 0);
  EXPECT_EQ(page.fault, RenderFault::None);
  // An infinite bound gives no scale at all.
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  EXPECT_EQ(setDomain(page, 1, -15, kInfinity, 15), RenderFault::EmptyDomain);
  EXPECT_EQ(setDomain(page, -20, -kInfinity, 20, 15), RenderFault::EmptyDomain);
}

TEST_F(DrawingStateTest, ValuesBeyond32BitsAreFaultsNotWrapped) {
  prepare(OutputMode::Embosser);
  EXPECT_EQ(mapX(page, 6.6e8), 0);  // 2.178e9 + 66 does not fit
  EXPECT_EQ(page.fault, RenderFault::OutOfRange);
  page.fault = RenderFault::None;
  EXPECT_EQ(mapY(page, -4.8e8), 2112000066);  // fits
  EXPECT_EQ(page.fault, RenderFault::None);
  RenderFault why = RenderFault::None;
  EXPECT_FALSE(tryMapY(page, -4.9e8, &why).has_value());
  EXPECT_EQ(why, RenderFault::OutOfRange);
  EXPECT_FALSE(tryMapX(page, std::numeric_limits<double>::quiet_NaN()).has_value());
  EXPECT_FALSE(tryMapX(page, std::numeric_limits<double>::infinity()).has_value());
  EXPECT_EQ(page.fault, RenderFault::None);  // trying raises nothing
  mapX(page, 1e300);
  mapX(page, std::nan(""));
  EXPECT_EQ(page.fault, RenderFault::OutOfRange);
}

TEST_F(DrawingStateTest, WindowBeyond32BitsIsRefusedAndKept) {
  prepare(OutputMode::Embosser);
  EXPECT_EQ(setWindow(page, 0, 1, 1e9, 0), RenderFault::OutOfRange);
  EXPECT_EQ(page.state.rightPx, 132);
  EXPECT_EQ(setWindow(page, 0, std::nan(""), 1, 0), RenderFault::OutOfRange);
  EXPECT_EQ(mapY(page, -15), 132);
  // Fractions outside 0..1 that fit are taken as they are.
  EXPECT_EQ(setWindow(page, -0.5, 1.5, 1.5, -0.5), RenderFault::None);
  EXPECT_EQ(page.state.leftPx, -66);
  EXPECT_EQ(page.state.yMinRowPx, 198);
}

TEST_F(DrawingStateTest, ResetClearsFaultAndFirstFaultIsKept) {
  prepare(OutputMode::Embosser);
  raiseRenderFault(page, RenderFault::EmptyDomain);
  raiseRenderFault(page, RenderFault::OutOfRange);
  EXPECT_EQ(page.fault, RenderFault::EmptyDomain);
  resetDrawing(page);
  EXPECT_EQ(page.fault, RenderFault::None);
}
