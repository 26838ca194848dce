#include "options/printing/print_check.h"

#include <cctype>

#include "platform/console.h"
#include "platform/keys.h"
#include "platform/speech.h"
#include "messages/messages.h"
#include "options/checking/page_review.h"
#include "widgets/forms/askkey.h"
#include "project/project.h"

bool acceptPrintingDespiteFindings(bool testDrawing, const EmbosserSheet& sheet) {
  if (testDrawing) return true;
  const PageCheck check = checkPage(commandLines(), sheet);
  if (!check.ran || check.findings.empty()) return true;
  conWriteLine();
  // The first finding is heard at once: a line error is the one most worth knowing.
  spkWriteLine(findingCountText(check));
  spkWriteLine(check.findings.front());
  for (;;) {
    sayMessage("PXIMPERR", 0);
    const KeyPair pressed = conGetKeyPair();
    conWriteLine();
    if (pressed == KeyPair{0, key::kF9}) {
      // Esc leaves the list without a word: "Cancelado" there would sound as if the
      // printing were given up, while the question is asked again.
      sayFindings(check, false);
      continue;
    }
    const int answer = std::toupper(pressed.first);
    if (isYesKey(answer)) return true;
    if (isNoKey(answer) || answer == key::kEsc) break;
    sayMessage("PXCHKF9", 1);
  }
  sayMessage("PXCANC", 2);
  return false;
}
