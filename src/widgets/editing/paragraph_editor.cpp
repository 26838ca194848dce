// The paragraph editor's screen, movement and line keys, and the loop that runs them.
#include "widgets/editing/editing.h"

#include <algorithm>

#include "platform/console.h"
#include "widgets/editing/paragraph_session.h"
#include "platform/keys.h"
#include "platform/speech.h"
#include "messages/messages.h"
#include "platform/text/utf8.h"

namespace {

constexpr int kWhite = 15, kYellow = 14, kGreen = 2, kBlack = 0;
constexpr int kEdgePauseMs = 200;
// The line editor keeps at most 2048 of these.
constexpr int kMaxLineLength = 4096;
constexpr int kCtrlY = 25;

// Keys the line editor uses; it edits the current line until a key it does not use,
// which comes back as the command. Ctrl+Y deletes the line here instead of clearing it.
bool belongsToLineEditor(const KeyPair& peeked) {
  if (peeked.first != 0) return peeked.first != kCtrlY;
  switch (peeked.second) {
    case key::kShiftPrefix: case key::kCtrlShiftPrefix: case key::kAltPrefix:
    case key::kLeft: case key::kRight: case key::kHome: case key::kEnd: case key::kDel:
    case key::kCtrlLeft: case key::kCtrlRight: case key::kF1: case key::kF4: case key::kF8:
    case key::kF12: case key::kCtrlF1: case key::kCtrlF4: case key::kCtrlF8: case key::kCtrlF9:
    case key::kCtrlIns:
      return true;
    default:
      return false;
  }
}

void edgeSignal() {
  spkClick();
  conPause(kEdgePauseMs);
}

// Turns the paragraph editor's handling of Ctrl+C, Ctrl+V and typing on for one run,
// whatever way the run ends.
struct ParagraphEditorMode {
  ParagraphEditorMode() { conSetParagraphEditorMode(true); }
  ~ParagraphEditorMode() { conSetParagraphEditorMode(false); }
};

// Whether the key ends the editing.
bool actOn(ParagraphSession& s, const PressedKey& k) {
  if (k.ext == 0) {
    switch (k.ch) {
      case key::kEnter: s.newLineBelow(); return false;
      case key::kCtrlEnter: s.insertOrSplit(); return false;
      case kCtrlY: s.deleteCurrent(); return false;
      case 2: s.blockCommand(); return false;
      case 3: s.copyBlockToClipboard(); return false;
      case 22: s.pasteClipboard(); return false;
      case key::kEsc: return s.escEndsAtOnce || s.confirmEnd();
      default: break;
    }
  } else {
    switch (k.ext) {
      case key::kUp: s.lineUp(); return false;
      case key::kDown: s.lineDown(); return false;
      case key::kPgUp: s.pageUp(); return false;
      case key::kPgDn: s.pageDown(); return false;
      case key::kCtrlPgUp: s.toTop(); return false;
      case key::kCtrlPgDn: s.toBottom(); return false;
      case key::kF7: s.deleteCurrent(); return false;
      case key::kCtrlF7: s.joinParagraphs(); return false;
      case key::kF5: s.askAndSearch(); return false;
      case key::kCtrlF5: s.search(); return false;
      case key::kCtrlDown: s.readOn(); return false;
      case key::kF2: s.saveDraft(false); return false;
      case key::kCtrlF2: s.saveDraft(true); return false;
      case key::kF9: s.help(); return false;
      default: break;
    }
    if (isExploreKey(k)) {
      conExploreScreen();
      return false;
    }
  }
  spkClick();
  spkSay(messageText("PXEDOPINV"));
  return false;
}

void drawFrame(int left, int top, int right, int bottom) {
  const int inner = right - left - 1;
  const std::string edge = "+" + std::string(static_cast<size_t>(inner), '-') + "+";
  conGoto(left, top);
  conWrite(edge);
  for (int row = top + 1; row < bottom; ++row) {
    conGoto(left, row);
    conWrite("|");
    conGoto(right, row);
    conWrite("|");
  }
  conGoto(left, bottom);
  // The screen's very last cell would scroll the screen.
  conWrite(bottom == kConRows && right == kConColumns ? edge.substr(0, edge.size() - 1) : edge);
}

}  // namespace

void ParagraphSession::redraw() {
  const bool marked = block.valid(lines.size());
  for (int row = 1; row <= height; ++row) {
    const size_t i = topLine + static_cast<size_t>(row - 1);
    conSetTextColour(i == current ? kYellow : marked && block.holds(i) ? kGreen : kWhite);
    conGoto(1, row);
    conClearEol();
    if (i >= lines.size()) continue;
    // Text that reaches past the window's right edge makes the cursor wrap, and on the
    // last row that scrolls the window.
    size_t room = static_cast<size_t>(width);
    if (row == height) room = std::min(room, static_cast<size_t>(left + width - 2));
    conWrite(conVisible(firstCharacters(shownText(lines[i]), room)));
  }
  conSetTextColour(kWhite);
}

void ParagraphSession::placeCursor() {
  const int field = lines[current].continuation ? 2 : 1;
  conGoto(field + cursorColumn - 1, static_cast<int>(current - topLine) + 1);
}

void ParagraphSession::announceCurrent() {
  const EditorLine& line = lines[current];
  if (line.text.empty() || line.continuation) spkTick();
  if (!line.text.empty() && !conKeyPending()) spkSay(line.text);
}

