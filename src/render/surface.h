#pragma once
// The output mode and the one drawing surface of the program.
//
// Every output renders the whole drawing afresh: set outputMode, prepareSurface, then
// either renderTestDrawing or the script run (which starts with resetDrawing), use the
// surface, freeSurface. Only one surface exists at a time.
#include <cstdint>

#include "render/canvas.h"

// The device the next rendering is for; the figures read it for their sizes.
enum class OutputMode : uint8_t { Embosser = 0, InkPrinter = 1, Screen = 2 };
extern OutputMode outputMode;

// How the embosser prints: "gráfico", dots on a uniform grid bracketed by the
// embosser's graphics codes; "texto", ordinary Braille cells (BRF), where a label must
// fall on whole cells to be read.
enum class BrailleMode : uint8_t { Graphic = 0, Text = 1 };

// The embosser sheet: one pixel per Braille dot position, 2 pixels a cell across and
// 3 down, so the surface is 2 x cells wide and 3 x lines high. The default is the
// 66 x 44 graphics page.
struct EmbosserSheet {
  int32_t cells = 66;
  int32_t lines = 44;
  BrailleMode mode = BrailleMode::Graphic;
  bool operator==(const EmbosserSheet&) const = default;
};
// Set before the embosser surface is prepared; the figures, the labels and the stream
// read it from here.
void setEmbosserSheet(const EmbosserSheet& sheet);
const EmbosserSheet& embosserSheet();

// The ink page is square; its side is set by ink printing (in printer pixels) or by
// the batch renderer before the surface is prepared.
void setInkPageSide(int32_t side);
int32_t inkPageWidth();
int32_t inkPageHeight();

// The screen surface is the console window's client area less the bottom 42 pixel
// rows, at least kMinScreenSide on each side. setScreenSurfaceSize fixes the surface
// size itself instead (the batch renderer, which has no window); 0 x 0 returns to the
// client area.
constexpr int32_t kScreenRowsKept = 42;
constexpr int32_t kMinScreenSide = 132;
void setScreenSurfaceSize(int32_t width, int32_t height);
// The width and height prepareSurface gives the Screen surface now.
void screenSurfaceSize(int32_t& width, int32_t& height);

// Font cell height in pixels by mode (12, 16 and 24 points at 96 pixels per inch).
int32_t fontCellHeightFor(OutputMode mode);

// A check of the page draws on a canvas with a margin of `inset` pixels around the page
// on every side, so that what the page would clip is still seen: the drawing maps onto
// the page inside, surfaceWidth and surfaceHeight give the page's size, and the canvas
// is 2 x inset larger. 0, the default, for every real output.
void setSurfaceInset(int32_t inset);
int32_t surfaceInset();

// Creates the white surface for outputMode (replacing any earlier one) with the font,
// a hollow white brush and a black 1-pixel solid pen, and measures charHeight. False,
// with no surface, when the size is impossible (not positive or beyond
// Canvas::kMaxSide) or the memory cannot be had.
bool prepareSurface();
void freeSurface();
// The surface, or null when none exists.
Canvas* drawingSurface();
// The page's size (the canvas's, less the inset's margins); 0 when none exists.
int32_t surfaceWidth();
int32_t surfaceHeight();
