#pragma once
#include <memory>

#include "platform/braille_display/braille_display.h"

// Connects to the BRLTTY daemon and takes its display; null when no daemon answers or it
// refuses. Destroying the display gives it back and closes the connection.
std::unique_ptr<BrailleDisplay> takeBrlapiDisplay();
