#include "output/ink/ink_page.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// A4 with a different margin on every side, as a printer's description gives them:
// left 1/4 inch, right 1/2 inch, top 3/4 inch, bottom 1/4 inch.
InkPage unevenA4(double dpi) { return InkPage{21000, 29700, 635, 1270, 1905, 635, dpi}; }

TEST(InkPage, DefaultIsA4At300DotsToTheEdges) {
  const PrintableDots area = printableDots(defaultInkPage());
  EXPECT_EQ(area.left, 0);
  EXPECT_EQ(area.top, 0);
  EXPECT_EQ(area.width, 2480);   // 8.27 inches: the last whole dot
  EXPECT_EQ(area.height, 3507);
  EXPECT_EQ(inkSideOf(area), 2480);
}

TEST(InkPage, MarginsAreTakenOnTheDotGrid) {
  const PrintableDots area = printableDots(unevenA4(600));
  EXPECT_EQ(area.left, 150);
  EXPECT_EQ(area.top, 450);
  EXPECT_EQ(area.width, 4660 - 150);   // the right margin leaves 4660.6 dots
  EXPECT_EQ(area.height, 6865 - 450);
  // A margin that ends between two dots starts the area at the next whole dot.
  const PrintableDots odd = printableDots(InkPage{21590, 27940, 100, 100, 100, 100, 300});
  EXPECT_EQ(odd.left, 12);   // 11.8 dots
  EXPECT_EQ(odd.width, 2538 - 12);
}

TEST(InkPage, LandscapeTurnsThePaperAndItsMargins) {
  const InkPage turned = orientedPage(unevenA4(600), true);
  EXPECT_EQ(turned.width, 29700);
  EXPECT_EQ(turned.length, 21000);
  EXPECT_EQ(turned.top, 635);      // the portrait left edge is now on top
  EXPECT_EQ(turned.left, 635);     // the portrait bottom edge is now on the left
  EXPECT_EQ(turned.bottom, 1270);
  EXPECT_EQ(turned.right, 1905);
  const PrintableDots portrait = printableDots(unevenA4(600));
  const PrintableDots landscape = printableDots(turned);
  EXPECT_EQ(landscape.width, 6565 - 150);
  EXPECT_EQ(landscape.height, 4660 - 150);
  EXPECT_EQ(inkSideOf(landscape), inkSideOf(portrait));
  EXPECT_EQ(orientedPage(turned, false).width, 29700);  // portrait leaves the page as it is
}

TEST(InkPage, NonsenseFromAPrinterGivesNoAreaAndNoOverflow) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double huge = std::numeric_limits<double>::max();
  const InkPage pages[] = {
      {21000, 29700, 11000, 11000, 0, 0, 300},  // margins wider than the paper
      {-21000, 29700, 0, 0, 0, 0, 300},
      {21000, 29700, 0, 0, 0, 0, 0},
      {21000, 29700, 0, 0, 0, 0, -600},
      {21000, 29700, 0, 0, 0, 0, nan},
  };
  for (const InkPage& page : pages) EXPECT_LE(inkSideOf(printableDots(page)), 0) << page.width << " " << page.dpi;
  // Absurdly fine resolutions and negative margins stay finite; the caller refuses the side.
  const PrintableDots fine = printableDots(InkPage{21000, 29700, -5, -5, -5, -5, huge});
  EXPECT_GT(inkSideOf(fine), 16384);
  EXPECT_EQ(fine.left, 0);
}

}  // namespace
