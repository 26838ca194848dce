// Opening a menu over the screen and putting the screen back when it closes.
#include <algorithm>

#include "widgets/forms/menu.h"
#include "widgets/forms/menu_state.h"
#include "widgets/popup.h"

namespace {

constexpr size_t kItemGrowth = 100;

MenuState gMenu;

}  // namespace

MenuState& menuState() { return gMenu; }

void menuOpen(int left, int top, int width, int height, int backColour) {
  MenuState& m = gMenu;
  m.savedColumn = conColumn();
  m.savedRow = conRow();

  // A menu never reaches column 80: writing there would wrap the line, and on the last
  // row scroll the whole screen.
  width = std::clamp(width, 1, kConColumns - 1);
  height = std::clamp(height, 1, kConRows);
  if (left + width > kConColumns) left = kConColumns - width;
  left = std::max(left, 1);
  if (top + height > kConRows) top = kConRows - height + 1;
  if (top <= 0) top = 1;

  m.savedAttr = conTextAttr();
  conSetBackColour(backColour);

  m.clearItems();
  m.firstVisible = 1;
  m.left = left;
  m.top = top;
  m.width = width;
  m.right = left + width - 1;
  m.bottom = std::min(top + height - 1, kConRows);

  m.under = saveCells(m.left, m.top, m.right, m.bottom);
}

void menuAddItem(std::string_view key, std::string_view text) {
  MenuState& m = gMenu;
  if (m.items.size() == m.items.capacity()) m.items.reserve(m.items.size() + kItemGrowth);
  m.items.push_back(TOpcoes{m.count() + 1, std::string(key), std::string(text)});
}

int menuSelect(int startItem) {
  const int chosen = menuRun(startItem);
  MenuState& m = gMenu;
  restoreCells(m.under);
  m.under = {};
  setTextAttr(m.savedAttr);
  conGoto(m.savedColumn, m.savedRow);
  conRepaint();
  return chosen;
}

const std::string& menuChosenText() { return gMenu.chosenText; }

void menuMakeRoom(int lines) {
  const int column = conColumn();
  for (int i = 0; i < lines; ++i) conWriteLine();
  conGoto(column, conRow() - std::max(lines, 0));
}

MenuFrame menuFrame() { return MenuFrame{gMenu.left, gMenu.top, gMenu.right, gMenu.bottom}; }
