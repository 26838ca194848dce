#pragma once
// The interface when the command line names none.
#include <optional>

#include "platform/config/options.h"

// The window when a display really answers, else the terminal when standard input and
// output are terminals; empty when neither is there.
std::optional<UiChoice> defaultUi();
