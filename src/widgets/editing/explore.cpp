// Screen exploration: a reading cursor that walks the whole grid and speaks it.
#include <algorithm>

#include "platform/console.h"
#include "widgets/editing/editing.h"
#include "platform/keys.h"
#include "platform/screen.h"
#include "platform/speech.h"
#include "platform/text/text.h"
#include "messages/messages.h"

namespace {

constexpr int kCtrlC = 3, kCtrlK = 11;

std::string rowText(int row) {
  std::string text;
  for (int c = 1; c <= kConColumns; ++c) appendUtf8(text, conScreenCell(c, row).ch);
  return text;
}

void sayRow(int row) {
  std::string text = rowText(row);
  text.erase(text.find_last_not_of(' ') + 1);
  if (text.empty()) {
    spkPlayLetter(' ');
  } else {
    spkSay(text);
  }
}

void sayCell(ConPoint at) { spkPlayLetter(conScreenCell(at.column, at.row).ch); }

// The word at a cell, for a search hit.
void sayWordAt(ConPoint at) {
  const auto blank = [&](int column) { return conScreenCell(column, at.row).ch == U' '; };
  int start = at.column, end = at.column;
  while (start > 1 && !blank(start - 1)) --start;
  while (end <= kConColumns && !blank(end)) ++end;
  std::string word;
  for (int c = start; c < end; ++c) appendUtf8(word, conScreenCell(c, at.row).ch);
  spkSay(word);
}

// The next cell after `from`, in reading order and wrapping at the end of the grid,
// that holds the letter (either case).
bool findLetter(ConPoint from, char32_t letter, ConPoint& found) {
  const char32_t wanted = upperCaseOf(letter);
  const int total = kConColumns * kConRows;
  const int start = (from.row - 1) * kConColumns + (from.column - 1);
  for (int step = 1; step <= total; ++step) {
    const int i = (start + step) % total;
    const ConPoint p{i % kConColumns + 1, i / kConColumns + 1};
    if (upperCaseOf(conScreenCell(p.column, p.row).ch) == wanted) {
      found = p;
      return true;
    }
  }
  return false;
}

void copyScreen() {
  std::string all;
  for (int r = 1; r <= kConRows; ++r) {
    std::string text = rowText(r);
    text.erase(text.find_last_not_of(' ') + 1);
    all += text + "\r\n";
  }
  conCopyToClipboard(all);
}

// Moves the reading cursor; a move past an edge clicks and leaves it where it was.
void step(ConPoint& at, int dColumn, int dRow) {
  const ConPoint next{at.column + dColumn, at.row + dRow};
  if (next.column < 1 || next.column > kConColumns || next.row < 1 || next.row > kConRows) {
    spkClick();
    return;
  }
  at = next;
  if (dRow != 0) {
    sayRow(at.row);
  } else {
    sayCell(at);
  }
}

}  // namespace

void conExploreScreen() {
  const ConRect window = conTextWindow();
  const int column = conColumn(), row = conRow();
  const ConPoint cursor = conCursorOnScreen();
  ConPoint at{std::clamp(cursor.column, 1, kConColumns), std::clamp(cursor.row, 1, kConRows)};
  // The text cursor follows the reading cursor over the whole grid.
  conSetWindow(1, 1, kConColumns, kConRows);
  spkClick();
  for (;;) {
    conGoto(at.column, at.row);
    const ConKey k = conReadKeyEvent();
    spkStop();
    if (k.extended) {
      switch (k.code) {
        case key::kLeft: step(at, -1, 0); break;
        case key::kRight: step(at, 1, 0); break;
        case key::kUp: step(at, 0, -1); break;
        case key::kDown: step(at, 0, 1); break;
        default: sayCell(at); break;
      }
      continue;
    }
    if (k.code == key::kEsc) break;
    if (k.code == key::kEnter) {
      if (at.row == kConRows) {
        spkClick();
        continue;
      }
      at = ConPoint{1, at.row + 1};
      spkTick();
      sayRow(at.row);
    } else if (k.code == kCtrlK) {
      spkSay(withValues(messageText("PXEXPLPOS"), {std::to_string(at.row), std::to_string(at.column)}));
    } else if (k.code == kCtrlC) {
      copyScreen();
    } else if (k.code > ' ') {
      ConPoint found;
      if (findLetter(at, static_cast<char32_t>(k.code), found)) {
        at = found;
        sayWordAt(at);
      } else {
        spkClick();
      }
    } else {
      // A key exploration does not use is answered with the cell being read.
      sayCell(at);
    }
  }
  spkClick();
  spkClick();
  conSetWindow(window.left, window.top, window.right, window.bottom);
  conGoto(column, row);
  conRepaint();
}
