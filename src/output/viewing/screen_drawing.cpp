#include "output/viewing/screen_drawing.h"

#include "platform/console.h"
#include "platform/keys.h"
#include "language/interpreter.h"
#include "messages/messages.h"
#include "project/project.h"
#include "render/surface.h"

const char* const kNoSurfaceReason = "falta mem\xf3ria para o desenho";

bool drawOnSurface(OutputMode mode, bool testDrawing, bool reportErrors) {
  outputMode = mode;
  if (!prepareSurface()) return false;
  if (reportErrors || testDrawing) {
    drawProjectOrTestDrawing(testDrawing);
  } else {
    // The data files' own messages were heard with the first drawing too.
    ScriptReports quiet;
    quiet.lineError = [](int, const std::string&) {};
    quiet.figureFault = [](int, const std::string&, std::string_view) {};
    quiet.notice = [](std::string_view) {};
    quiet.dataMessage = [](const std::string&) {};
    runScript(commandLines(), quiet);
  }
  return true;
}

bool drawOnScreenSurface(bool testDrawing) { return drawOnSurface(OutputMode::Screen, testDrawing, true); }

int readWholeKey(int& extendedCode) {
  extendedCode = 0;
  const int first = conGetKey();
  if (first != 0) return first;
  const int second = conGetKey();
  // Shift, Ctrl+Shift or Alt with a movement key: a prefix, then the key's code.
  if (second >= key::kShiftPrefix && second <= key::kAltPrefix) {
    conGetKey();
  } else {
    extendedCode = second;
  }
  return 0;
}

int readWholeKey() {
  int extendedCode = 0;
  return readWholeKey(extendedCode);
}

void returnToCleanConsole() {
  conClear();
  setWindowTitle(projectFileName());
  conGoto(1, 3);
}
