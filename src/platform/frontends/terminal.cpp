#include "platform/frontends/terminal.h"

#include <curses.h>
#include <langinfo.h>
#include <unistd.h>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <map>

#include "platform/braille_page.h"
#include "platform/frontends/braille_patterns.h"
#include "platform/frontends/terminal_colours.h"
#include "platform/frontends/terminal_keys.h"
#include "platform/frontends/terminal_restore.h"
#include "platform/screen.h"
#include "platform/speech.h"
#include "platform/text/text.h"
#include "platform/text/platform_texts.h"

namespace {

// Long enough for a terminal's key sequence to arrive whole, short enough that a lone
// Esc is taken at once.
constexpr int kEscDelayMs = 25;
// The longest key sequence read after an Esc ("[15;5~" and the like, with room).
constexpr size_t kMaxEscapeSequence = 12;


// ncurses writes wide characters only in a UTF-8 (or other multibyte) locale.
void chooseLocale() {
  std::setlocale(LC_CTYPE, "");
  if (std::strcmp(nl_langinfo(CODESET), "UTF-8") != 0) std::setlocale(LC_CTYPE, "C.UTF-8");
}

// Terminals that take the xterm title sequence even when terminfo does not say so.
bool takesXtermTitle(const char* term) {
  if (term == nullptr) return false;
  for (const char* prefix : {"xterm", "screen", "tmux", "rxvt", "vte", "gnome", "konsole", "alacritty", "kitty", "foot"}) {
    if (std::strncmp(term, prefix, std::strlen(prefix)) == 0) return true;
  }
  return false;
}

std::string base64(const std::string& bytes) {
  static const char* kDigits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  size_t i = 0;
  for (; i + 2 < bytes.size(); i += 3) {
    const unsigned v = (static_cast<unsigned char>(bytes[i]) << 16) | (static_cast<unsigned char>(bytes[i + 1]) << 8) |
                       static_cast<unsigned char>(bytes[i + 2]);
    for (int s = 18; s >= 0; s -= 6) out += kDigits[(v >> s) & 63];
  }
  if (i < bytes.size()) {
    unsigned v = static_cast<unsigned char>(bytes[i]) << 16;
    if (i + 1 < bytes.size()) v |= static_cast<unsigned char>(bytes[i + 1]) << 8;
    out += kDigits[(v >> 18) & 63];
    out += kDigits[(v >> 12) & 63];
    out += i + 1 < bytes.size() ? kDigits[(v >> 6) & 63] : '=';
    out += '=';
  }
  return out;
}

class TerminalFrontend : public Frontend {
 public:
  bool open(std::string& error);
  ~TerminalFrontend() override;

  void pump(int waitMs) override;
  void invalidate() override { dirty_ = true; }
  void setWaitingForKey(bool waiting) override {
    waiting_ = waiting;
    dirty_ = true;
    // The first wait for a key comes after speech has started: a terminal that is too
    // small is told then (and on a later resize).
    if (waiting && !sizeChecked_) {
      sizeChecked_ = true;
      checkSize();
    }
    if (waiting) pump(0);
  }
  void setTitle(const std::string& title) override;
  void beep() override {}  // the console sounds BEL through the speech services
  PixelSize clientArea() const override { return kTerminalClientArea; }
  int braillePageRows() const override { return std::max(LINES, 1); }
  // The terminal's own clipboard is set too where it takes the OSC 52 sequence; reading
  // it back is not possible, so pasting gives what the program copied last.
  void setClipboard(const std::string& utf8) override;
  std::string clipboard() override { return clipboard_; }

 private:
  void handle(int result, wint_t ch);
  void draw();
  void drawGrid(int rows, int columns);
  void drawPicture(const ConPicture& picture);
  void drawBraillePage(const ConBraillePage& page);
  short pairFor(unsigned char attr);
  attr_t attributesFor(unsigned char attr) const;
  void checkSize();
  void writeRaw(const std::string& bytes);

