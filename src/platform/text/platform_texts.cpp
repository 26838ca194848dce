#include "platform/text/platform_texts.h"

namespace {

PlatformWords gWords = nullptr;

}  // namespace

void setPlatformWords(PlatformWords words) { gWords = words; }

std::string platformSentence(PlatformSentence sentence, std::initializer_list<std::string_view> values) {
  if (gWords) return gWords(sentence, values);
  std::string text;
  for (const std::string_view value : values) (text += text.empty() ? "" : " ") += value;
  return text;
}
