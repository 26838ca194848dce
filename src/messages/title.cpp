// The window title: the program's name and the project file.
#include <string>

#include "messages/messages.h"
#include "platform/text/utf8.h"

namespace {
constexpr std::string_view kTitlePrefix = "Pontelix ";
constexpr std::string_view kElision = "...";

// A C0 or C1 control character. A terminal sets its title with an escape sequence that
// such a character would end, and would run what follows it.
bool isControl(char32_t c) { return c < 32 || (c >= 127 && c < 0xA0); }

}  // namespace

std::string windowTitleFor(std::string_view rawName) {
  std::string name;
  for (size_t i = 0, length = 1; i < rawName.size(); i += length) {
    const char32_t c = characterAt(rawName, i, length);
    appendUtf8(name, isControl(c) ? U' ' : c);
  }
  std::string title(kTitlePrefix);
  const size_t room = kMaxWindowTitle - kTitlePrefix.size();
  if (name.size() <= room) return title.append(name);
  // A long path loses its beginning: the file name at its end is what the user needs.
  // The cut falls on a character's first byte.
  size_t from = name.size() - (room - kElision.size());
  while (from < name.size() && isContinuationByte(name[from])) ++from;
  return title.append(kElision).append(name.substr(from));
}
