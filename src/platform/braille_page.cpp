#include "platform/braille_page.h"

#include <algorithm>

#include "platform/core_internal.h"
#include "platform/frontend.h"

namespace {

struct PageOverlay {
  bool shown = false;
  int lines = 0, cellsPerLine = 0;
  std::vector<unsigned char> cells;
  int top = 0, caretLine = 0, caretColumn = 0;
};

PageOverlay gPage;

}  // namespace

void conShowBraillePage(std::vector<unsigned char> cells, int lines, int cellsPerLine) {
  gPage = PageOverlay{};
  gPage.lines = std::max(lines, 0);
  gPage.cellsPerLine = std::max(cellsPerLine, 0);
  cells.resize(static_cast<size_t>(gPage.lines) * gPage.cellsPerLine, 0);
  gPage.cells = std::move(cells);
  gPage.shown = true;
  conFrontend().invalidate();
}

void conMoveInBraillePage(int top, int caretLine, int caretColumn) {
  gPage.top = std::clamp(top, 0, std::max(gPage.lines - 1, 0));
  gPage.caretLine = std::clamp(caretLine, 0, std::max(gPage.lines - 1, 0));
  gPage.caretColumn = std::clamp(caretColumn, 0, std::max(gPage.cellsPerLine - 1, 0));
  conFrontend().invalidate();
}

void conHideBraillePage() {
  gPage = PageOverlay{};
  conFrontend().invalidate();
}

ConBraillePage conBraillePage() {
  if (!gPage.shown) return ConBraillePage{};
  return ConBraillePage{true, gPage.lines, gPage.cellsPerLine, &gPage.cells, gPage.top, gPage.caretLine, gPage.caretColumn};
}

int conBraillePageRows() { return std::max(conFrontend().braillePageRows(), 0); }

void conResetBraillePage() { gPage = PageOverlay{}; }
