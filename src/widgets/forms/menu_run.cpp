// The item loop of a popup menu: moving, searching, announcing and choosing.
#include <algorithm>
#include <string>

#include "widgets/editing/editing.h"
#include "platform/keys.h"
#include "widgets/forms/menu.h"
#include "widgets/forms/menu_state.h"
#include "widgets/popup.h"
#include "platform/speech.h"
#include "platform/text/text.h"
#include "messages/messages.h"

namespace {

constexpr int kItemColour = 15, kHighlightColour = 14;
constexpr int kPageStep = 10;
constexpr int kCtrlQ = 17;

int rowOf(const MenuState& m, int item) { return m.top + item - m.firstVisible; }

void drawItem(const MenuState& m, int item, int colour) {
  if (item < 1 || item > m.count()) return;
  const int row = rowOf(m, item);
  if (row < m.top || row > m.bottom) return;
  conGoto(m.left, row);
  conSetTextColour(colour);
  conWrite(fitText(m.items[item].text, m.width));
}

// A braille display that follows the cursor shows the row from where the caret stands:
// on the first letter of the current item, not past the item's padding.
void placeCaret(const MenuState& m, int item) {
  const std::string shown = fitText(m.items[item].text, m.width);
  const size_t first = shown.find_first_not_of(' ');
  conGoto(m.left + (first == std::string::npos ? 0 : static_cast<int>(first)), rowOf(m, item));
}

// Items are kept inside the menu's rectangle, which is exactly what menuSelect puts
// back, so a long list leaves nothing behind on the screen.
void drawItems(const MenuState& m) {
  for (int i = m.firstVisible; i <= m.count() && rowOf(m, i) <= m.bottom; ++i)
    drawItem(m, i, kItemColour);
}

void makeVisible(MenuState& m, int item) {
  const int before = m.firstVisible;
  if (item < m.firstVisible) m.firstVisible = item;
  if (rowOf(m, item) > m.bottom) m.firstVisible = item - (m.bottom - m.top);
  if (m.firstVisible != before) drawItems(m);
}

bool isSearchKey(const PressedKey& key) {
  if (key.ext != 0) return false;
  const int c = key.ch;
  if (c >= 1 && c <= 26) return true;  // Enter and Ctrl+Q are dealt with before.
  if (c == '*' || c == '+' || c == '-' || c == '/') return true;
  if (c >= '0' && c <= '9') return true;
  if ((c | 0x20) >= 'a' && (c | 0x20) <= 'z') return true;
  // The accented letters from À on, and the letters of other alphabets; 0xD7 and 0xF7 are
  // the multiplication and division signs.
  return c >= 0xC0 && c != 0xD7 && c != 0xF7;
}

// The first item after `from` whose text, leading blanks removed, starts with the
// character in either case; one past the last item when none does.
int searchForward(const MenuState& m, int from, int ch) {
  const char32_t wanted = upperCaseOf(static_cast<char32_t>(ch));
  for (int i = std::max(from + 1, 1); i <= m.count(); ++i) {
    const std::string& text = m.items[i].text;
    const size_t start = text.find_first_not_of(' ');
    size_t length = 0;
    if (start != std::string::npos && upperCaseOf(characterAt(text, start, length)) == wanted) return i;
  }
  return m.count() + 1;
}

void announce(const TOpcoes& item, bool spell) {
  if (spell)
    spkSpell(item.text);
  else if (!item.key.empty() && spkRecordingExists(item.key))
    spkPlayRecording(item.key);
  else
    spkSay(item.text);
}

}  // namespace

int menuRun(int startItem) {
  MenuState& m = menuState();
  m.chosenText.clear();
  const int count = m.count();
  int current = startItem >= 1 && startItem <= count ? startItem : 1;
  drawItems(m);
  makeVisible(m, current);

  // A blank moves nothing: the starting item is heard as soon as the menu opens.
  PressedKey key;
  bool ended = false, cancelled = false;
  for (;;) {
    drawItem(m, current, kItemColour);
    bool spell = false;
    if (key.isExt(key::kDown)) {
      ++current;
    } else if (key.isExt(key::kUp)) {
      --current;
    } else if (key.isExt(key::kHome) || key.isExt(key::kCtrlPgUp)) {
      current = 1;
    } else if (key.isExt(key::kEnd) || key.isExt(key::kCtrlPgDn)) {
      current = count;
    } else if (key.isExt(key::kPgDn)) {
      current += kPageStep;
    } else if (key.isExt(key::kPgUp)) {
      current -= kPageStep;
    } else if (isExploreKey(key)) {
      conExploreScreen();
    } else if (key.isExt(key::kRight)) {
      spell = true;
    } else if (key.is(key::kEnter)) {
      ended = true;
    } else if (key.is(key::kEsc)) {
      ended = cancelled = true;
    } else if (key.is(kCtrlQ)) {
      // An empty menu has no current item, whatever the position says.
      spkSay(withValues(messageText("PXMNPOS"), {std::to_string(count == 0 ? 0 : current), std::to_string(count)}));
    } else if (isSearchKey(key)) {
      current = searchForward(m, current, key.ch);
    }

    if (count == 0 || current < 1) {
      current = 1;
      spkClick();
    } else if (current > count) {
      current = count;
      spkClick();
    }

    if (count > 0 && !ended) {
      makeVisible(m, current);
      drawItem(m, current, kHighlightColour);
      placeCaret(m, current);
      conShowMagnified(m.items[current].text, 1);
      announce(m.items[current], spell);
    }
    if (ended) break;
    key = readPressedKey();
  }

  int chosen = 0;
  if (!cancelled && current >= 1 && current <= count) {
    drawItem(m, current, kHighlightColour);
    conSetTextColour(kItemColour);
    chosen = current;
    m.chosenText = m.items[current].text;
  }
  conGoto(1, std::min(m.top + count, kConRows));
  m.clearItems();
  return chosen;
}
