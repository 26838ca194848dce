// The window title: the program's name and the project file.
#include <string>

#include "messages/messages.h"

namespace {
constexpr std::string_view kTitlePrefix = "Pontelix ";
constexpr std::string_view kElision = "...";

// A control character, or a Windows-1252 code that no character has (it stands for the
// C1 control of that number). A terminal sets its title with an escape sequence that
// such a character would end, and would run what follows it.
bool isControl(unsigned char c) {
  return c < 32 || c == 127 || c == 0x81 || c == 0x8d || c == 0x8f || c == 0x90 || c == 0x9d;
}

}  // namespace

std::string windowTitleFor(std::string_view rawName) {
  std::string name(rawName);
  for (char& c : name) {
    if (isControl(static_cast<unsigned char>(c))) c = ' ';
  }
  std::string title(kTitlePrefix);
  const size_t room = kMaxWindowTitle - kTitlePrefix.size();
  if (name.size() <= room) return title.append(name);
  // A long path loses its beginning: the file name at its end is what the user needs.
  const size_t keep = room - kElision.size();
  return title.append(kElision).append(name.substr(name.size() - keep));
}
