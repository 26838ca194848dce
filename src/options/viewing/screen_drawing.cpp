#include "options/viewing/screen_drawing.h"

#include "platform/console.h"
#include "platform/keys.h"
#include "language/interpreter.h"
#include "messages/messages.h"
#include "output/device/device_page.h"
#include "project/project.h"
#include "render/page.h"

std::string noSurfaceReason() { return messageText("PXMEMDES"); }

std::optional<Page> drawOnPage(const PageSpec& spec, bool testDrawing, bool reportErrors) {
  std::optional<Page> page = preparePage(spec);
  if (!page) return std::nullopt;
  if (reportErrors || testDrawing) {
    drawProjectOrTestDrawing(*page, testDrawing);
  } else {
    // The data files' own messages were heard with the first drawing too.
    ScriptReports quiet;
    quiet.lineError = [](int, const std::string&, std::string_view) {};
    quiet.figureFault = [](int, const std::string&, std::string_view) {};
    quiet.dataMessage = [](const std::string&) {};
    runScript(*page, commandLines(), quiet);
  }
  return page;
}

std::optional<Page> drawOnScreenPage(bool testDrawing) { return drawOnPage(screenPageSpec(), testDrawing, true); }

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