PressedKey ParagraphSession::editCurrent() {
  EditorLine& line = lines[current];
  const int field = line.continuation ? 2 : 1;
  conSetTextColour(kYellow);
  int cursor = cursorColumn;
  const int code = conEditLineFrom(line.text, field, static_cast<int>(current - topLine) + 1, true,
                                   width - field + 1, kMaxLineLength, cursor);
  conSetTextColour(kWhite);
  // The cursor stays at its place in the text, on whichever line that now is.
  const TextPlace place = rewrapFrom(lines, current, width, static_cast<size_t>(cursor - 1));
  current = place.line;
  cursorColumn = place.column;
  if (current >= topLine + static_cast<size_t>(height)) topLine = current - static_cast<size_t>(height) + 1;
  return pressedKeyFromEditCode(code);
}

namespace {

// The two directions of a move, with the current and top lines as they would be before
// the step of one line; they may lie outside the text.
void stepUp(ParagraphSession& s, long current, long top) {
  --current;
  if (current < 0) {
    edgeSignal();
    current = 0;
  }
  top = std::clamp(top, 0L, current);
  s.current = static_cast<size_t>(current);
  s.topLine = static_cast<size_t>(top);
  s.cursorColumn = 1;
}

void stepDown(ParagraphSession& s, long current, long top) {
  const long last = static_cast<long>(s.lines.size()) - 1;
  ++current;
  if (current > last) {
    edgeSignal();
    current = last;
  }
  top = std::max(0L, std::min(top, last));
  if (current >= top + s.height) top = current - s.height + 1;
  s.current = static_cast<size_t>(current);
  s.topLine = static_cast<size_t>(top);
  s.cursorColumn = 1;
}

long asLong(size_t n) { return static_cast<long>(n); }

}  // namespace

void ParagraphSession::lineUp() { stepUp(*this, asLong(current), asLong(topLine)); }
void ParagraphSession::lineDown() { stepDown(*this, asLong(current), asLong(topLine)); }
void ParagraphSession::pageUp() { stepUp(*this, asLong(current) - height, asLong(topLine) - height); }
void ParagraphSession::pageDown() { stepDown(*this, asLong(current) + height, asLong(topLine) + height); }
void ParagraphSession::toTop() { stepUp(*this, 0, 0); }
void ParagraphSession::toBottom() {
  const long last = asLong(lines.size()) - 1;
  stepDown(*this, last, last);
}

void ParagraphSession::newLineBelow() {
  insertLineAt(lines, current + 1);
  spkSay(messageText("PXEDNOVA"));
  lineDown();
}

void ParagraphSession::insertOrSplit() {
  if (cursorColumn <= 1) {
    insertLineAt(lines, current);
    spkSay(messageText("PXEDNOVA"));
    return;
  }
  splitLineAt(lines, current, cursorColumn, width);
  spkSay(messageText("PXEDQUEBR"));
}

void ParagraphSession::deleteCurrent() {
  if (deleteLineAt(lines, current) == DeleteResult::NothingToDelete) {
    spkTick();
    return;
  }
  spkSay(messageText("PXEDREMOV"));
  current = std::min(current, lines.size() - 1);
  cursorColumn = 1;
}

void ParagraphSession::joinParagraphs() {
  size_t line = current;
  if (!joinWithPrevious(lines, line, width)) {
    spkClick();
    spkSay(messageText("PXEDNJUNT"));
    return;
  }
  current = line;
  topLine = std::min(topLine, current);
  cursorColumn = 1;
  spkSay(messageText("PXEDJUNT"));
}

void editTextList(std::vector<std::string>& list, bool joinLines, bool framed,
                  const ParagraphEditorWindow& window, bool escEndsAtOnce) {
  conSetWindow(1, 1, kConColumns, kConRows);
  const int left = std::clamp(window.left, 1, kConColumns - 1);
  const int top = std::clamp(window.top, 1, kConRows);
  const int right = std::clamp(left + window.width - 1, left + 1, kConColumns);
  const int bottom = std::clamp(top + window.height - 1, top, kConRows);
  const SavedAttr attr;
  const SavedCells under = saveCells(left, top, right, bottom);

  spkSay(messageText("PXEDEDIT"));
  std::vector<std::string> paragraphs;
  paragraphs.reserve(list.size());
  for (const std::string& line : list) paragraphs.push_back(expandLeadingTabs(line));
  if (joinLines) paragraphs = gatherParagraphs(paragraphs);

  ParagraphSession s;
  s.escEndsAtOnce = escEndsAtOnce;
  s.left = left;
  s.top = top;
  s.width = right - left + 1;
  s.height = bottom - top + 1;
  // A frame needs room for two lines of text inside it.
  if (framed && s.width >= 4 && s.height >= 3) {
    conSetTextColour(kWhite);
    conSetBackColour(kBlack);
    drawFrame(left, top, right, bottom);
    s.left += 1;
    s.top += 1;
    s.width -= 2;
    s.height -= 2;
  }
  s.lines = wrapParagraphs(paragraphs, s.width);
  conSetWindow(s.left, s.top, s.left + s.width - 1, s.top + s.height - 1);
  conSetBackColour(kBlack);
  {
    const ParagraphEditorMode mode;
    for (;;) {
      s.redraw();
      s.placeCursor();
      s.announceCurrent();
      conWaitForKey();
      PressedKey k;
      if (belongsToLineEditor(conPeekKey())) {
        k = s.editCurrent();
      } else {
        spkStop();
        k = readPressedKey();
      }
      if (actOn(s, k)) break;
    }
  }
  // The list's copy goes first, so that writing the edits back needs no more memory
  // than the editing did.
  std::vector<std::string>().swap(paragraphs);
  list = ::joinParagraphs(s.lines);
  conClear();
  conSetWindow(1, 1, kConColumns, kConRows);
  restoreCells(under);
  conGoto(left, top);
}
