#include "options/printing/ink_option.h"

#include "language/interpreter.h"
#include "messages/messages.h"
#include "options/printing/device_chooser.h"
#include "options/printing/print_check.h"
#include "output/embosser/embosser_pages.h"
#include "output/ink/ink_print.h"
#include "output/printing/configured_printer.h"
#include "output/tactile/tactile_settings.h"
#include "platform/console.h"
#include "platform/keys.h"
#include "platform/speech.h"
#include "platform/text/text.h"
#include "widgets/forms/askkey.h"

namespace {

std::string pageSizeText(const PrintableDots& area) {
  return std::to_string(area.width) + " x " + std::to_string(area.height);
}

// "Papel comum ou papel microcapsulado?": C or M, Enter for what Tramel.ini sets; false
// after Esc, which is said.
bool askInkPaper(InkPaper& paper) {
  sayMessage("PXINKPERG", 0);
  const int answer = askKey("CM");
  conWriteLine();
  if (answer == key::kEsc) {
    sayMessage("PXCANC", 2);
    return false;
  }
  const bool swell = answer == 'M' || (answer != 'C' && swellPaperByDefault());
  paper = swell ? InkPaper::Swell : InkPaper::Plain;
  sayMessage(swell ? "PXINKMICRO" : "PXINKCOMUM", 1);
  return true;
}

}  // namespace

void printDrawing(bool testDrawing) {
  sayMessage("PXSTINTA", 1);
  const std::string device = chooseDevice(false, configuredPrinter(OutputMode::InkPrinter));
  if (device.empty()) return;
  if (!acceptPrintingDespiteFindings(testDrawing, configuredEmbosserSheet())) return;
  conWriteLine();
  sayMessage("PXPDEITA", 0);
  const int answer = askKey(yesNoLetters());
  conWriteLine();
  if (answer == key::kEsc) {  // Esc never spends paper
    sayMessage("PXCANC", 2);
    return;
  }
  const bool landscape = isYesKey(answer);
  InkPaper paper = InkPaper::Plain;
  if (!askInkPaper(paper)) return;
  sayMessage("PXIMPREM", 0);
  spkWriteLine(device);
  InkPage page;
  const Outcome found = findInkPage(device, landscape, page);
  sayOutcome(found);
  if (!found.ok) return;
  const PrintableDots area = printableDots(page);
  sayMessage("PXTAMPAP", 0);
  spkWriteLine(pageSizeText(area));
  const Outcome printed = printInkPage(device, page, paper, configuredTactileLine(),
                                       [testDrawing](Page& drawn) { drawProjectOrTestDrawing(drawn, testDrawing); });
  sayOutcome(printed);
  if (printed.ok) sayMessage("PXINKENV", 1);
}
