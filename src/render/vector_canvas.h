#pragma once
// The vector canvas: the figures kept as paths in tenths of a millimetre, for paper that
// rises where it is black (swell paper, a heat pen) and for SVG. Nothing is a pixel:
// every line, disc, fill and letter is a path painted black (or white, where a figure
// paints white), and the writers (the PDF page and the SVG file) replay the paths.
//
// The marks are kept in groups, one per command line (beginGroup), so that a writer can
// say which line drew what. Coordinates are clipped to the surface grown by a margin
// wider than any pen before they are kept, so no writer meets a number it cannot
// represent; a disc, a piece of a line or a letter wholly outside that margin is not
// kept at all, so a figure or a label running far off the page costs nothing.
#include <cairo.h>

#include <memory>
#include <string>
#include <vector>

#include "render/canvas.h"

// Tactile sizes, in the canvas's units.
constexpr int kVectorUnitsPerMm = 10;

struct PathOp {
  enum class Kind : uint8_t { Move, Line, Curve, Close };
  Kind kind = Kind::Move;
  // The point (Move, Line), or the two control points and the end (Curve).
  DoublePoint p[3];
};

// How a stroke's pattern is drawn: dash and gap lengths (none for a solid line) and
// whether the ends are round; a zero-length dash with round ends is a dot.
struct StrokePattern {
  std::vector<double> dashes;
  bool roundEnds = true;
};
// Dotted: dots as wide as the pen, 2.5 mm of paper between them; dashed: 5 mm dashes
// with 2.5 mm gaps; solid: round ends and joins. The gaps are wide enough for a finger
// to feel.
StrokePattern strokePattern(PenStyle style, double width);

struct VectorMark {
  enum class Paint : uint8_t { Stroke, Fill };
  Paint paint = Paint::Stroke;
  bool white = false;  // painted white (covering) rather than black
  double width = 0;    // of a stroke
  PenStyle style = PenStyle::Solid;
  std::vector<PathOp> path;
  // When not empty, the mark shows only inside this closed path (a hatched area).
  std::vector<PathOp> clip;
  // Painted after every mark without it, in a last pass over the groups (a point's
  // ringed disc), so that no line drawn after the point crosses its ring.
  bool last = false;
};

struct VectorGroup {
  int line = -1;  // the command line that drew it; -1 for marks outside any line
  std::vector<VectorMark> marks;
};

class VectorCanvas final : public Canvas {
 public:
  // A blank canvas, or null when the size is not positive or above kMaxSide.
  static std::unique_ptr<VectorCanvas> create(int width, int height);
  ~VectorCanvas() override;

  void setPixel(int64_t x, int64_t y, uint32_t colour) override;
  void disc(int64_t x, int64_t y, int64_t diameter) override;
  void ringedDisc(int64_t x, int64_t y, int64_t diameter, int64_t ring) override;
  void moveTo(int64_t x, int64_t y) override;
  void lineTo(int64_t x, int64_t y) override;
  void rectangle(int64_t x1, int64_t y1, int64_t x2, int64_t y2) override;
  void ellipse(int64_t x1, int64_t y1, int64_t x2, int64_t y2) override;
  void polygon(std::span<const PixelPoint> points) override;
  void setFont(int cellHeight) override;
  void textOut(int64_t x, int64_t y, std::string_view text) override;
  int textWidth(std::string_view text) override;

  // The marks from here on belong to command line `line` (zero-based).
  void beginGroup(int line);
  const std::vector<VectorGroup>& groups() const { return groups_; }
  // How many path operations are kept in all.
  size_t pathSize() const;

 private:
  VectorCanvas(int width, int height, cairo_surface_t* scratch, cairo_t* cr);
  VectorMark& newMark(VectorMark::Paint paint, bool white);
  // The open stroke with the current pen, continued by line to.
  VectorMark& strokeMark();
  void closedShape(const std::vector<DoublePoint>& outline);
  void fillBrush(const std::vector<PathOp>& area);
  DoubleBox marginBox() const;
  void selectFont();

  cairo_surface_t* scratch_;
  cairo_t* cr_;  // measures text and turns it into paths; never drawn on
  double fontSize_ = 0;
  std::vector<VectorGroup> groups_;
  PixelPoint current_;
  bool strokeOpen_ = false;  // the last mark is the stroke line to continues
  bool pathOpen_ = false;    // the stroke's path ends at the current point: line to goes on
};

// The path operations of a closed polygon.
std::vector<PathOp> polygonPath(const std::vector<DoublePoint>& points);
