#include "interactive/builder_steps.h"

#include "platform/console.h"
#include "platform/speech.h"
#include "messages/messages.h"
#include "project/project.h"

void announceForm(std::string_view titleKey) {
  clearScreenFrom(kFormTitleRow);
  conSetBackColour(kBuilderBlue);
  sayMessage(titleKey, 2);
  conSetBackColour(kBuilderBlack);
  spkSay(messageText("PX_FORM"));
}

bool appendCommandLine(const std::string& line) {
  if (trimBlanks(line.size() > 2 ? std::string_view(line).substr(2) : std::string_view()).empty()) {
    sayMessage("PXINVAL", 1);
    return false;
  }
  commandLines().push_back(line);
  spkWriteLine(withValues(messageText("PXACRESCS"), {line}));
  return true;
}

std::string trimBlanks(std::string_view text) {
  const auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  size_t begin = 0, end = text.size();
  while (begin < end && isBlank(text[begin])) ++begin;
  while (end > begin && isBlank(text[end - 1])) --end;
  return std::string(text.substr(begin, end - begin));
}
