#pragma once
// The devices a drawing goes to, and the page each one draws on: its style as data (how
// it marks points, heads arrows, widens pens, sizes text and Braille) and its size. The
// one place where a device's look is written.
#include <cstdint>
#include <functional>

#include "render/page.h"

// Tactile is the drawing at the paper's real size as paths, for swell paper and SVG.
enum class OutputMode : uint8_t { Embosser = 0, InkPrinter = 1, Screen = 2, Tactile = 3 };

// What an output has drawn on the page it prepared: the script or the test drawing.
using PageDrawing = std::function<void(Page& page)>;

// The width of a tactile line of level 1, in tenths of a millimetre (5 to 20, 10 unless
// set); each level above adds half of it.
constexpr int32_t kMinTactileLine = 5, kMaxTactileLine = 20, kDefaultTactileLine = 10;

// The style of the device. The embosser's depends on its sheet's mode (on a sheet of
// mode texto each label cell is one of the page's cells); the tactile page's pens on the
// width of its lines.
DeviceStyle deviceStyle(OutputMode mode, BrailleMode sheetMode = BrailleMode::Graphic,
                        int32_t tactileLine = kDefaultTactileLine);

// The embosser page: one pixel per Braille dot position of the sheet, 2 x cells wide and
// 3 x lines high.
PageSpec embosserPageSpec(const EmbosserSheet& sheet);
// The square ink page of `side` printer pixels.
PageSpec inkPageSpec(int32_t side);
// The square tactile page of `side` tenths of a millimetre.
PageSpec tactilePageSpec(int32_t side, int32_t tactileLine);

// The screen page is the console window's client area less the bottom 42 pixel rows, at
// least kMinScreenSide on each side; or, given a width and a height (the batch renderer,
// which has no window), that size.
constexpr int32_t kScreenRowsKept = 42;
constexpr int32_t kMinScreenSide = 132;
PageSpec screenPageSpec(int32_t width = 0, int32_t height = 0);
