#pragma once
// The console window on a desktop (SDL2 over X11 or Wayland).
#include <memory>
#include <string>

#include "platform/frontend.h"

// True when a real display answers. SDL's offscreen, dummy and framebuffer drivers do
// not count: on a text console the terminal frontend serves the user.
// Whether the environment names a display (DISPLAY or WAYLAND_DISPLAY); on Windows the
// desktop is always there.
bool displayAnnounced();
bool windowDisplayReachable();

// Opens the console window, reading the VIDEO and BRAILLE settings. Null, with the
// reason in `error`, when no display can be opened.
std::unique_ptr<Frontend> makeWindowFrontend(std::string& error);
