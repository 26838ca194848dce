// The fixed test drawing: axes, marks, segments, arrows, a hatched rectangle, traced
// conics, a parabola, a polyline and its interpolating curve, and captions.
#include "render/figure_support.h"
#include "render/figures.h"

namespace {

constexpr const char* kCredit = "Pontelix para Linux: desenho de teste";

void setPenColour(Canvas& canvas, uint32_t colour) {
  Pen pen = canvas.pen();
  pen.colour = colour;
  canvas.setPen(pen);
}

void setPenWidth(Canvas& canvas, int width) {
  Pen pen = canvas.pen();
  pen.width = width;
  canvas.setPen(pen);
}

// The axes through the origin from -10 to 10 with a tick at every integer, and a point
// mark at every integer point between them.
void drawTestAxes(Page& page, Canvas& canvas) {
  drawLine(page, -10, 0, 10, 0);
  for (int i = -10; i <= 10; ++i) drawTickBelow(page.style, canvas, mapX(page, i), mapY(page, 0));
  drawLine(page, 0, -10, 0, 10);
  for (int i = -10; i <= 10; ++i) drawTickLeft(page.style, canvas, mapX(page, 0), mapY(page, i));
  for (int x = -10; x <= 10; ++x) {
    for (int y = -10; y <= 10; ++y) drawPoint(page, x, y);
  }
}

}  // namespace

RenderFault renderTestDrawing(Page& page) {
  if (!page.canvas) return raiseRenderFault(page, RenderFault::NoSurface);
  Canvas& canvas = *page.canvas;
  canvas.rectangle(0, 0, canvas.width(), canvas.height());
  resetDrawing(page);
  drawTestAxes(page, canvas);

  setPenColour(canvas, rgb(128, 0, 0));
  drawLine(page, 0, 1, 0, 5);
  drawLine(page, 1, 1, 1, 5);
  drawLine(page, 2, 1, 2, 5);
  drawLine(page, 7, -1, 6, 3);

  setPenColour(canvas, kBlack);
  drawArrow(page, 6, -2, 5, 4);
  drawArrow(page, 5, 4, 8, 10);

  setPenColour(canvas, rgb(0, 128, 0));
  canvas.setBrush(Brush{BrushStyle::HatchCross, rgb(255, 255, 0)});
  setPenWidth(canvas, page.style.penWidths[1]);
  drawRectangle(page, -5, -3, 4, 3);

  setPenWidth(canvas, page.style.penWidths[0]);
  setPenColour(canvas, kBlack);
  canvas.setBrush(Brush{BrushStyle::HatchForwardDiagonal, canvas.brush().colour});
  traceCircle(page, -5, -6, 2);
  traceEllipse(page, -5, -6, 3, 0.5);

  setPenColour(canvas, rgb(255, 0, 0));
  const double parabola[] = {-1, -2, 1};
  drawPolynomial(page, 2, parabola, -2, 4);

  drawPoint(page, 0, 0);
  const double xs[] = {1, 3, 5, 7, 9}, ys[] = {-5, -2, -4, -4, -6};
  drawPolyline(page, xs, ys, true);

  setPenColour(canvas, rgb(0, 0, 255));
  drawInterpolatedCurve(page, xs, ys);

  canvas.setTextColour(kBlack);
  drawTextLeft(page, "Curso de Física I", -19.6, 9);
  drawTextLeft(page, "Testes do Pontelix", -19.6, 8);
  drawTextCentred(page, kCredit, 0, -9.5);
  return RenderFault::None;
}
