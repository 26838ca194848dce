#include "language/braille_label.h"

#include <algorithm>
#include <climits>

#include "language/braille_cells.h"
#include "render/page.h"

namespace {

// The multiple of `step` nearest to `value`, halves going up.
int64_t nearestMultiple(int64_t value, int64_t step) {
  const int64_t shifted = value + step / 2;
  return (shifted >= 0 ? shifted / step : -((-shifted + step - 1) / step)) * step;
}

}  // namespace

int32_t drawBrailleCell(Page& page, unsigned char alphabetByte, int32_t column, int32_t row) {
  const CellGeometry& g = page.style.braille;
  Canvas* canvas = page.canvas.get();
  const unsigned char cell = brailleCellOf(alphabetByte);
  if (!canvas || cell == 0) return g.advance;
  for (int dot = 0; dot < 6; ++dot) {
    if (!(cell & (1u << dot))) continue;
    // Dots 1-3 go down the left column to the given row, dots 4-6 the right one.
    const int64_t x = column + int64_t{g.pitch} * (dot / 3);
    const int64_t y = row - int64_t{g.pitch} * (2 - dot % 3);
    if (g.round) {
      canvas->disc(x, y, g.dotSide);
      continue;
    }
    for (int32_t dy = 0; dy < g.dotSide; ++dy)
      for (int32_t dx = 0; dx < g.dotSide; ++dx) canvas->setPixel(x + dx, y + dy, kBlack);
  }
  return g.advance;
}

RenderFault drawBrailleLabel(Page& page, double x, double y, std::string_view text, const BrailleCode& code) {
  CellBox& cells = page.lastLabel;
  cells = {};
  const BrailleText braille = translateBraille(code, text);
  page.lastLabelWithoutCell = braille.withoutCell;
  page.lastLabelCode = code.table.empty() ? std::string() : code.name;
  if (!page.canvas) return raiseRenderFault(page, RenderFault::NoSurface);
  RenderFault fault = RenderFault::None;
  const std::optional<int32_t> column = tryMapX(page, x, &fault);
  const std::optional<int32_t> row = column ? tryMapY(page, y, &fault) : std::nullopt;
  if (!column || !row) return raiseRenderFault(page, fault);
  const int32_t width = page.canvas->width();
  int64_t at = *column;
  int64_t bottom = *row;
  if (page.style.labelsOnWholeCells) {
    // The first cell moves to the nearest page cell: its left dots on an even column,
    // its top dots on a row that is a multiple of 3 (the row given is the bottom dots'),
    // and never to a line above or below the page, where it could not be read at all.
    const int64_t inset = page.inset, lastTop = (page.height() / 3 - 1) * int64_t{3};
    at = nearestMultiple(at - inset, 2) + inset;
    bottom = std::clamp<int64_t>(nearestMultiple(bottom - 2 - inset, 3), 0, std::max<int64_t>(lastTop, 0)) + inset + 2;
  }

  for (const char byte : braille.cells) {
    // Cells right of the surface can never show; cells left of it still move the row on.
    if (at >= width) break;
    const CellGeometry& g = page.style.braille;
    if (at + g.pitch + g.dotSide > 0) {
      if (cells.right < cells.left) cells = {at, bottom - 2 * g.pitch, at, bottom + g.dotSide - 1};
      cells.right = at + g.pitch + g.dotSide - 1;
    }
    at += drawBrailleCell(page, static_cast<unsigned char>(byte), static_cast<int32_t>(at), static_cast<int32_t>(bottom));
  }
  return RenderFault::None;
}