  SCREEN* screen_ = nullptr;
  bool open_ = false;
  bool dirty_ = true;
  bool waiting_ = false;
  bool sizeChecked_ = false;
  bool toldTooSmall_ = false;
  bool backspaceIsDel_ = true;
  std::map<std::pair<int, int>, short> pairs_;
  std::string clipboard_;
};

bool TerminalFrontend::open(std::string& error) {
  if (!isatty(STDIN_FILENO) || !isatty(STDOUT_FILENO)) {
    error = platformSentence(PlatformSentence::NotATerminal, {});
    return false;
  }
  chooseLocale();
  terminalSaveSettings();
  set_escdelay(kEscDelayMs);
  screen_ = newterm(nullptr, stdout, stdin);
  if (screen_ == nullptr) {
    const char* term = std::getenv("TERM");
    error = platformSentence(PlatformSentence::UnknownTerminal, {term != nullptr ? term : ""});
    return false;
  }
  open_ = true;
  raw();  // Ctrl+C, Ctrl+S and Ctrl+Z are the program's keys
  noecho();
  nonl();  // Enter is 13 and Ctrl+J (Ctrl+Enter) is 10
  keypad(stdscr, TRUE);
  meta(stdscr, TRUE);
  if (has_colors()) start_color();
  const char* kbs = tigetstr("kbs");
  backspaceIsDel_ = !(kbs != nullptr && kbs != reinterpret_cast<char*>(-1) && std::strcmp(kbs, "\b") == 0);
  terminalRestoreInstall();
  return true;
}

TerminalFrontend::~TerminalFrontend() {
  if (!open_) return;
  endwin();
  terminalRestoreNow();
  terminalRestoreUninstall();
  delscreen(screen_);
}

void TerminalFrontend::pump(int waitMs) {
  if (const int sig = terminalEndSignal()) conEndAtOnce(128 + sig);
  if (dirty_) draw();
  wtimeout(stdscr, std::max(waitMs, 0));
  wint_t ch = 0;
  int result = wget_wch(stdscr, &ch);
  while (result != ERR) {
    handle(result, ch);
    wtimeout(stdscr, 0);
    result = wget_wch(stdscr, &ch);
  }
  if (const int sig = terminalEndSignal()) conEndAtOnce(128 + sig);
  if (dirty_) draw();
}

void TerminalFrontend::handle(int result, wint_t ch) {
  if (result == KEY_CODE_YES && ch == KEY_RESIZE) {
    clearok(curscr, TRUE);
    dirty_ = true;
    if (sizeChecked_) checkSize();
    return;
  }
  TerminalKey key;
  key.backspaceIsDel = backspaceIsDel_;
  if (result == OK && ch == 27) {
    // Esc with another key in the same burst is the terminal's Alt prefix, or a key's
    // sequence that terminfo did not recognise: that one is read whole and decoded, so
    // that "[1~" never reaches a prompt as text.
    wtimeout(stdscr, 0);
    wint_t next = 0;
    const int nextResult = wget_wch(stdscr, &next);
    if (nextResult == OK && (next == '[' || next == 'O')) {
      std::string sequence(1, static_cast<char>(next));
      wint_t more = 0;
      while (sequence.size() < kMaxEscapeSequence && !escapeSequenceComplete(sequence) &&
             wget_wch(stdscr, &more) == OK && more < 0x80)
        sequence += static_cast<char>(more);
      if (escapeSequenceComplete(sequence)) {
        deliverKeyCodes(decodeEscapeSequence(sequence));
        return;
      }
    }
    if (nextResult != ERR) {
      key.alt = true;
      result = nextResult;
      ch = next;
    }
  }
  key.isCode = result == KEY_CODE_YES;
  key.value = static_cast<int>(ch);
  if (key.isCode) {
    const char* name = keyname(key.value);
    if (name != nullptr) key.name = name;
  }
  deliverKeyCodes(decodeTerminalKey(key));
}

void TerminalFrontend::checkSize() {
  if (toldTooSmall_ || (LINES >= kConRows && COLS >= kConColumns)) return;
  toldTooSmall_ = true;
  // Its own size is said, so that the user knows how much to widen it.
  spkSay(platformSentence(PlatformSentence::TerminalTooSmall, {std::to_string(COLS), std::to_string(LINES),
                                                              std::to_string(kConColumns), std::to_string(kConRows)}));
}

short TerminalFrontend::pairFor(unsigned char attr) {
  if (!has_colors()) return 0;  // see attributesFor
  const int fg = nearestTerminalColour(conColourRgb(attr & 0x0F), COLORS);
  const int bg = nearestTerminalColour(conColourRgb(attr >> 4), COLORS);
  const auto key = std::make_pair(fg, bg);
  if (const auto it = pairs_.find(key); it != pairs_.end()) return it->second;
  const int next = static_cast<int>(pairs_.size()) + 1;
  // When the terminal runs out of pairs the rest show in its default colours.
  if (next >= std::min(COLOR_PAIRS, 32767) || init_extended_pair(next, fg, bg) == ERR) return 0;
  pairs_[key] = static_cast<short>(next);
  return static_cast<short>(next);
}

// Without colours, a cell on any background but black (a greeting, a popup, a
// selection) is shown in reverse video so that it still stands out.
attr_t TerminalFrontend::attributesFor(unsigned char attr) const {
  if (has_colors()) return A_NORMAL;
  return conColourRgb(attr >> 4) != 0 ? A_REVERSE : A_NORMAL;
}

void TerminalFrontend::draw() {
  dirty_ = false;
  const int rows = std::min(LINES, kConRows), columns = std::min(COLS, kConColumns);
  werase(stdscr);
  const ConPicture picture = conPicture();
  const ConBraillePage page = conBraillePage();
  ConPoint cursor = conCursorOnScreen();
  if (page.shown) {
    drawBraillePage(page);
    cursor = ConPoint{page.caretColumn + 1, page.caretLine - page.top + 1};
  } else if (picture.shown && picture.pixels != nullptr) {
    drawPicture(picture);
  } else {
    drawGrid(rows, columns);
  }
  const bool cursorVisible = cursor.row >= 1 && cursor.row <= LINES && cursor.column >= 1 && cursor.column <= COLS &&
                             (page.shown || (cursor.row <= rows && cursor.column <= columns));
  if (cursorVisible) wmove(stdscr, cursor.row - 1, cursor.column - 1);
  curs_set(waiting_ && cursorVisible && (page.shown || !picture.shown) ? 1 : 0);
  wnoutrefresh(stdscr);
  doupdate();
}

namespace {

// The character a terminal cell shows: a control character as a blank, and one that a
// terminal draws wider or narrower than one cell (an ideograph, a combining accent) as
// the replacement character, so that the columns stay where the grid has them.
wchar_t shownInOneCell(char32_t ch) {
  if (ch < 32 || (ch >= 0x7F && ch < 0xA0)) return L' ';
  const auto wide = static_cast<wchar_t>(ch);
  return ch < 0x7F || wcwidth(wide) == 1 ? wide : L'\uFFFD';
}

}  // namespace

void TerminalFrontend::drawGrid(int rows, int columns) {
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < columns; ++c) {
      const ConCell cell = conScreenCell(c + 1, r + 1);
      const wchar_t text[2] = {shownInOneCell(cell.ch), 0};
      cchar_t cc;
      const short pair = pairFor(cell.attr);
      int extended = pair;
      setcchar(&cc, text, attributesFor(cell.attr), pair, &extended);
      mvwadd_wch(stdscr, r, c, &cc);
    }
  }
}

