#pragma once
// Paints the console into a 32-bit pixel buffer: the grid in runs of cells with the
// palette's colours, then the picture overlay at its pixel position, then the caret.
// Platform-free; the window copies the buffer to the screen.
#include <cstdint>

#include "platform/frontends/window_font.h"

struct PixelBuffer {
  std::uint32_t* pixels = nullptr;  // 0x00RRGGBB
  int width = 0;
  int height = 0;
  int pitch = 0;  // pixels from one row to the next
};

// `caret`: a key is awaited and the window has the focus; the caret (one cell wide,
// 2 pixels high, on the baseline of the cursor's cell) is then drawn inverted.
void paintConsole(const PixelBuffer& out, WindowFont& font, bool caret);
