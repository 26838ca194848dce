// Options V and Ctrl+V: the drawing as the console's picture until a key is pressed.
#include <cerrno>
#include <cstdio>
#include <string>

#include "console/console.h"
#include "console/text/file_write.h"
#include "console/speech.h"
#include "console/text/text_file.h"
#include "render/image_surface.h"
#include "render/surface.h"
#include "render/viewing/screen_drawing.h"
#include "render/viewing/viewing.h"

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

}  // namespace

void viewDrawing(bool testDrawing) {
  conClear();
  // A line error of the script is written on the last row, clear of the picture's top.
  conGoto(1, kConRows);
  std::string failure = kNoSurfaceReason;
  if (drawOnScreenSurface(testDrawing)) {
    failure = loadSurfaceAsPicture();
    freeSurface();
  }
  if (failure.empty()) {
    conShowPicture(0, 0);
  } else {
    spkWriteLine("O desenho n\xe3o p\xf4" "de ser mostrado: " + failure + ".");
  }
  readWholeKey();
  conHidePicture();
  returnToCleanConsole();
}
