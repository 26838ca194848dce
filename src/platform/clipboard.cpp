// The clipboard as plain text; the frontend holds it as UTF-8.
#include "platform/console.h"
#include "platform/frontend.h"
#include "platform/text/text.h"

void conCopyToClipboard(std::string_view text) { conFrontend().setClipboard(cp1252ToUtf8(text)); }

std::string conPasteFromClipboard(size_t capacity) {
  if (capacity == 0) return {};
  const std::string utf8 = conFrontend().clipboard();
  std::string text = isValidUtf8(utf8) ? utf8ToCp1252(utf8) : utf8;
  if (text.size() > capacity - 1) text.resize(capacity - 1);
  return text;
}

void conShowMagnified(std::string_view, int) {}
