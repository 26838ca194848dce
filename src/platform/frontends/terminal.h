#pragma once
// The console in a terminal (ncurses): any terminal emulator or the Linux text console,
// where braille-display users read it through their screen reader.
#include <memory>
#include <string>

#include "platform/frontend.h"

// The Screen drawing surface of a terminal session: the nominal client area of
// 1040 x 700 pixels less 42 rows.
constexpr PixelSize kTerminalClientArea{1040, 658};

// Takes over the terminal on standard input and output. Null, with the reason in
// `error`, when they are not a usable terminal.
std::unique_ptr<Frontend> makeTerminalFrontend(std::string& error);
// False where the system has no terminal interface (Windows: no_terminal_windows.cpp).
// A constant, so that the batch program, which says so in its help, links none of it.
#ifdef _WIN32
inline constexpr bool kTerminalFrontendAvailable = false;
#else
inline constexpr bool kTerminalFrontendAvailable = true;
#endif
