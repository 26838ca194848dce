#include "output/viewing/page_window.h"

#include <gtest/gtest.h>

#include "console/keys.h"

namespace {

// A page of 44 lines of 66 cells with dots only where asked.
EmbosserPage page44(std::initializer_list<std::pair<int, int>> dots = {}) {
  EmbosserPage page;
  page.lines = 44;
  page.cellsPerLine = 66;
  page.cells.assign(44 * 66, 0);
  for (auto [line, column] : dots) page.cells[static_cast<size_t>(line) * 66 + column] = 1;
  return page;
}

TEST(PageWindow, ADisplayOfFortyCellsPansAndStopsAtTheEdges) {
  const EmbosserPage page = page44();
  PageWindow window{40, 1};
  EXPECT_EQ(movePageWindow(window, key::kLeft, page, true), PageMove::AtTheEdge);
  EXPECT_EQ(movePageWindow(window, key::kUp, page, true), PageMove::AtTheEdge);
  EXPECT_EQ(movePageWindow(window, key::kHome, page, true), PageMove::AtTheEdge);
  EXPECT_EQ(movePageWindow(window, key::kRight, page, true), PageMove::Moved);
  EXPECT_EQ(window.column, 40);
  EXPECT_EQ(movePageWindow(window, key::kRight, page, true), PageMove::AtTheEdge);
  EXPECT_EQ(window.column, 40);
  EXPECT_EQ(pageWindowPosition(window, page), "Linha 1 de 44, coluna 41");
  EXPECT_EQ(movePageWindow(window, key::kEnd, page, true), PageMove::Moved);
  EXPECT_EQ(window.line, 43);
  EXPECT_EQ(window.column, 0);
  EXPECT_EQ(movePageWindow(window, key::kDown, page, true), PageMove::AtTheEdge);
  EXPECT_EQ(movePageWindow(window, key::kUp, page, true), PageMove::Moved);
  EXPECT_EQ(pageWindowPosition(window, page), "Linha 43 de 44, coluna 1");
  EXPECT_EQ(movePageWindow(window, key::kHome, page, true), PageMove::Moved);
  EXPECT_EQ(window.line, 0);
  EXPECT_EQ(movePageWindow(window, key::kEnter, page, true), PageMove::NotAMove);
  EXPECT_EQ(movePageWindow(window, key::kF1, page, true), PageMove::NotAMove);
}

TEST(PageWindow, PageKeysOfADisplayGoToTheNextDotsUnderTheWindow) {
  // Dots on line 22 in the left half and on line 30 in the right half only.
  const EmbosserPage page = page44({{22, 33}, {30, 50}});
  PageWindow window{40, 1};
  EXPECT_EQ(movePageWindow(window, key::kPgDn, page, true), PageMove::Moved);
  EXPECT_EQ(window.line, 22);
  EXPECT_EQ(movePageWindow(window, key::kPgDn, page, true), PageMove::AtTheEdge);
  EXPECT_EQ(window.line, 22);
  movePageWindow(window, key::kRight, page, true);
  EXPECT_EQ(movePageWindow(window, key::kPgDn, page, true), PageMove::Moved);
  EXPECT_EQ(window.line, 30);
  EXPECT_EQ(movePageWindow(window, key::kPgUp, page, true), PageMove::AtTheEdge);
  const std::vector<unsigned char> cells = pageWindowCells(window, page);
  ASSERT_EQ(cells.size(), 40u);
  EXPECT_EQ(cells[10], 1u);  // cell 50 seen from column 40
  EXPECT_EQ(cells[26], 0u);  // beyond the page's 66 cells
}

TEST(PageWindow, ATerminalScrollsByItsRowsAndNeverPastTheLastLine) {
  const EmbosserPage page = page44();
  PageWindow window{66, 25};
  EXPECT_EQ(movePageWindow(window, key::kRight, page, false), PageMove::AtTheEdge);
  EXPECT_EQ(movePageWindow(window, key::kPgDn, page, false), PageMove::Moved);
  EXPECT_EQ(window.line, 19);  // lines 20 to 44 fill the 25 rows
  EXPECT_EQ(movePageWindow(window, key::kDown, page, false), PageMove::AtTheEdge);
  EXPECT_EQ(movePageWindow(window, key::kPgUp, page, false), PageMove::Moved);
  EXPECT_EQ(window.line, 0);

  PageWindow tall{66, 50};  // a terminal taller than the page has nowhere to go
  EXPECT_EQ(movePageWindow(tall, key::kDown, page, false), PageMove::AtTheEdge);
  EXPECT_EQ(movePageWindow(tall, key::kEnd, page, false), PageMove::AtTheEdge);
}

TEST(PageWindow, AnEmptyPageOrAnOddWindowStaysInBounds) {
  const EmbosserPage empty;
  PageWindow window{0, 0};
  for (int k : {key::kUp, key::kDown, key::kLeft, key::kRight, key::kHome, key::kEnd, key::kPgUp, key::kPgDn}) {
    EXPECT_EQ(movePageWindow(window, k, empty, true), PageMove::AtTheEdge) << k;
  }
  EXPECT_EQ(pageWindowCells(window, empty), std::vector<unsigned char>(1, 0));

  PageWindow wide{80, 1, 0, 0};
  const EmbosserPage page = page44();
  EXPECT_EQ(movePageWindow(wide, key::kRight, page, true), PageMove::AtTheEdge);
}

}  // namespace
