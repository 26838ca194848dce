#include "render/surface.h"

#include <algorithm>
#include <memory>

#include "platform/frontend.h"
#include "render/drawing_state.h"
#include "render/vector_canvas.h"

OutputMode outputMode = OutputMode::Screen;

namespace {

std::unique_ptr<Canvas> gSurface;
EmbosserSheet gEmbosserSheet;
int32_t gInset = 0;
int32_t gInkPageSide = 0;
int32_t gTactileLine = kDefaultTactileLine;
int32_t gScreenWidth = 0;
int32_t gScreenHeight = 0;

}  // namespace

void setEmbosserSheet(const EmbosserSheet& sheet) { gEmbosserSheet = sheet; }
const EmbosserSheet& embosserSheet() { return gEmbosserSheet; }

void setSurfaceInset(int32_t inset) { gInset = std::max(inset, 0); }
int32_t surfaceInset() { return gInset; }

void setInkPageSide(int32_t side) { gInkPageSide = side; }
int32_t inkPageWidth() { return gInkPageSide; }
int32_t inkPageHeight() { return gInkPageSide; }

void setScreenSurfaceSize(int32_t width, int32_t height) {
  gScreenWidth = width;
  gScreenHeight = height;
}

void screenSurfaceSize(int32_t& width, int32_t& height) {
  if (gScreenWidth > 0 && gScreenHeight > 0) {
    width = gScreenWidth;
    height = gScreenHeight;
    return;
  }
  const PixelSize area = conFrontend().clientArea();
  width = std::max(area.width, kMinScreenSide);
  height = std::max(area.height - kScreenRowsKept, kMinScreenSide);
}

int32_t fontCellHeightFor(OutputMode mode) {
  switch (mode) {
    case OutputMode::Embosser:
      return 16;
    case OutputMode::InkPrinter:
      return 21;
    case OutputMode::Tactile:
      return 10 * kVectorUnitsPerMm;
    case OutputMode::Screen:
      break;
  }
  return 32;
}

void setTactileLineWidth(int32_t tenthsOfMm) { gTactileLine = std::clamp(tenthsOfMm, kMinTactileLine, kMaxTactileLine); }
int32_t tactileLineWidth() { return gTactileLine; }

int32_t penWidthFor(int32_t level) {
  if (outputMode == OutputMode::Tactile) return gTactileLine * (level + 1) / 2;
  return 3 * level - 2;
}

bool prepareSurface() {
  gSurface.reset();
  int32_t width = 0, height = 0;
  switch (outputMode) {
    case OutputMode::Embosser:
      width = 2 * gEmbosserSheet.cells;
      height = 3 * gEmbosserSheet.lines;
      break;
    case OutputMode::InkPrinter:
    case OutputMode::Tactile:
      width = inkPageWidth();
      height = inkPageHeight();
      break;
    case OutputMode::Screen:
      screenSurfaceSize(width, height);
      break;
  }
  if (width <= 0 || height <= 0) return false;
  if (outputMode == OutputMode::Tactile) {
    gSurface = VectorCanvas::create(width + 2 * gInset, height + 2 * gInset);
  } else {
    gSurface = PixelCanvas::create(width + 2 * gInset, height + 2 * gInset);
  }
  if (!gSurface) return false;
  gSurface->setFont(fontCellHeightFor(outputMode));
  gSurface->setTextColour(kBlack);
  gSurface->setBrush(Brush{BrushStyle::Hollow, kWhite});
  gSurface->setPen(Pen{penWidthFor(1), PenStyle::Solid, kBlack});
  setCharHeight(gSurface->fontCellHeight());
  return true;
}

void freeSurface() { gSurface.reset(); }
Canvas* drawingSurface() { return gSurface.get(); }
PixelCanvas* pixelSurface() { return gSurface ? gSurface->raster() : nullptr; }
VectorCanvas* vectorSurface() { return dynamic_cast<VectorCanvas*>(gSurface.get()); }
int32_t surfaceWidth() { return gSurface ? gSurface->width() - 2 * gInset : 0; }
int32_t surfaceHeight() { return gSurface ? gSurface->height() - 2 * gInset : 0; }
