#pragma once
// What the figures draw on: a surface of width() x height() units with a pen, a brush and
// a text font, and the few primitives every figure is built from. Two canvases stand
// behind it: the pixel canvas (pixel_canvas.h), an image that the screen, the embosser,
// the ink printer and the image files read, and the vector canvas (vector_canvas.h), the
// same figures kept as paths at the paper's real size for swell paper and SVG.
//
// Coordinates are units ((0, 0) at the top-left, rows growing downwards): pixels on the
// pixel canvas, tenths of a millimetre on the vector canvas. They are 64-bit so that a
// figure far outside the surface is clipped, never wrapped.
#include <cstdint>
#include <span>
#include <string_view>

#include "render/clip.h"

class PixelCanvas;

// Colours are 0xRRGGBB.
constexpr uint32_t rgb(unsigned r, unsigned g, unsigned b) { return (r << 16) | (g << 8) | b; }
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kBlack = 0x000000;

// On the pixel canvas dotted and dashed show on 1-pixel pens only, wider pens drawing
// solid with round ends and joins; the vector canvas draws the pattern at every width.
enum class PenStyle : uint8_t { Solid, Dotted, Dashed };

struct Pen {
  int width = 1;
  PenStyle style = PenStyle::Solid;
  uint32_t colour = kBlack;
};

// Hatched brushes paint their lines only; the gaps between them keep what was there.
enum class BrushStyle : uint8_t { Hollow, Solid, HatchCross, HatchForwardDiagonal };

struct Brush {
  BrushStyle style = BrushStyle::Hollow;
  uint32_t colour = kWhite;
};

struct PixelPoint {
  int64_t x = 0;
  int64_t y = 0;
  bool operator==(const PixelPoint&) const = default;
};

class Canvas {
 public:
  // Surfaces larger than this on a side are refused (memory and the library's limits).
  static constexpr int kMaxSide = 16384;

  virtual ~Canvas() = default;
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  int width() const { return width_; }
  int height() const { return height_; }

  const Pen& pen() const { return pen_; }
  // A pen is at least one unit wide.
  void setPen(const Pen& pen) {
    pen_ = pen;
    if (pen_.width < 1) pen_.width = 1;
  }
  const Brush& brush() const { return brush_; }
  void setBrush(const Brush& brush) { brush_ = brush; }
  void setTextColour(uint32_t colour) { textColour_ = colour; }

  // One pixel of the colour; on the vector canvas a disc as wide as the pen.
  virtual void setPixel(int64_t x, int64_t y, uint32_t colour) = 0;
  // A disc of the pen's colour centred on (x, y).
  virtual void disc(int64_t x, int64_t y, int64_t diameter) = 0;
  // A point's disc, as disc, inside a ring of paper `ring` units wide: a line under the
  // point stops short of it, so that a finger tells the point from the line. Painted
  // over what is there; the vector canvas paints it over every other mark of the page,
  // those drawn later too.
  virtual void ringedDisc(int64_t x, int64_t y, int64_t diameter, int64_t ring);

  // The current position; line to draws from it with the pen, end pixel excluded. A
  // dotted or dashed pattern runs on along consecutive lines and restarts at move to
  // (on the vector canvas, at a move to anywhere but the current position).
  virtual void moveTo(int64_t x, int64_t y) = 0;
  virtual void lineTo(int64_t x, int64_t y) = 0;
  // Outline with the pen, interior with the brush; the right column and bottom row are
  // excluded. The corners may come in any order.
  virtual void rectangle(int64_t x1, int64_t y1, int64_t x2, int64_t y2) = 0;
  // The ellipse inscribed in the rectangle, same conventions as rectangle.
  virtual void ellipse(int64_t x1, int64_t y1, int64_t x2, int64_t y2) = 0;
  // Closed polygon: outline with the pen, interior with the brush.
  virtual void polygon(std::span<const PixelPoint> points) = 0;

  // The text font, sized so that its character cell (internal leading included) is
  // cellHeight units high: the pixel canvas's "Courier New", the vector canvas's sans
  // serif.
  virtual void setFont(int cellHeight) = 0;
  int fontCellHeight() const { return cellHeight_; }
  // Text with the top-left corner of its cell at (x, y); the background is
  // left as it is.
  virtual void textOut(int64_t x, int64_t y, std::string_view text) = 0;
  virtual int textWidth(std::string_view text) = 0;

  // The image behind the canvas, or null for a canvas of paths.
  virtual PixelCanvas* raster() { return nullptr; }

 protected:
  Canvas(int width, int height) : width_(width), height_(height) {}
  // Text with its cell's corner at (x, y) wholly above, below or right of the surface
  // cannot show; far to the left it would need to be longer than any line the program
  // makes.
  bool textCannotShow(int64_t x, int64_t y) const {
    return y + cellHeight_ < 0 || y > height_ || x > width_ || x < -(int64_t{1} << 20);
  }

  int width_;
  int height_;
  Pen pen_;
  Brush brush_;
  int cellHeight_ = 16;
  uint32_t textColour_ = kBlack;
};

inline void Canvas::ringedDisc(int64_t x, int64_t y, int64_t diameter, int64_t ring) {
  if (ring > 0) {
    const uint32_t colour = pen_.colour;
    pen_.colour = kWhite;
    disc(x, y, diameter + 2 * ring);
    pen_.colour = colour;
  }
  disc(x, y, diameter);
}
