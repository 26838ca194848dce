#pragma once
// The pixel canvas: an image of palette indexes behind the canvas's primitives. A drawing
// holds a handful of colours, so its indexes are four bits a pixel while it has sixteen
// colours or fewer, eight bits beyond: a page at 600 dpi takes an eighth of the memory
// 32-bit pixels would.
//
// Every pixel the canvas writes is a pure colour: nothing is antialiased, so the
// embosser's rule "any non-white pixel is a dot" sees exactly what was drawn. Thin
// (1-pixel) lines, rectangle outlines and ellipse outlines use our own rasterizers
// (raster.h); wider pens, fills and text go through Cairo, which draws them as coverage
// masks of a few rows at a time that are merged into the indexes (the pixels a mask
// covers take the colour). The work done is bounded by the surface, not by the size of
// the figure.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "render/canvas.h"
#include "render/pixel_view.h"

typedef struct _cairo cairo_t;

// A rectangle of pixels: columns left to right - 1, rows top to bottom - 1.
struct PixelBox {
  int64_t left = 0, top = 0, right = 0, bottom = 0;
};

// The pixels within `reach` of the points, given in surface units (pixel (x, y) covers
// x..x+1). Precondition: there is a point.
PixelBox pixelsAround(std::span<const DoublePoint> points, int64_t reach);

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
  // The most colours a canvas holds, one byte an index. The program's drawings use a
  // dozen; a colour beyond the last (or beyond sixteen, when the memory for a byte a pixel
  // cannot be had) is drawn as the nearest one held.
  static constexpr int kMaxColours = 256;
  // The most colours four bits a pixel hold.
  static constexpr int kNarrowColours = 16;

  // How Cairo's drawing reaches the indexes: as masks of a few rows (every real canvas),
  // or on a 32-bit copy of the whole surface that is then read back, as the reference
  // against which the masks are checked.
  enum class LibraryDrawing : uint8_t { Masks, WholeSurface };

  // A white canvas, or null when the size is not positive, too large or the memory
  // cannot be had.
  static std::unique_ptr<PixelCanvas> create(int width, int height, LibraryDrawing drawing = LibraryDrawing::Masks);
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

  // The pixels, for the image writers: indexes into the colours.
  PixelView view() const;
  // Makes the indexes a byte a pixel from now on, whatever the colours; false when the
  // memory cannot be had (the canvas is unchanged then).
  bool keepWholeBytes();
  // The indexes to read and write in one pass, rows width() apart. Precondition:
  // keepWholeBytes() succeeded.
  uint8_t* indexes() { return indexes_; }
  // The index of the colour (0xRRGGBB), which joins the palette when it is new.
  uint8_t colourIndex(uint32_t colour);

 private:
  // How Cairo draws on a canvas.
  using LibraryPaint = std::function<void(cairo_t* cr)>;

  PixelCanvas(unsigned char* indexes, cairo_t* measure, int width, int height, LibraryDrawing drawing);
  // The indexes are depth_ bits a pixel, rows rowBytes_ apart, the first pixel of a byte
  // in its high bits.
  uint8_t indexAt(int64_t x, int64_t y) const {
    return static_cast<uint8_t>(indexInRow(indexes_ + y * rowBytes_, static_cast<long>(x), depth_));
  }
  void setIndex(int64_t x, int64_t y, uint8_t index) {
    uint8_t& byte = indexes_[y * rowBytes_ + (x * depth_ >> 3)];
    if (depth_ == 8) {
      byte = index;
    } else {
      byte = (x & 1) ? (byte & 0xF0) | index : (byte & 0x0F) | static_cast<uint8_t>(index << 4);
    }
  }
  // Columns from to end - 1 of the row.
  void fillIndexes(int64_t y, int64_t from, int64_t end, uint8_t index);
  // Moves the indexes to a byte a pixel; false when the memory cannot be had.
  bool widen();
  // Lets Cairo paint in the colour over the pixels of the box (clipped to the surface):
  // paint(cr) draws in the canvas's coordinates and covers nothing outside the box.
  void libraryPaint(const PixelBox& box, uint32_t colour, const LibraryPaint& paint);
  void paintMasks(const PixelBox& box, uint8_t index, const LibraryPaint& paint);
  void paintWholeSurface(const LibraryPaint& paint);
  void thinSegment(int64_t x0, int64_t y0, int64_t x1, int64_t y1);
  void wideSegment(int64_t x0, int64_t y0, int64_t x1, int64_t y1);
  bool penDrawsAt(int64_t index) const;
  // Strokes cr's path with the pen.
  void strokePath(cairo_t* cr) const;
  void closedOutline(std::span<const PixelPoint> points);
  // Paints the brush over the area, given in surface units (pixel (x, y) covers x..x+1).
  void fillArea(const std::vector<DoublePoint>& area);
  void fillEllipse(int64_t left, int64_t top, int64_t right, int64_t bottom);
  void setBrushSource(cairo_t* cr) const;
  void selectFont(cairo_t* cr);

  unsigned char* indexes_;
  int depth_ = 4;
  int64_t rowBytes_;
  std::vector<uint32_t> colours_;  // 0xRRGGBB by index
  uint32_t lastColour_ = kWhite;
  uint8_t lastIndex_ = 0;
  cairo_t* measure_;  // measures text; it draws nothing
  LibraryDrawing drawing_;
  std::vector<unsigned char> mask_;
  PixelPoint current_;
  int64_t patternPos_ = 0;
  double fontSize_ = 0;
};
