// Options V and Ctrl+V: the drawing as the console's picture, or as the embosser page in
// a terminal and on a braille display, until a key that is not a movement key is pressed.
#include <cerrno>
#include <cstdio>
#include <memory>
#include <string>

#include "console/braille_display/braille_display.h"
#include "console/braille_page.h"
#include "console/console.h"
#include "console/speech.h"
#include "console/text/file_write.h"
#include "console/text/text_file.h"
#include "output/embosser/embosser_page.h"
#include "output/viewing/page_window.h"
#include "output/viewing/screen_drawing.h"
#include "output/viewing/viewing.h"
#include "render/image_surface.h"
#include "render/surface.h"

namespace {

// The console loads its picture only from a BMP file: the surface goes to a new temporary
// one, which is deleted as soon as the picture is in memory. Deleting it then, not when
// the picture is hidden, means that a window closed while the picture is shown (which
// ends the program at once) leaves no file behind either. Returns an empty text, or why
// there is no picture (Windows-1252).
std::string loadSurfaceAsPicture() {
  const std::string path = makeTempFileName("BMP");
  if (path.empty()) return fileFailureReason(errno);
  const int error = saveSurfaceImage(path, ImageFormat::Bmp);
  const bool loaded = error == 0 && conLoadPicture(path);
  std::remove(path.c_str());
  if (error != 0) return fileFailureReason(error);
  return loaded ? std::string() : std::string("a imagem n\xe3o p\xf4" "de ser carregada");
}

std::string drawPicture(bool testDrawing) {
  if (!drawOnScreenSurface(testDrawing)) return kNoSurfaceReason;
  std::string failure = loadSurfaceAsPicture();
  freeSurface();
  return failure;
}

// The embosser page, with the line errors reported unless the picture's run has done so.
std::string drawPage(bool testDrawing, bool quietly, EmbosserPage& page) {
  if (!drawOnSurface(OutputMode::Embosser, testDrawing, !quietly)) return kNoSurfaceReason;
  page = embosserPage(surfacePixels());
  freeSurface();
  return {};
}

// The page under the user's fingers and eyes: the braille display shows the window, the
// terminal scrolls as little as keeps the window in sight (all of it when no display
// is held, the terminal's rows being the window then).
class PageView {
 public:
  PageView(const EmbosserPage& page, std::unique_ptr<BrailleDisplay> display, int terminalRows)
      : page_(page), display_(std::move(display)), terminalRows_(terminalRows) {
    if (display_) {
      window_.width = display_->width();
      window_.height = display_->rows();
    } else {
      window_.width = page_.cellsPerLine;
      window_.height = terminalRows_;
    }
    if (terminalRows_ > 0) conShowBraillePage(page_.cells, page_.lines, page_.cellsPerLine);
  }
  ~PageView() {
    if (terminalRows_ > 0) conHideBraillePage();
  }

  // Shows the window; with a display, also says where it stands.
  void show(bool sayPosition) {
    if (display_ && !display_->write(pageWindowCells(window_, page_))) display_.reset();
    if (terminalRows_ > 0) {
      if (window_.line < top_) top_ = window_.line;
      if (window_.line + window_.height > top_ + terminalRows_) top_ = window_.line + window_.height - terminalRows_;
      conMoveInBraillePage(top_, window_.line, window_.column);
    }
    if (sayPosition) spkSay(pageWindowPosition(window_, page_));
  }

  // Reads keys and moves the window until a key that is not a movement key.
  void browse() {
    const bool toDots = display_ != nullptr;
    show(toDots);
    for (;;) {
      int extended = 0;
      if (readWholeKey(extended) != 0 || extended == 0) return;
      const PageMove move = movePageWindow(window_, extended, page_, toDots);
      if (move == PageMove::NotAMove) return;
      if (move == PageMove::AtTheEdge) {
        spkClick();
      } else {
        show(true);
      }
    }
  }

 private:
  const EmbosserPage& page_;
  std::unique_ptr<BrailleDisplay> display_;
  int terminalRows_;
  PageWindow window_;
  int top_ = 0;
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
  EmbosserPage page;
  if (failure.empty() && (display || !picture)) failure = drawPage(testDrawing, picture, page);
  // Whichever was drawn last, the view is a screen's.
  outputMode = OutputMode::Screen;
  if (!failure.empty()) {
    display.reset();
    conHidePicture();
    spkWriteLine("O desenho n\xe3o p\xf4" "de ser mostrado: " + failure + ".");
    readWholeKey();
  } else if (display || !picture) {
    if (picture) conShowPicture(0, 0);
    PageView(page, std::move(display), terminalRows).browse();
  } else {
    conShowPicture(0, 0);
    readWholeKey();
  }
  conHidePicture();
  returnToCleanConsole();
}
