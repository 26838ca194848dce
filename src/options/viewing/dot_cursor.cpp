#include "options/viewing/dot_cursor.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "platform/keys.h"
#include "platform/text/text.h"
#include "messages/messages.h"

namespace {

constexpr int kLowPitch = 220, kHighPitch = 1320;

bool rowHasDot(const EmbosserPage& page, int y) {
  for (int x = 0; x < pageDotWidth(page); ++x) {
    if (pageDot(page, x, y)) return true;
  }
  return false;
}

// The nearest row above (step -1) or below (step 1) that holds a dot, and on it the dot
// nearest the column, the left one of two as near; the cursor as it was when there is none.
DotCursor nearestDotOnNextRow(const EmbosserPage& page, DotCursor from, int step) {
  for (int at = from.y + step; at >= 0 && at < pageDotHeight(page); at += step) {
    if (!rowHasDot(page, at)) continue;
    for (int distance = 0;; ++distance) {
      if (pageDot(page, from.x - distance, at)) return {from.x - distance, at};
      if (pageDot(page, from.x + distance, at)) return {from.x + distance, at};
    }
  }
  return from;
}

}  // namespace

int pageDotWidth(const EmbosserPage& page) { return 2 * page.cellsPerLine; }
int pageDotHeight(const EmbosserPage& page) { return 3 * page.lines; }

bool pageDot(const EmbosserPage& page, int x, int y) {
  if (x < 0 || y < 0 || x >= pageDotWidth(page) || y >= pageDotHeight(page)) return false;
  const int row = y % 3;
  return (page.cell(y / 3, x / 2) >> (x % 2 == 0 ? row : row + 3)) & 1u;
}

PageMove moveDotCursor(DotCursor& cursor, int extendedKey, const EmbosserPage& page, int panCells) {
  const int right = pageDotWidth(page) - 1, bottom = pageDotHeight(page) - 1;
  DotCursor to{std::clamp(cursor.x, 0, std::max(right, 0)), std::clamp(cursor.y, 0, std::max(bottom, 0))};
  switch (extendedKey) {
    case key::kLeft: to.x -= 1; break;
    case key::kRight: to.x += 1; break;
    case key::kUp: to.y -= 1; break;
    case key::kDown: to.y += 1; break;
    case key::kCtrlLeft: to.x -= 2; break;
    case key::kCtrlRight: to.x += 2; break;
    case key::kCtrlUp: to.y -= 3; break;
    case key::kCtrlDown: to.y += 3; break;
    case key::kHome: to.x = 0; break;
    case key::kEnd: to.x = right; break;
    case key::kPgUp: to = nearestDotOnNextRow(page, to, -1); break;
    case key::kPgDn: to = nearestDotOnNextRow(page, to, 1); break;
    case key::kCtrlPgUp: to.x -= 2 * std::max(panCells, 1); break;
    case key::kCtrlPgDn: to.x += 2 * std::max(panCells, 1); break;
    case key::kCtrlHome: to = {0, 0}; break;
    case key::kCtrlEnd: to = {0, bottom}; break;
    default: return PageMove::NotAMove;
  }
  to.x = std::clamp(to.x, 0, std::max(right, 0));
  to.y = std::clamp(to.y, 0, std::max(bottom, 0));
  if (to == cursor) return PageMove::AtTheEdge;
  cursor = to;
  return PageMove::Moved;
}

bool movesByCells(int extendedKey) {
  return extendedKey != key::kLeft && extendedKey != key::kRight && extendedKey != key::kUp && extendedKey != key::kDown;
}

int dotPitch(int y, const EmbosserPage& page) {
  const int rows = std::max(pageDotHeight(page) - 1, 1);
  return kLowPitch + (kHighPitch - kLowPitch) * (rows - std::clamp(y, 0, rows)) / rows;
}

std::vector<DotCursor> figureSweep(const EmbosserPage& page, DotCursor start, size_t limit,
                                   const DotFilter& sameFigure) {
  std::vector<DotCursor> figure;
  if (!pageDot(page, start.x, start.y)) return figure;
  const int width = pageDotWidth(page);
  std::vector<bool> seen(static_cast<size_t>(width) * pageDotHeight(page), false);
  std::vector<DotCursor> stack{start};
  seen[static_cast<size_t>(start.y) * width + start.x] = true;
  while (!stack.empty() && figure.size() < limit) {
    const DotCursor at = stack.back();
    stack.pop_back();
    figure.push_back(at);
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx) {
        const DotCursor next{at.x + dx, at.y + dy};
        if (!pageDot(page, next.x, next.y) || seen[static_cast<size_t>(next.y) * width + next.x]) continue;
        if (sameFigure && !sameFigure(next)) continue;
        seen[static_cast<size_t>(next.y) * width + next.x] = true;
        stack.push_back(next);
      }
    }
  }
  std::sort(figure.begin(), figure.end(), [](const DotCursor& a, const DotCursor& b) { return a.x != b.x ? a.x < b.x : a.y < b.y; });
  return figure;
}

std::string userCoordinatesText(double x, double y) {
  return withValues(messageText("PXCOORD"), {decimalText(x, 1), decimalText(y, 1)});
}
