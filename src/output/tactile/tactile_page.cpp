#include "output/tactile/tactile_page.h"

#include <algorithm>

#include "output/device/device_page.h"
#include "render/figures.h"
#include "render/page.h"
#include "render/vector_canvas.h"
#include "messages/messages.h"

PrintableDots tactileArea(const InkPage& oriented) {
  InkPage page = oriented;
  page.dpi = 25.4 * kVectorUnitsPerMm;  // one dot per unit
  // Paper to the edge would cut what touches it, a Braille dot by half: every side keeps
  // at least kTactileMargin, the printer's own margin where it is wider.
  for (int32_t* margin : {&page.left, &page.right, &page.top, &page.bottom}) *margin = std::max(*margin, kTactileMargin);
  return printableDots(page);
}

std::optional<Page> prepareTactilePage(const InkPage& oriented, int32_t tactileLine, std::string& why) {
  const int64_t side = inkSideOf(tactileArea(oriented));
  if (side < 1) {
    why = messageText("PXTATSEMA");
    return std::nullopt;
  }
  if (side > Canvas::kMaxSide) {
    why = withValues(messageText("PXTATGRAND"), {std::to_string(Canvas::kMaxSide / (10 * kVectorUnitsPerMm))});
    return std::nullopt;
  }
  std::optional<Page> page = preparePage(tactilePageSpec(static_cast<int32_t>(side), tactileLine));
  if (!page) why = messageText("PXMEMDES");
  return page;
}

void drawTactileDrawing(Page& page, bool testDrawing, const std::vector<std::string>& lines, ScriptReports reports) {
  VectorCanvas* canvas = page.paths();
  if (canvas == nullptr) return;
  if (testDrawing) {
    renderTestDrawing(page);
    return;
  }
  auto starts = reports.lineStarts;
  reports.lineStarts = [canvas, starts](int line) {
    canvas->beginGroup(line);
    if (starts) starts(line);
  };
  runScript(page, lines, reports);
}
