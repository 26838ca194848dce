// Options V and Ctrl+V: the drawing as the console's picture, or as the embosser page in
// a terminal and on a braille display, explored by ear until a key that does not explore.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <string>

#include "platform/braille_display/braille_display.h"
#include "platform/braille_page.h"
#include "platform/console.h"
#include "platform/speech.h"
#include "platform/text/file_write.h"
#include "platform/text/text_file.h"
#include "language/command_description.h"
#include "project/project.h"
#include "messages/messages.h"
#include "output/checking/page_check.h"
#include "output/device/device_page.h"
#include "output/embosser/embosser_page.h"
#include "output/embosser/embosser_pages.h"
#include "options/viewing/dot_cursor.h"
#include "options/viewing/page_window.h"
#include "options/viewing/screen_drawing.h"
#include "options/viewing/viewing.h"
#include "render/image_page.h"
#include "render/page.h"

namespace {

// The console loads its picture only from a BMP file: the page goes to a new temporary
// one, which is deleted as soon as the picture is in memory. Deleting it then, not when
// the picture is hidden, means that a window closed while the picture is shown (which
// ends the program at once) leaves no file behind either. Returns an empty text, or why
// there is no picture.
std::string loadPageAsPicture(const Page& page) {
  const std::string path = makeTempFileName("BMP");
  if (path.empty()) return fileFailureReason(errno);
  const int error = savePageImage(page, path, ImageFormat::Bmp);
  const bool loaded = error == 0 && conLoadPicture(path);
  std::remove(path.c_str());
  if (error != 0) return fileFailureReason(error);
  return loaded ? std::string() : messageText("PXIMGCARR");
}

std::string drawPicture(bool testDrawing) {
  const std::optional<Page> page = drawOnScreenPage(testDrawing);
  return page ? loadPageAsPicture(*page) : noSurfaceReason();
}

// The embosser page, with the line errors reported unless the picture's run has done so.
std::string drawPage(const EmbosserSheet& sheet, bool testDrawing, bool quietly, EmbosserPage& page) {
  const std::optional<Page> drawn = drawOnPage(embosserPageSpec(sheet), testDrawing, !quietly);
  if (!drawn) return noSurfaceReason();
  page = embosserPage(pagePixels(*drawn));
  return {};
}

// The page under the user's fingers, ears and eyes: a cursor on its dots that sounds
// at every move, the braille display showing the window around it, the terminal
// scrolling as little as keeps that window in sight (all of it when no display is held,
// the terminal's rows being the window then).
class PageView {
 public:
  PageView(const EmbosserPage& page, const PageCheck& check, std::unique_ptr<BrailleDisplay> display, int terminalRows)
      : page_(page), check_(check), display_(std::move(display)), terminalRows_(terminalRows) {
    if (display_) {
      window_.width = display_->width();
      window_.height = display_->rows();
    } else {
      window_.width = page_.cellsPerLine;
      window_.height = std::max(terminalRows_, 1);
    }
    if (terminalRows_ > 0) conShowBraillePage(page_.cells, page_.lines, page_.cellsPerLine);
  }
  ~PageView() {
    if (terminalRows_ > 0) conHideBraillePage();
  }

  // Reads keys and explores until a key that is not an exploring key. `introduce` says
  // first how to explore and what the page holds.
  void browse(bool introduce) {
    if (introduce) {
      sayMessage("PXVEXPL", 0);
      if (check_.ran) spkSay(check_.summary);
    }
    show(display_ != nullptr);
    for (;;) {
      int extended = 0;
      const int typed = readWholeKey(extended);
      // A new key silences what is still being said, so that the move's sound comes at
      // once and positions do not pile up behind each other.
      spkStop();
      if (typed == ' ') {
        describeDot();
      } else if (typed == 'T' || typed == 't') {
        traceFigure();
      } else {
        if (typed != 0 || extended == 0) return;
        const PageMove move = moveDotCursor(cursor_, extended, page_, window_.width);
        if (move == PageMove::NotAMove) return;
        if (move == PageMove::AtTheEdge) {
          spkBeep();
          continue;
        }
        show(movesByCells(extended));
        sound();
      }
    }
  }

 private:
  static constexpr int kToneMs = 60, kSweepToneMs = 25;
  static constexpr size_t kSweepDots = 240;

  // The window follows the cursor's cell: down or up a line at a time, across a window's
  // width at a time.
  void followCursor() {
    const int line = cursor_.y / 3, column = cursor_.x / 2;
    if (line < window_.line) window_.line = line;
    if (line >= window_.line + window_.height) window_.line = line - window_.height + 1;
    window_.column = column / window_.width * window_.width;
  }