void TerminalFrontend::drawPicture(const ConPicture& picture) {
  // Black dots on white paper over the whole terminal.
  const short pair = pairFor(0xF0);
  const std::vector<std::string> lines =
      renderBraillePatterns(picture.pixels->data(), picture.width, picture.height, COLS, LINES);
  wattr_set(stdscr, A_NORMAL, pair, nullptr);
  for (int r = 0; r < static_cast<int>(lines.size()); ++r) {
    // The last cell of the screen is left alone: writing it would scroll some terminals.
    const int count = r == LINES - 1 ? COLS - 1 : COLS;
    mvwaddnstr(stdscr, r, 0, lines[r].c_str(), static_cast<int>(std::min<size_t>(lines[r].size(), 3 * count)));
  }
  wattr_set(stdscr, A_NORMAL, 0, nullptr);
}

// The page from its top line down, as many lines as the terminal has rows, every cell
// a pattern (blank cells as U+2800, so that the rows keep the page's width).
void TerminalFrontend::drawBraillePage(const ConBraillePage& page) {
  const short pair = pairFor(0xF0);
  wattr_set(stdscr, A_NORMAL, pair, nullptr);
  const int columns = std::min(page.cellsPerLine, COLS);
  for (int r = 0; r < LINES && page.top + r < page.lines; ++r) {
    std::string row;
    const int count = r == LINES - 1 && columns == COLS ? columns - 1 : columns;
    for (int c = 0; c < count; ++c) {
      row += braillePatternUtf8((*page.cells)[static_cast<size_t>(page.top + r) * page.cellsPerLine + c]);
    }
    mvwaddstr(stdscr, r, 0, row.c_str());
  }
  wattr_set(stdscr, A_NORMAL, 0, nullptr);
}

void TerminalFrontend::writeRaw(const std::string& bytes) {
  std::fflush(stdout);
  ssize_t ignored = write(STDOUT_FILENO, bytes.data(), bytes.size());
  (void)ignored;
}

void TerminalFrontend::setTitle(const std::string& title) {
  const std::string utf8 = asUtf8(title);
  const char* tsl = tigetstr("tsl");
  const char* fsl = tigetstr("fsl");
  const auto usable = [](const char* cap) { return cap != nullptr && cap != reinterpret_cast<char*>(-1); };
  if (tigetflag("hs") > 0 && usable(tsl) && usable(fsl)) {
    writeRaw(std::string(tsl) + utf8 + fsl);
  } else if (takesXtermTitle(std::getenv("TERM"))) {
    writeRaw("\x1b]2;" + utf8 + "\x07");
  }
}

void TerminalFrontend::setClipboard(const std::string& utf8) {
  clipboard_ = utf8;
  if (takesXtermTitle(std::getenv("TERM"))) writeRaw("\x1b]52;c;" + base64(utf8) + "\x07");
}

}  // namespace

std::unique_ptr<Frontend> makeTerminalFrontend(std::string& error) {
  auto frontend = std::make_unique<TerminalFrontend>();
  if (!frontend->open(error)) return nullptr;
  return frontend;
}
