#pragma once
// The figures: each turns one figure in user coordinates into pixels on the page's
// canvas, mapped with mapX and mapY, drawn with the canvas's current pen and brush in
// the page's device style.
//
// Every operation returns RenderFault::None when the figure was drawn. Otherwise the
// figure was not drawn at all (the canvas is as before) and the fault is also raised in
// the page (Page::fault, see drawing_state.h) for the caller's report.
//
// Every figure finishes in bounded time whatever its numbers: parts that cannot touch
// the surface are skipped, and a walk whose steps are too fine for the surface to show
// (or too fine to change the running value at all) is thinned; ordinary figures light
// exactly the pixels of the plain step-by-step walk.
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>

#include "render/page.h"

// Lists of points, values or coefficients hold at most this many entries; longer
// lists are cut to it.
constexpr int kMaxFigurePoints = 21;
constexpr int kMaxPolynomialDegree = 20;

// Pen by table: width 3 x level - 2 pixels (levels 1..5), style 1 solid, 2 dotted,
// 3 dashed, colour 1 black, 2 red, 3 blue; any value outside its range counts as 1.
RenderFault setPen(Page& page, int32_t level, int32_t styleCode, int32_t colourCode);
// A segment with tick marks every tickStep (none when it is not positive): hanging
// below a horizontal axis (y1 == y2), pointing left at x1 otherwise.
RenderFault drawAxis(Page& page, double x1, double y1, double x2, double y2, double tickStep);
// Point marks at x1, x1 + dx, ... <= x2 (outer) by y1, y1 + dy, ... <= y2 (inner);
// nothing for a step that is not positive.
RenderFault drawGrid(Page& page, double x1, double y1, double x2, double y2, double dx, double dy);
// The fixed test drawing, on the whole page (it resets the drawing state).
RenderFault renderTestDrawing(Page& page);

// The style's point mark.
RenderFault drawPoint(Page& page, double x, double y);
RenderFault drawLine(Page& page, double x1, double y1, double x2, double y2);
// Segments between consecutive points, and back to the first when closed.
RenderFault drawPolyline(Page& page, std::span<const double> xs, std::span<const double> ys, bool closed);
// A segment with a triangular head at (x2, y2).
RenderFault drawArrow(Page& page, double x1, double y1, double x2, double y2);
// Corner (x, y), sides w along x and h along y; w = h = 0 sets one pixel.
RenderFault drawRectangle(Page& page, double x, double y, double w, double h);
// The same rectangle turned by angle degrees counter-clockwise about its corner.
RenderFault drawRotatedRectangle(Page& page, double x, double y, double w, double h, double angle);
RenderFault drawCircle(Page& page, double cx, double cy, double r);
RenderFault drawEllipse(Page& page, double cx, double cy, double rx, double ry);
// Circle and ellipse as chains of segments, parameter step 0.05.
RenderFault traceCircle(Page& page, double cx, double cy, double r);
RenderFault traceEllipse(Page& page, double cx, double cy, double rx, double ry);
// y = sum of coefficients[k] x^k for k = 0 .. degree, x from xFrom to xTo in steps of
// 0.01. Nothing for a degree outside 0..20 or fewer than degree + 1 coefficients.
RenderFault drawPolynomial(Page& page, int32_t degree, std::span<const double> coefficients, double xFrom,
                           double xTo);
// The interpolating polynomial through the points, from the smallest to the largest x
// in steps of 0.05.
RenderFault drawInterpolatedCurve(Page& page, std::span<const double> xs, std::span<const double> ys);
// The graph of y = value(x) for x from xFrom to xTo (either order), sampled at every
// pixel column at least and more finely where the curve climbs steeply. The curve breaks
// where value gives a number that is not finite (the function is undefined there) and
// at a jump that no refinement closes (an asymptote), so that no segment joins the two
// sides of a gap. Values far beyond the page are held at a margin outside it, never
// refused. Finishes in bounded work whatever the function.
RenderFault drawFunctionCurve(Page& page, const std::function<double(double)>& value, double xFrom, double xTo);
// Bars of width barWidth side by side from x, standing on the base line y.
RenderFault drawHistogram(Page& page, std::span<const double> heights, double x, double y, double barWidth);
// Text in the surface font with its baseline near (x, y): from its left
// end, or centred on x.
RenderFault drawTextLeft(Page& page, std::string_view text, double x, double y);
RenderFault drawTextCentred(Page& page, std::string_view text, double x, double y);
// Ink text as the style's InkText says: in the 5 x 7 dot font, glyphs
// hanging below the anchor pixel (column, row), accented letters losing their accents
// and characters without a glyph drawing as blanks; or in the surface font.
RenderFault drawInkText(Page& page, int32_t column, int32_t row, std::string_view text);