  // Shows the window; says the cursor's cell when asked.
  void show(bool sayPosition) {
    followCursor();
    if (display_ && !display_->write(pageWindowCells(window_, page_))) display_.reset();
    if (terminalRows_ > 0) {
      if (window_.line < top_) top_ = window_.line;
      if (window_.line + window_.height > top_ + terminalRows_) top_ = window_.line + window_.height - terminalRows_;
      conMoveInBraillePage(top_, cursor_.y / 3, cursor_.x / 2);
    }
    if (sayPosition) spkSay(pageWindowPosition(PageWindow{1, 1, cursor_.y / 3, cursor_.x / 2}, page_));
  }

  void sound() {
    if (pageDot(page_, cursor_.x, cursor_.y)) spkTone(dotPitch(cursor_.y, page_), kToneMs);
    else spkClick();
  }

  // Space: where the cursor is in the user's coordinates, and the line that made the dot.
  void describeDot() {
    std::string text;
    if (check_.ran && check_.scaleX != 0 && check_.scaleY != 0)
      text = userCoordinatesText((cursor_.x - check_.offsetX) / check_.scaleX, (cursor_.y - check_.offsetY) / check_.scaleY) + ". ";
    const int line = lineOfDot(cursor_);
    if (!pageDot(page_, cursor_.x, cursor_.y)) text += messageText("PXVVAZIO");
    else if (line >= 0) text += withValues(messageText("PXDOTLIN"), {std::to_string(line), lineInWords(line)});
    else text += messageText("PXVPONTO");
    spkSay(text);
  }

  // What the line draws, in the words an SVG gives it ("gráfico de y = sen(x)"), or
  // the line as written when it has none. All lines are described at the first Space,
  // since a point may stand for one given on a line before.
  const std::string& lineInWords(int line) {
    const std::vector<std::string>& lines = commandLines();
    if (descriptions_.size() != lines.size()) descriptions_ = describeCommandLines(lines);
    const std::string& words = descriptions_[static_cast<size_t>(line)];
    return words.empty() ? lines[static_cast<size_t>(line)] : words;
  }

  // The command line that inked the dot last, or -1 (off the page, or no check).
  int lineOfDot(DotCursor dot) const {
    if (dot.x < 0 || dot.y < 0 || dot.x >= check_.width || dot.y >= check_.height) return -1;
    return check_.dotLines[static_cast<size_t>(dot.y) * check_.width + dot.x];
  }

  // T: the dots of the figure under the cursor, heard left to right: those its command
  // line made, where the check knows them (an axis the curve touches is not swept with
  // it), else all the dots joined to it; off a dot, that there is none.
  void traceFigure() {
    const int line = lineOfDot(cursor_);
    const DotFilter sameLine = [this, line](DotCursor dot) { return lineOfDot(dot) == line; };
    const std::vector<DotCursor> figure = figureSweep(page_, cursor_, kSweepDots, line >= 0 ? sameLine : DotFilter{});
    if (figure.empty()) {
      spkSay(messageText("PXVVAZIO"));
      return;
    }
    for (const DotCursor& dot : figure) spkTone(dotPitch(dot.y, page_), kSweepToneMs);
  }

  const EmbosserPage& page_;
  const PageCheck& check_;
  std::unique_ptr<BrailleDisplay> display_;
  int terminalRows_;
  PageWindow window_;
  DotCursor cursor_;
  int top_ = 0;
  std::vector<std::string> descriptions_;  // lineInWords's, made at the first Space
};

}  // namespace

void viewDrawing(bool testDrawing) {
  conClear();
  // A line error of the script is written on the last row, clear of the picture's top.
  conGoto(1, kConRows);
  std::unique_ptr<BrailleDisplay> display = conTakeBrailleDisplay();
  const int terminalRows = conBraillePageRows();
  const bool picture = terminalRows == 0;
  std::string failure = picture ? drawPicture(testDrawing) : std::string();
  const EmbosserSheet sheet = configuredEmbosserSheet();
  EmbosserPage page;
  if (failure.empty()) failure = drawPage(sheet, testDrawing, picture, page);
  // Where each dot comes from, for Space; the test drawing has no lines.
  const PageCheck check = testDrawing || !failure.empty() ? PageCheck{} : checkPage(commandLines(), sheet);
  if (!failure.empty()) {
    display.reset();
    conHidePicture();
    spkWriteLine(withValues(messageText("PXNAOMOST"), {failure}));
    readWholeKey();
  } else {
    if (picture) conShowPicture(0, 0);
    PageView(page, check, std::move(display), terminalRows).browse(picture);
  }
  conHidePicture();
  returnToCleanConsole();
}
