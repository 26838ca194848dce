#include "options/viewing/dot_cursor.h"

#include <gtest/gtest.h>

#include "platform/keys.h"

namespace {

// A page of 44 lines of 66 cells with the cells given set to the pattern given.
EmbosserPage page44(std::initializer_list<std::tuple<int, int, unsigned char>> cells = {}) {
  EmbosserPage page;
  page.lines = 44;
  page.cellsPerLine = 66;
  page.cells.assign(44 * 66, 0);
  for (auto [line, column, pattern] : cells) page.cells[static_cast<size_t>(line) * 66 + column] = pattern;
  return page;
}

// Each key from where the cursor stands: where it goes, or that it stays at the edge.
TEST(DotCursor, KeysMoveByDotsCellsRowsWithDotsAndPansAndStopAtTheEdges) {
  // Dot 1 of cell (22, 33) is dot (66, 66); dot 6 of cell (30, 50) is dot (101, 92).
  const EmbosserPage page = page44({{22, 33, 1}, {30, 50, 32}});
  struct Case {
    DotCursor from;
    int key;
    PageMove move;
    DotCursor to;
  };
  const Case cases[] = {
      {{0, 0}, key::kLeft, PageMove::AtTheEdge, {0, 0}},     {{0, 0}, key::kUp, PageMove::AtTheEdge, {0, 0}},
      {{0, 0}, key::kRight, PageMove::Moved, {1, 0}},        {{0, 0}, key::kDown, PageMove::Moved, {0, 1}},
      {{0, 0}, key::kCtrlRight, PageMove::Moved, {2, 0}},    {{0, 0}, key::kCtrlDown, PageMove::Moved, {0, 3}},
      {{5, 7}, key::kEnd, PageMove::Moved, {131, 7}},        {{5, 7}, key::kHome, PageMove::Moved, {0, 7}},
      // PgDn and PgUp land on the row's dot nearest the cursor's column.
      {{5, 7}, key::kPgDn, PageMove::Moved, {66, 66}},       {{66, 66}, key::kPgDn, PageMove::Moved, {101, 92}},
      {{101, 92}, key::kPgDn, PageMove::AtTheEdge, {101, 92}}, {{120, 92}, key::kPgUp, PageMove::Moved, {66, 66}},
      {{0, 0}, key::kCtrlPgDn, PageMove::Moved, {80, 0}},    {{120, 0}, key::kCtrlPgDn, PageMove::Moved, {131, 0}},
      {{5, 7}, key::kCtrlEnd, PageMove::Moved, {0, 131}},    {{5, 7}, key::kCtrlHome, PageMove::Moved, {0, 0}},
      {{131, 131}, key::kCtrlDown, PageMove::AtTheEdge, {131, 131}},
      {{5, 7}, key::kEnter, PageMove::NotAMove, {5, 7}},     {{5, 7}, key::kF1, PageMove::NotAMove, {5, 7}},
  };
  for (const Case& c : cases) {
    DotCursor cursor = c.from;
    EXPECT_EQ(moveDotCursor(cursor, c.key, page, 40), c.move) << c.key << " from " << c.from.x << "," << c.from.y;
    EXPECT_EQ(cursor, c.to) << c.key << " from " << c.from.x << "," << c.from.y;
  }
  EXPECT_TRUE(pageDot(page, 66, 66));
  EXPECT_TRUE(pageDot(page, 101, 92));
  EXPECT_FALSE(pageDot(page, 67, 66));
  EXPECT_FALSE(pageDot(page, -1, 0));
  EXPECT_GT(dotPitch(0, page), dotPitch(131, page));
}

TEST(DotCursor, AFigureIsSweptLeftToRightAndStopsAtItsGaps) {
  // A diagonal of three dots across two cells, and a lone dot apart from it.
  const EmbosserPage page = page44({{0, 0, 1 | 16}, {0, 1, 4}, {0, 5, 1}});
  const std::vector<DotCursor> sweep = figureSweep(page, {1, 1}, 100);
  EXPECT_EQ(sweep, (std::vector<DotCursor>{{0, 0}, {1, 1}, {2, 2}}));
  EXPECT_EQ(figureSweep(page, {10, 0}, 100), (std::vector<DotCursor>{{10, 0}}));
  EXPECT_TRUE(figureSweep(page, {4, 4}, 100).empty());
  EXPECT_EQ(figureSweep(page, {0, 0}, 2).size(), 2u);
  // Only the start's figure, when a filter tells which dots are its own.
  const DotFilter notTheLast = [](DotCursor dot) { return dot != DotCursor{2, 2}; };
  EXPECT_EQ(figureSweep(page, {0, 0}, 100, notTheLast), (std::vector<DotCursor>{{0, 0}, {1, 1}}));
}

TEST(DotCursor, AnEmptyPageKeepsTheCursorAndCoordinatesAreSaidShort) {
  const EmbosserPage empty;
  DotCursor cursor;
  for (int k : {key::kUp, key::kDown, key::kLeft, key::kRight, key::kHome, key::kEnd, key::kPgUp, key::kPgDn}) {
    EXPECT_EQ(moveDotCursor(cursor, k, empty, 40), PageMove::AtTheEdge) << k;
  }
  EXPECT_EQ(userCoordinatesText(2.5, -1), "x 2,5; y -1");
  EXPECT_EQ(userCoordinatesText(-0.04, 10.26), "x 0; y 10,3");
}

// The window's cells and where it is said to stand.
TEST(PageWindow, CellsUnderTheWindowAndItsPosition) {
  const EmbosserPage page = page44({{30, 50, 1}});
  const PageWindow window{40, 1, 30, 40};
  const std::vector<unsigned char> cells = pageWindowCells(window, page);
  ASSERT_EQ(cells.size(), 40u);
  EXPECT_EQ(cells[10], 1u);  // cell 50 seen from column 40
  EXPECT_EQ(cells[26], 0u);  // beyond the page's 66 cells
  EXPECT_EQ(pageWindowPosition(window, page), "Fileira 31 de 44, coluna 41");
}

}  // namespace
