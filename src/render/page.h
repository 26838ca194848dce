#pragma once
// The page a rendering draws on, as one value: how the device draws (its style, as
// data), the embosser sheet, the margin of a checking canvas, the canvas itself, the
// drawing state and the first fault. output/ makes a page for each device; the
// interpreter and every figure take it as an argument, so nothing of a rendering lives
// outside its page and render/ needs to know no device.
#include <array>
#include <cstdint>
#include <memory>
#include <optional>

#include "render/canvas.h"
#include "render/drawing_state.h"
#include "render/pixel_canvas.h"
#include "render/vector_canvas.h"

// How a point is marked: one pixel of a colour that is not white whatever the pen, so
// that the embosser raises it; the pen's 3 x 3 outline around it; or a filled disc of
// DeviceStyle::pointSide units, as a fingertip finds it.
enum class PointMark : uint8_t { Dot, Outline, Disc };

// How the ink text of "TX" is drawn: in the 5 x 7 dot font, one pixel a dot or every dot
// a 2 x 2 block at a doubled pitch; or in the surface font, for a sighted reader.
enum class InkText : uint8_t { DotFont, DoubledDotFont, SurfaceFont };

// An arrow's head: length in units and half-angle in radians; a solid head is filled
// with the pen's colour instead of the brush.
struct ArrowHead {
  double length = 15;
  double halfAngle = 0.3490658503988659;
  bool solid = false;
};

// A Braille cell drawn as dots: the distance between neighbouring dots, each dot a
// square block of dotSide (a disc when round), and the advance from one cell to the next.
struct CellGeometry {
  int32_t pitch = 1;
  int32_t dotSide = 1;
  int32_t advance = 3;
  bool round = false;
};

// Everything a figure needs to know of the device, as data.
struct DeviceStyle {
  bool paths = false;  // a canvas of paths at the paper's real size, not of pixels
  PointMark pointMark = PointMark::Outline;
  int32_t pointSide = 0;  // a Disc's diameter; also the least distance between grid marks
  int32_t pointRing = 0;  // the width of the paper kept clear around a Disc
  ArrowHead arrowHead;
  std::array<int32_t, 5> penWidths = {1, 4, 7, 10, 13};  // by pen level 1 to 5
  int32_t fontCellHeight = 32;
  int32_t tickLength = 10;
  InkText inkText = InkText::DotFont;
  bool textAsBraille = false;  // "TX" draws Braille, as "TB" does
  CellGeometry braille;
  bool labelsOnWholeCells = false;  // each label cell is one of the page's Braille cells
};

// How the embosser prints: "gráfico", dots on a uniform grid bracketed by the
// embosser's graphics codes; "texto", ordinary Braille cells (BRF), where a label must
// fall on whole cells to be read.
enum class BrailleMode : uint8_t { Graphic = 0, Text = 1 };

// The embosser sheet: one pixel per Braille dot position, 2 pixels a cell across and
// 3 down, so the page is 2 x cells wide and 3 x lines high. The default is the 66 x 44
// graphics page.
struct EmbosserSheet {
  int32_t cells = 66;
  int32_t lines = 44;
  BrailleMode mode = BrailleMode::Graphic;
  bool operator==(const EmbosserSheet&) const = default;
};

// The pixels the cells of a Braille label took, its blank dot positions included, from
// the first cell to the last one that fell on the canvas (inclusive bounds); empty
// (right < left) when it drew no cell.
struct CellBox {
  int64_t left = 0, top = 0, right = -1, bottom = -1;
};

struct Page {
  DeviceStyle style;
  EmbosserSheet sheet;  // what an embosser page is cut into; read by its stream
  // A check of the page draws with a margin of `inset` units around the page on every
  // side, so that what the page would clip is still seen: the drawing maps onto the page
  // inside, width() and height() give the page's size, and the canvas is 2 x inset
  // larger. 0 for every real output.
  int32_t inset = 0;
  std::unique_ptr<Canvas> canvas;
  DrawingState state;
  RenderFault fault = RenderFault::None;  // the first since the run began
  CellBox lastLabel;                      // the cells of the last Braille label drawn
  char32_t lastLabelWithoutCell = 0;      // its first character that has no cell, or 0
  std::string lastLabelCode;              // its Braille code, when another than our own

  // The page's size (the canvas's less the inset's margins).
  int32_t width() const { return canvas->width() - 2 * inset; }
  int32_t height() const { return canvas->height() - 2 * inset; }
  // The canvas's pixels, or null for a canvas of paths; its paths, or null for pixels.
  PixelCanvas* pixels() const { return canvas->raster(); }
  VectorCanvas* paths() const;
};

// What a page is made of before it has a canvas.
struct PageSpec {
  DeviceStyle style;
  int32_t width = 0;  // the page's size in the canvas's units, the inset's margins not counted
  int32_t height = 0;
  int32_t inset = 0;
  EmbosserSheet sheet{};
};

// A white page with the font of the style, a hollow white brush, a black solid pen of
// level 1 and the default drawing state. Empty when the size is impossible (not
// positive, or with the margins beyond Canvas::kMaxSide) or the memory cannot be had.
std::optional<Page> preparePage(const PageSpec& spec);
