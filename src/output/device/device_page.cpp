#include "output/device/device_page.h"

#include <algorithm>

#include "platform/frontend.h"
#include "render/vector_canvas.h"

namespace {

constexpr double kWideHead = 0.5235987755982989;  // 30 degrees

// Pens of the pixel pages: 3 x level - 2 pixels.
constexpr std::array<int32_t, 5> kPixelPens = {1, 4, 7, 10, 13};

DeviceStyle embosserStyle(BrailleMode sheetMode) {
  DeviceStyle style;
  style.pointMark = PointMark::Dot;
  style.arrowHead = {5, kWideHead, false};
  style.penWidths = kPixelPens;
  style.fontCellHeight = 16;
  style.tickLength = 2;
  style.textAsBraille = true;
  // On a sheet of ordinary Braille cells a label's cells are the page's own cells: they
  // follow each other without a gap.
  style.labelsOnWholeCells = sheetMode == BrailleMode::Text;
  style.braille = {1, 1, style.labelsOnWholeCells ? 2 : 3, false};
  return style;
}

DeviceStyle inkStyle() {
  DeviceStyle style;
  style.penWidths = kPixelPens;
  style.fontCellHeight = 21;
  return style;
}

DeviceStyle screenStyle() {
  DeviceStyle style;
  style.penWidths = kPixelPens;
  style.fontCellHeight = 32;
  style.inkText = InkText::DoubledDotFont;
  style.braille = {6, 2, 20, false};
  return style;
}

DeviceStyle tactileStyle(int32_t tactileLine) {
  const int32_t line = std::clamp(tactileLine, kMinTactileLine, kMaxTactileLine);
  DeviceStyle style;
  style.paths = true;
  style.pointMark = PointMark::Disc;
  // A point is a 3 mm disc in a 1 mm ring of paper: on a line it still stands out.
  style.pointSide = 30;
  style.pointRing = 10;
  style.arrowHead = {50, kWideHead, true};
  for (int32_t level = 1; level <= 5; ++level) style.penWidths[level - 1] = line * (level + 1) / 2;
  style.fontCellHeight = 10 * kVectorUnitsPerMm;
  style.tickLength = 4 * kVectorUnitsPerMm;
  style.inkText = InkText::SurfaceFont;
  // The standard Braille cell: dots 1.5 mm across, 2.5 mm apart, cells 6 mm apart.
  style.braille = {25, 15, 60, true};
  return style;
}

}  // namespace

DeviceStyle deviceStyle(OutputMode mode, BrailleMode sheetMode, int32_t tactileLine) {
  switch (mode) {
    case OutputMode::Embosser:
      return embosserStyle(sheetMode);
    case OutputMode::InkPrinter:
      return inkStyle();
    case OutputMode::Tactile:
      return tactileStyle(tactileLine);
    case OutputMode::Screen:
      break;
  }
  return screenStyle();
}

PageSpec embosserPageSpec(const EmbosserSheet& sheet) {
  return {deviceStyle(OutputMode::Embosser, sheet.mode), 2 * sheet.cells, 3 * sheet.lines, 0, sheet};
}

PageSpec inkPageSpec(int32_t side) { return {deviceStyle(OutputMode::InkPrinter), side, side}; }

PageSpec tactilePageSpec(int32_t side, int32_t tactileLine) {
  return {deviceStyle(OutputMode::Tactile, BrailleMode::Graphic, tactileLine), side, side};
}

PageSpec screenPageSpec(int32_t width, int32_t height) {
  if (width <= 0 || height <= 0) {
    const PixelSize area = conFrontend().clientArea();
    width = std::max(area.width, kMinScreenSide);
    height = std::max(area.height - kScreenRowsKept, kMinScreenSide);
  }
  return {deviceStyle(OutputMode::Screen), width, height};
}
