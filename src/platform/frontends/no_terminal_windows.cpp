// Windows has no terminal interface: its users read the window with their screen reader.
#include "platform/frontends/terminal.h"
#include "platform/text/platform_texts.h"

std::unique_ptr<Frontend> makeTerminalFrontend(std::string& error) {
  error = platformSentence(PlatformSentence::TerminalLinuxOnly, {});
  return nullptr;
}
