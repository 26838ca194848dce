#include "options/checking/page_review.h"

#include "platform/console.h"
#include "platform/keys.h"
#include "platform/speech.h"
#include "messages/messages.h"
#include "output/embosser/embosser_pages.h"
#include "project/project.h"

void sayFindings(const PageCheck& check, bool sayWhenStopped) {
  for (const std::string& finding : check.findings) {
    spkWriteLine(finding);
    if (conGetKeyPair().first == key::kEsc) {
      if (sayWhenStopped) sayMessage("PXCANC", 1);
      return;
    }
  }
}

std::string findingCountText(const PageCheck& check) {
  const size_t count = check.findings.size();
  return withValues(messageText(count == 1 ? "PXCHKAV1S" : "PXCHKAVNS"), {std::to_string(count)});
}

void reviewDrawing() {
  sayMessage("PXCHKINI", 1);
  const PageCheck check = checkPage(commandLines(), configuredEmbosserSheet());
  if (!check.ran) {
    sayMessage("PXERRDSP", 2);
    return;
  }
  if (check.findings.empty()) {
    sayMessage("PXCHKOK", 1);
  } else {
    spkWriteLine(findingCountText(check) + " " + messageText("PXCHKNAV"));
    sayFindings(check, true);
  }
  spkWriteLine(check.summary);
  conWriteLine();
}
