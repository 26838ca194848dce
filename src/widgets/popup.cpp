#include "widgets/popup.h"

#include "platform/keys.h"
#include "platform/speech.h"
#include "platform/text/utf8.h"

PressedKey readPressedKey() {
  PressedKey key;
  key.ch = conGetKey();
  if (key.ch == 0) {
    key.ext = conGetKey();
    if (key.ext == key::kShiftPrefix || key.ext == key::kCtrlShiftPrefix || key.ext == key::kAltPrefix)
      key.ext = conGetKey();
  }
  spkStop();
  return key;
}

PressedKey pressedKeyFromEditCode(int code) {
  if (code < 32) return PressedKey{code, 0};
  return PressedKey{0, code};
}

bool isExploreKey(const PressedKey& pressed) { return pressed.ext == key::kCtrlF9; }

std::string fitText(std::string_view text, int width) {
  if (width <= 0) return {};
  std::string fitted(text.substr(0, byteOfCharacter(text, static_cast<size_t>(width))));
  fitted.append(static_cast<size_t>(width) - characterCount(fitted), ' ');
  return conVisible(fitted);
}

void setTextAttr(int attr) {
  conSetTextColour(attr & 0x0F);
  conSetBackColour((attr >> 4) & 0x0F);
}

SavedCells saveCells(int left, int top, int right, int bottom) {
  SavedCells saved{left, top, right, bottom, {}};
  for (int row = top; row <= bottom; ++row)
    for (int col = left; col <= right; ++col) saved.cells.push_back(conReadCell(col, row));
  return saved;
}

void restoreCells(const SavedCells& saved) {
  size_t i = 0;
  int attr = -1;
  for (int row = saved.top; row <= saved.bottom; ++row) {
    conGoto(saved.left, row);
    std::string run;
    for (int col = saved.left; col <= saved.right && i < saved.cells.size(); ++col, ++i) {
      const ConCell cell = saved.cells[i];
      if (cell.attr != attr) {
        conWrite(run);
        run.clear();
        attr = cell.attr;
        setTextAttr(attr);
      }
      appendUtf8(run, cell.ch);
    }
    conWrite(run);
  }
}
