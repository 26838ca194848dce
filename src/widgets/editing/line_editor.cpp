// The talking line editor.
#include <algorithm>
#include <optional>

#include "platform/console.h"
#include "widgets/editing/editing.h"
#include "widgets/editing/line_words.h"
#include "platform/keys.h"
#include "platform/screen.h"
#include "platform/speech.h"
#include "messages/messages.h"
#include "platform/text/utf8.h"

namespace {

constexpr int kMaxLength = 2048;
constexpr int kSelectionBack = 8;
constexpr int kContinue = -1;

bool gParagraphEditor = false;

// One of the suite's shared recordings, with the words that stand in for it where the
// recordings are not installed, so that no action goes unheard.
struct Recording {
  const char* name;
  const char* wordsKey;  // catalogue key of what is said when there is no recording
};
constexpr Recording kDeletedSound{"_DEL", "PXLEAPAGOU"};
constexpr Recording kFieldCleared{"_CPOAPA", "PXLECPOAPA"};
constexpr Recording kClearedToEnd{"_APFCPO", "PXLEAPFIM"};
constexpr Recording kClearedFromStart{"_APICPO", "PXLEAPINI"};
constexpr Recording kTypingSpoken{"_FALACI", "PXLEFALAON"};
constexpr Recording kTypingSilent{"_FALDLG", "PXLEFALAOFF"};
constexpr Recording kAskSpeed{"_VELOC", "PXLEVELOC"};

void hear(const Recording& recording) {
  if (spkRecordingExists(recording.name))
    spkPlayRecording(recording.name);
  else
    spkSay(messageText(recording.wordsKey));
}

void sayDeleted(const std::u32string& deleted) {
  hear(kDeletedSound);
  if (deleted.size() == 1) {
    spkPlayLetter(deleted[0]);
  } else if (!deleted.empty()) {
    spkSay(fromCodePoints(deleted));
  }
}

class LineEditor {
 public:
  LineEditor(const std::string& text, int column, int row, bool editable, int width, size_t maxLength,
             size_t cursor)
      : text_(toCodePoints(text).substr(0, maxLength)), column_(column), row_(row), width_(width),
        maxLength_(maxLength), editable_(editable), pos_(std::min(cursor, maxLength)) {
    text_.resize(maxLength_, U' ');
    original_ = text_;
  }

  int run() {
    for (;;) {
      show(true);
      const ConKey k = conReadKeyEvent();
      spkStop();
      const int end = handle(k);
      first_ = false;
      if (end != kContinue) {
        anchor_.reset();
        show(false);
        spkStop();
        return end;
      }
    }
  }

  std::string result() const { return fromCodePoints(text_.substr(0, words::textEnd(text_))); }
  size_t cursor() const { return pos_; }

 private:
  std::pair<size_t, size_t> selection() const {
    if (!anchor_) return {pos_, pos_};
    return {std::min(*anchor_, pos_), std::max(*anchor_, pos_)};
  }

  void show(bool withSelection) {
    if (width_ == 0) return conGoto(column_, row_);
    if (pos_ < scroll_) scroll_ = pos_;
    if (pos_ >= scroll_ + width_) scroll_ = pos_ - width_ + 1;
    const auto [from, to] = withSelection ? selection() : std::pair<size_t, size_t>{0, 0};
    const int attr = conTextAttr();
    conGoto(column_, row_);
    for (size_t i = scroll_; i < scroll_ + width_; ++i) {
      const bool selected = i >= from && i < to;
      conSetBackColour(selected ? kSelectionBack : attr >> 4);
      conWrite(conVisible(utf8Of(i < text_.size() ? text_[i] : U' ')));
    }
    conSetBackColour(attr >> 4);
    conGoto(column_ + static_cast<int>(pos_ - scroll_), row_);
  }

  void erase(size_t from, size_t to) {
    text_.erase(from, to - from);
    text_.resize(maxLength_, U' ');
    pos_ = from;
    anchor_.reset();
  }

  void insert(const std::u32string& piece) {
    text_.insert(pos_, piece);
    text_.resize(maxLength_);
    pos_ = std::min(pos_ + piece.size(), maxLength_);
  }

  void type(char32_t ch) {
    anchor_.reset();
    // In a form typing replaces the old value; in the paragraph editor it never wipes a
    // line of the user's text.
    if (first_ && !gParagraphEditor && words::textEnd(text_) > pos_) {
      spkTick();
      spkTick();
      if (editable_) text_.assign(maxLength_, U' ');
    }
    if (pos_ >= maxLength_) {
      spkClick();
      return;
    }
    insert(std::u32string(1, ch));
    if (conSpeaksTyping()) spkPlayLetter(ch);
  }

