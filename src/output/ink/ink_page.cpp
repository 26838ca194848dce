#include "output/ink/ink_page.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kHundredthsPerInch = 2540;

// A printer's values are not trusted: the arithmetic is done in doubles and the result
// held to a range that no later product can overflow.
int64_t boundedDots(double dots) {
  constexpr double kLimit = 1e12;
  if (!(dots > -kLimit)) return static_cast<int64_t>(-kLimit);  // also NaN
  if (dots > kLimit) return static_cast<int64_t>(kLimit);
  return static_cast<int64_t>(dots);
}

double dotsOf(int32_t hundredths, double dpi) { return static_cast<double>(hundredths) * dpi / kHundredthsPerInch; }

}  // namespace

InkPage defaultInkPage() { return InkPage{}; }

InkPage orientedPage(const InkPage& portrait, bool landscape) {
  if (!landscape) return portrait;
  InkPage page = portrait;
  page.width = portrait.length;
  page.length = portrait.width;
  page.top = portrait.left;
  page.left = portrait.bottom;
  page.bottom = portrait.right;
  page.right = portrait.top;
  return page;
}

PrintableDots printableDots(const InkPage& page) {
  PrintableDots area;
  area.left = boundedDots(std::ceil(dotsOf(std::max(page.left, 0), page.dpi)));
  area.top = boundedDots(std::ceil(dotsOf(std::max(page.top, 0), page.dpi)));
  const int64_t right = boundedDots(std::floor(dotsOf(page.width, page.dpi) - dotsOf(std::max(page.right, 0), page.dpi)));
  const int64_t bottom =
      boundedDots(std::floor(dotsOf(page.length, page.dpi) - dotsOf(std::max(page.bottom, 0), page.dpi)));
  area.width = right - area.left;
  area.height = bottom - area.top;
  return area;
}

int64_t inkSideOf(const PrintableDots& area) { return std::min(area.width, area.height); }

double dpiForSide(const InkPage& page, int64_t side) {
  return static_cast<double>(side) * kHundredthsPerInch / std::min(page.width, page.length);
}

double pointsOf(int64_t hundredthsOfMillimetre) {
  return static_cast<double>(hundredthsOfMillimetre) * 72.0 / kHundredthsPerInch;
}
