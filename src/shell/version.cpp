#include "shell/version.h"

#include "messages/messages.h"

std::string versionText() { return withValues(messageText("PXVERSAO"), {kPontelixVersion}); }
