#include "platform/frontends/default_ui.h"

#include <unistd.h>

#include "platform/frontends/window.h"

std::optional<UiChoice> defaultUi() {
  if (windowDisplayReachable()) return UiChoice::Window;
  if (isatty(STDIN_FILENO) && isatty(STDOUT_FILENO)) return UiChoice::Terminal;
  return std::nullopt;
}