  void backspace() {
    anchor_.reset();
    if (pos_ == 0) {
      spkClick();
      return;
    }
    const std::u32string deleted = text_.substr(pos_ - 1, 1);
    erase(pos_ - 1, pos_);
    sayDeleted(deleted);
  }

  void deleteWord() {
    anchor_.reset();
    size_t start = pos_;
    if (words::blank(text_, pos_)) {
      start = words::previousStart(text_, pos_);
      if (words::blank(text_, start)) {
        spkClick();
        return;
      }
    } else {
      while (start > 0 && !words::blank(text_, start - 1)) --start;
    }
    size_t end = words::endOf(text_, start);
    const std::u32string deleted = text_.substr(start, end - start);
    while (end < text_.size() && text_[end] == U' ') ++end;
    erase(start, end);
    sayDeleted(deleted);
  }

  void deleteForward() {
    auto [from, to] = selection();
    if (from == to) {
      if (pos_ >= maxLength_) {
        spkClick();
        return;
      }
      to = from + 1;
    }
    const std::u32string deleted = text_.substr(from, to - from);
    erase(from, to);
    sayDeleted(deleted);
  }

  void move(const ConKey& k) {
    if (k.shift && !anchor_) anchor_ = pos_;
    if (!k.shift) anchor_.reset();
    switch (k.code) {
      case key::kLeft:
        if (pos_ == 0) return spkClick();
        --pos_;
        return spkPlayLetter(text_[pos_]);
      case key::kRight:
        if (pos_ >= maxLength_) return spkClick();
        spkPlayLetter(text_[pos_]);
        ++pos_;
        return;
      case key::kHome:
        pos_ = 0;
        return;
      case key::kEnd:
        pos_ = std::min(words::textEnd(text_), maxLength_);
        return;
      case key::kCtrlLeft:
        if (pos_ == 0) return spkClick();
        pos_ = words::previousStart(text_, pos_);
        return sayWordAt(pos_);
      default: {  // Ctrl+Right
        const size_t next = words::nextStart(text_, pos_);
        if (next < words::textEnd(text_)) {
          pos_ = next;
          return sayWordAt(pos_);
        }
        if (pos_ >= words::textEnd(text_)) return spkClick();
        pos_ = words::textEnd(text_);
        return spkTick();
      }
    }
  }

  void sayWordAt(size_t at) {
    size_t start = at;
    while (start > 0 && !words::blank(text_, start - 1)) --start;
    const size_t end = words::endOf(text_, at);
    if (end == start) return spkClick();  // only blanks here
    spkSay(fromCodePoints(text_.substr(start, end - start)));
  }

  void sayNextWord() {
    size_t start = pos_;
    while (start < maxLength_ && words::blank(text_, start)) ++start;
    const size_t end = words::endOf(text_, start);
    if (end == start) return spkClick();
    spkSay(fromCodePoints(text_.substr(start, end - start)));
    pos_ = end;
  }

  void sayWholeField() {
    const std::string all = result();
    if (all.empty()) return spkClick();
    spkSay(all);
  }

  void fieldCommand(int code) {
    if (!editable_) return;
    anchor_.reset();
    switch (code) {
      case 25:  // Ctrl+Y
        text_.assign(maxLength_, U' ');
        pos_ = 0;
        return hear(kFieldCleared);
      case 4:  // Ctrl+D
        std::fill(text_.begin() + static_cast<long>(pos_), text_.end(), U' ');
        return hear(kClearedToEnd);
      case 19:  // Ctrl+S
        erase(0, pos_);
        return hear(kClearedFromStart);
      default:  // Ctrl+U
        text_ = original_;
        pos_ = 0;
        for (int i = 0; i < 3; ++i) spkClick();
    }
  }

  void copy() {
    const auto [from, to] = selection();
    conCopyToClipboard(from < to ? fromCodePoints(text_.substr(from, to - from)) : result() + "\r\n");
  }

  void paste() {
    std::string pasted = conPasteFromClipboard(4 * kMaxLength + 1);
    const std::u32string piece = toCodePoints(pasted.substr(0, pasted.find_first_of("\r\n")));
    const auto [from, to] = selection();
    if (from < to) erase(from, to);
    anchor_.reset();
    if (!piece.empty()) insert(piece);
  }

