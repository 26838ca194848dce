#pragma once
// The pixel canvas: a 32-bit image (Cairo ARGB32, always opaque) behind the canvas's
// primitives.
//
// Every pixel the canvas writes is a pure colour: nothing is antialiased, so the
// embosser's rule "any non-white pixel is a dot" sees exactly what was drawn. Thin
// (1-pixel) lines, rectangle outlines and ellipse outlines use our own rasterizers
// (raster.h); wider pens, fills and text go through Cairo. The work done is bounded by
// the surface, not by the size of the figure.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "render/canvas.h"

typedef struct _cairo cairo_t;
typedef struct _cairo_surface cairo_surface_t;

// The pixels a drawing sets around its origin pixel, as runs along rows.
struct Footprint {
  struct Run {
    int dx = 0;  // first pixel of the run, from the origin
    int dy = 0;
    int length = 0;
    uint32_t colour = 0;
  };
  std::vector<Run> runs;
  // True when every run has the same colour (always so for a pen's drawing).
  bool oneColour() const;
};

class PixelCanvas final : public Canvas {
 public:
  // A white canvas, or null when the size is not positive, too large or the memory
  // cannot be had.
  static std::unique_ptr<PixelCanvas> create(int width, int height);
  ~PixelCanvas() override;

  // 0xRRGGBB; white outside the surface.
  uint32_t pixel(int64_t x, int64_t y) const;
  // Pixels outside the surface are ignored.
  void setPixel(int64_t x, int64_t y, uint32_t colour) override;
  void disc(int64_t x, int64_t y, int64_t diameter) override;
  void fillAll(uint32_t colour);

  void moveTo(int64_t x, int64_t y) override;
  void lineTo(int64_t x, int64_t y) override;
  void rectangle(int64_t x1, int64_t y1, int64_t x2, int64_t y2) override;
  void ellipse(int64_t x1, int64_t y1, int64_t x2, int64_t y2) override;
  void polygon(std::span<const PixelPoint> points) override;

  void setFont(int cellHeight) override;
  void textOut(int64_t x, int64_t y, std::string_view text) override;
  int textWidth(std::string_view text) override;

  PixelCanvas* raster() override { return this; }

  // What draw(canvas, x, y) sets around (x, y), found by drawing it once with this
  // canvas's pen on a scratch canvas; none when the scratch canvas cannot be had.
  // Precondition: it sets nothing more than `reach` pixels away from (x, y).
  using Drawing = std::function<void(Canvas& canvas, int64_t x, int64_t y)>;
  std::optional<Footprint> footprint(const Drawing& draw, int reach) const;
  // Sets the footprint's pixels around (x, y), clipped to the surface. This gives the
  // pixels the drawing itself would give there when they only move with (x, y) and are
  // opaque, as a pen's are at integer positions without antialiasing; it is far cheaper
  // than stroking the same shape again.
  void stamp(const Footprint& footprint, int64_t x, int64_t y);
  // Stamps the footprint at every pixel from (x1, y1) to (x2, y2), both included, at the
  // cost of one stamp: stamps of one colour cover the same pixels in any order, and at
  // neighbouring pixels they merge into runs as long as the block is wide.
  // Precondition: footprint.oneColour(), x1 <= x2, y1 <= y2.
  void stampBlock(const Footprint& footprint, int64_t x1, int64_t y1, int64_t x2, int64_t y2);

  // The pixels, for the image writers: rows of width() 32-bit words 0xFFRRGGBB, each
  // row stride() bytes apart.
  const unsigned char* data() const;
  int stride() const;
  // The same pixels to read and write in one pass; endPixelEdit() hands them back to the
  // library's drawing.
  uint32_t* editPixels();
  void endPixelEdit() { endDirect(); }
  cairo_surface_t* cairoSurface() const { return surface_; }

 private:
  PixelCanvas(cairo_surface_t* surface, cairo_t* cr, int width, int height);
  uint32_t* pixels() const;
  // Our own pixel writes and the library's drawing take turns on the same memory: each
  // side hands over (flush, mark dirty) only when the other has drawn since.
  void beginDirect() const;
  void endDirect();
  void beginLibrary();
  void thinSegment(int64_t x0, int64_t y0, int64_t x1, int64_t y1);
  void wideSegment(int64_t x0, int64_t y0, int64_t x1, int64_t y1);
  bool penDrawsAt(int64_t index) const;
  void setSourceColour(uint32_t colour);
  void strokeCurrentPath();
  void closedOutline(std::span<const PixelPoint> points);
  // Paints the brush over the area, given in surface units (pixel (x, y) covers x..x+1).
  void fillArea(const std::vector<DoublePoint>& area);
  void fillEllipse(int64_t left, int64_t top, int64_t right, int64_t bottom);
  void setBrushSource();
  void selectFont();
  void measureFont();

  cairo_surface_t* surface_;
  cairo_t* cr_;
  PixelPoint current_;
  int64_t patternPos_ = 0;
  double fontSize_ = 0;
  mutable bool libraryDrew_ = false;
  bool directWrote_ = false;
};
