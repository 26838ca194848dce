#include "output/printing/print_check.h"

#include "console/console.h"
#include "console/forms/askkey.h"
#include "console/speech.h"
#include "language/interpreter.h"
#include "messages/messages.h"
#include "project/project.h"

bool acceptPrintingDespiteErrors(bool testDrawing) {
  if (testDrawing) return true;
  const int line = firstLineError(commandLines());
  if (line < 0) return true;
  conWriteLine();
  sayMessage("PX_ERRL", 0);
  spkWriteNumber(line);
  conWriteLine();
  sayMessage("PXIMPERR", 0);
  const bool yes = askKey("SN") == 'S';
  conWriteLine();
  if (!yes) sayMessage("PXCANC", 2);
  return yes;
}
