#pragma once
// The output mode and the one drawing surface of the program.
//
// Every output renders the whole drawing afresh: set outputMode, prepareSurface, then
// either renderTestDrawing or the script run (which starts with resetDrawing), use the
// surface, freeSurface. Only one surface exists at a time.
#include <cstdint>

#include "render/canvas.h"
#include "render/pixel_canvas.h"
#include "render/vector_canvas.h"

// The device the next rendering is for; the figures read it for their sizes. Tactile is
// the drawing at the paper's real size as paths, for swell paper and SVG.
enum class OutputMode : uint8_t { Embosser = 0, InkPrinter = 1, Screen = 2, Tactile = 3 };
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

// The ink and tactile pages are square; their side is set by printing or by the batch
// renderer before the surface is prepared: printer pixels for ink, tenths of a
// millimetre (the vector canvas's units) for tactile.
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

// Font cell height in pixels by mode (12, 16 and 24 points at 96 pixels per inch); 10 mm
// on the tactile page, a letter of about 24 points.
int32_t fontCellHeightFor(OutputMode mode);

// The width of a tactile line of level 1, in tenths of a millimetre (5 to 20, 10 unless
// set); each level above adds half of it.
constexpr int32_t kMinTactileLine = 5, kMaxTactileLine = 20, kDefaultTactileLine = 10;
void setTactileLineWidth(int32_t tenthsOfMm);
int32_t tactileLineWidth();
// The pen width of a level (1 to 5) on the current output: 3 x level - 2 pixels, or the
// tactile line width and half of it for every level above the first.
int32_t penWidthFor(int32_t level);

// A check of the page draws on a canvas with a margin of `inset` pixels around the page
// on every side, so that what the page would clip is still seen: the drawing maps onto
// the page inside, surfaceWidth and surfaceHeight give the page's size, and the canvas
// is 2 x inset larger. 0, the default, for every real output.
void setSurfaceInset(int32_t inset);
int32_t surfaceInset();

// Creates the white surface for outputMode (replacing any earlier one) with the font,
// a hollow white brush and a black solid pen of level 1, and measures charHeight: a
// pixel canvas, or a vector canvas for Tactile. False,
// with no surface, when the size is impossible (not positive or beyond
// Canvas::kMaxSide) or the memory cannot be had.
bool prepareSurface();
void freeSurface();
// The surface, or null when none exists.
Canvas* drawingSurface();
// The surface's pixels, or null when none exists or it is a canvas of paths.
PixelCanvas* pixelSurface();
// The surface's paths, or null when none exists or it is a canvas of pixels.
VectorCanvas* vectorSurface();
// The page's size (the canvas's, less the inset's margins); 0 when none exists.
int32_t surfaceWidth();
int32_t surfaceHeight();
