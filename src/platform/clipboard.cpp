// The clipboard as plain text; the frontend holds it as UTF-8.
#include "platform/console.h"
#include "platform/frontend.h"
#include "platform/text/text.h"
#include "platform/text/utf8.h"

void conCopyToClipboard(std::string_view text) { conFrontend().setClipboard(asUtf8(text)); }

std::string conPasteFromClipboard(size_t capacity) {
  if (capacity == 0) return {};
  std::string text = asUtf8(conFrontend().clipboard());
  if (text.size() > capacity - 1) {
    // The cut falls before a character, never inside one.
    size_t cut = capacity - 1;
    while (cut > 0 && isContinuationByte(text[cut])) --cut;
    text.resize(cut);
  }
  return text;
}

void conShowMagnified(std::string_view, int) {}
