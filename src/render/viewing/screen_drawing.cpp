#include "render/viewing/screen_drawing.h"

#include "console/console.h"
#include "console/keys.h"
#include "language/interpreter.h"
#include "render/surface.h"
#include "messages/messages.h"
#include "shell/project/project.h"

const char* const kNoSurfaceReason = "falta mem\xf3ria para o desenho";

bool drawOnScreenSurface(bool testDrawing) {
  outputMode = OutputMode::Screen;
  if (!prepareSurface()) return false;
  drawProjectOrTestDrawing(testDrawing);
  return true;
}

int readWholeKey() {
  const int first = conGetKey();
  if (first != 0) return first;
  const int second = conGetKey();
  // Shift, Ctrl+Shift or Alt with a movement key: a prefix, then the key's code.
  if (second >= key::kShiftPrefix && second <= key::kAltPrefix) conGetKey();
  return 0;
}

void returnToCleanConsole() {
  conClear();
  setWindowTitle(projectFileName());
  conGoto(1, 3);
}
