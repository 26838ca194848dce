#pragma once
// The one popup menu's state, shared by the files that open, run and close it.
#include <string>
#include <vector>

#include "platform/console.h"
#include "widgets/forms/menu.h"
#include "widgets/popup.h"

struct MenuState {
  int left = 1, top = 1, width = 1, right = 1, bottom = 1;
  int firstVisible = 1;
  // Slot 0 is an empty placeholder so that item i lives in slot i.
  std::vector<TOpcoes> items{TOpcoes{}};
  int savedColumn = 1, savedRow = 1, savedAttr = 0x0F;
  // The cells of the rectangle as they were before the menu.
  SavedCells under;
  std::string chosenText;

  int count() const { return static_cast<int>(items.size()) - 1; }
  void clearItems() { items.assign(1, TOpcoes{}); }
};

MenuState& menuState();
