#include "output/tactile/tactile_page.h"

#include "render/figures.h"
#include "render/surface.h"
#include "render/vector_canvas.h"

PrintableDots tactileArea(const InkPage& oriented) {
  InkPage page = oriented;
  page.dpi = 25.4 * kVectorUnitsPerMm;  // one dot per unit
  return printableDots(page);
}

bool prepareTactileSurface(const InkPage& oriented, std::string& why) {
  const int64_t side = inkSideOf(tactileArea(oriented));
  if (side < 1) {
    why = "a p\xe1gina n\xe3o tem \xe1rea de impress\xe3o";
    return false;
  }
  if (side > Canvas::kMaxSide) {
    why = "a p\xe1gina tem mais de " + std::to_string(Canvas::kMaxSide / (10 * kVectorUnitsPerMm)) + " cm de lado";
    return false;
  }
  outputMode = OutputMode::Tactile;
  setInkPageSide(static_cast<int32_t>(side));
  if (prepareSurface()) return true;
  why = "falta mem\xf3ria para o desenho";
  return false;
}

void drawTactileDrawing(bool testDrawing, const std::vector<std::string>& lines, ScriptReports reports) {
  VectorCanvas* canvas = vectorSurface();
  if (canvas == nullptr) return;
  if (testDrawing) {
    renderTestDrawing();
    return;
  }
  auto starts = reports.lineStarts;
  reports.lineStarts = [canvas, starts](int line) {
    canvas->beginGroup(line);
    if (starts) starts(line);
  };
  runScript(lines, reports);
}