  void switchTypingSpeech() {
    conSetSpeaksTyping(!conSpeaksTyping());
    hear(conSpeaksTyping() ? kTypingSpoken : kTypingSilent);
  }

  void changeSpeed() {
    hear(kAskSpeed);
    const int digit = conGetKey();
    spkStop();
    if (digit < '1' || digit > '5') return spkClick();
    spkFinish();
    spkStart(digit - '0', "");
  }

  int handle(const ConKey& k) {
    if (!k.extended) {
      switch (k.code) {
        case key::kEnter: case key::kEsc: case key::kCtrlEnter: case key::kTab: case 2:
          return k.code;
        case key::kBackspace: backspace(); return kContinue;
        case key::kCtrlBackspace: deleteWord(); return kContinue;
        case 25: case 4: case 19: case 21: fieldCommand(k.code); return kContinue;
        case 11: spkSay(std::to_string(pos_ + 1)); return kContinue;
        case 3:
          if (gParagraphEditor) return 3;
          copy();
          return kContinue;
        case 22:
          if (gParagraphEditor) return 22;
          paste();
          return kContinue;
        default:
          if (k.code >= 32) type(static_cast<char32_t>(k.code));
          return kContinue;
      }
    }
    switch (k.code) {
      case key::kLeft: case key::kRight: case key::kHome: case key::kEnd:
      case key::kCtrlLeft: case key::kCtrlRight:
        move(k);
        return kContinue;
      case key::kDel: deleteForward(); return kContinue;
      case key::kF1: sayNextWord(); return kContinue;
      case key::kCtrlF1: sayWholeField(); return kContinue;
      case key::kF12: sayWordAt(std::min(pos_, maxLength_ - 1)); return kContinue;
      case key::kF8: conSayTime(); return kContinue;
      case key::kCtrlF8: conSayDate(); return kContinue;
      case key::kF4: switchTypingSpeech(); return kContinue;
      case key::kCtrlF4: changeSpeed(); return kContinue;
      case key::kCtrlIns: copy(); return kContinue;
      case key::kShiftIns: paste(); return kContinue;
      default: return k.code;
    }
  }

  // The line's characters, padded with blanks to maxLength_; positions count characters.
  std::u32string text_;
  std::u32string original_;
  int column_, row_;
  size_t width_;
  size_t maxLength_;
  bool editable_;
  bool first_ = true;
  size_t pos_;
  size_t scroll_ = 0;
  std::optional<size_t> anchor_;
};

}  // namespace

void conSetParagraphEditorMode(bool on) { gParagraphEditor = on; }

int conEditLine(std::string& text, int column, int row, bool editable, int visibleWidth, int maxLength) {
  int cursor = 1;
  return conEditLineFrom(text, column, row, editable, visibleWidth, maxLength, cursor);
}

int conEditLineFrom(std::string& text, int column, int row, bool editable, int visibleWidth,
                    int maxLength, int& cursor) {
  maxLength = std::clamp(maxLength, 1, kMaxLength);
  visibleWidth = std::clamp(visibleWidth, 1, maxLength);
  const ConRect window = conTextWindow();
  const int windowWidth = window.right - window.left + 1;
  const int windowHeight = window.bottom - window.top + 1;
  column = std::clamp(column, 1, windowWidth);
  row = std::clamp(row, 1, windowHeight);
  // Cells past the right edge would wrap onto the next row.
  visibleWidth = std::min(visibleWidth, windowWidth - column + 1);
  // On the window's last row a field that reaches the right edge would scroll the window;
  // in its very last cell no cell is left, and the text is edited by ear.
  if (row == windowHeight && column + visibleWidth - 1 >= windowWidth) --visibleWidth;
  LineEditor editor(text, column, row, editable, visibleWidth, static_cast<size_t>(maxLength),
                    static_cast<size_t>(std::max(cursor, 1) - 1));
  const int code = editor.run();
  text = editor.result();
  cursor = static_cast<int>(editor.cursor()) + 1;
  return code;
}

int conEditLineToEdge(std::string& text, int column, int row, bool editable, int maxLength) {
  const ConRect window = conTextWindow();
  const int width = window.right - window.left + 1 - column;
  return conEditLine(text, column, row, editable, std::min(std::max(width, 1), maxLength), maxLength);
}

std::string conReadLine() {
  const int column = conColumn(), row = conRow();
  std::string text;
  const int code = conEditLineToEdge(text, column, row, true, 255);
  if (code == key::kEsc) {
    conGoto(column, row);
    conClearEol();
    text.clear();
  }
  conWriteLine();
  return text;
}
