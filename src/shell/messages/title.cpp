// The window title: the program's name and the project file.
#include <string>

#include "shell/messages/messages.h"

namespace {
constexpr std::string_view kTitlePrefix = "Pontelix ";
constexpr std::string_view kElision = "...";
}  // namespace

std::string windowTitleFor(std::string_view name) {
  std::string title(kTitlePrefix);
  const size_t room = kMaxWindowTitle - kTitlePrefix.size();
  if (name.size() <= room) return title.append(name);
  // A long path loses its beginning: the file name at its end is what the user needs.
  const size_t keep = room - kElision.size();
  return title.append(kElision).append(name.substr(name.size() - keep));
}
