// Captions in the surface font and labels in the dot font.
#include "render/dot_font.h"
#include "render/figure_support.h"
#include "render/figures.h"

namespace {

// Captions sit with their baseline near the point: the cell's top is 13/16 of the
// character height above it.
int64_t captionTop(int64_t row) { return row - (drawingState().charHeight * 13) / 16; }

RenderFault drawCaption(std::string_view text, double x, double y, bool centred) {
  Figure f;
  const PixelPoint p = f.point(x, y);
  if (!f.ok()) return f.fail();
  Canvas& canvas = f.canvas();
  canvas.setBrush(Brush{BrushStyle::Hollow, kWhite});
  const int64_t column = centred ? p.x - canvas.textWidth(text) / 2 : p.x;
  canvas.textOut(column, captionTop(p.y), text);
  return RenderFault::None;
}

}  // namespace

RenderFault drawTextLeft(std::string_view text, double x, double y) {
  return drawCaption(text, x, y, false);
}

RenderFault drawTextCentred(std::string_view text, double x, double y) {
  return drawCaption(text, x, y, true);
}

RenderFault drawInkText(int32_t column, int32_t row, std::string_view text) {
  Canvas* canvas = drawingSurface();
  if (canvas == nullptr) return raiseRenderFault(RenderFault::NoSurface);
  // On the tactile page the text is for a sighted reader: a plain large font.
  if (outputMode == OutputMode::Tactile) {
    canvas->textOut(column, row, text);
    return RenderFault::None;
  }
  // On the screen every dot is a 2 x 2 block and the pitch is doubled.
  const bool doubled = outputMode == OutputMode::Screen;
  const int64_t step = doubled ? 2 : 1;
  const uint32_t colour = canvas->pen().colour;
  int64_t left = column;
  for (const char ch : text) {
    if (left > canvas->width()) break;  // the rest of the text lies beyond the surface
    int64_t k = left;
    for (const char part : dotGlyph(removeAccent(static_cast<unsigned char>(ch)))) {
      if (part == '|') {
        k += step;
        continue;
      }
      if (part < '1' || part > '7') continue;
      const int64_t y = row + (part - '0') * step;
      canvas->setPixel(k, y, colour);
      if (doubled) {
        canvas->setPixel(k, y + 1, colour);
        canvas->setPixel(k + 1, y, colour);
        canvas->setPixel(k + 1, y + 1, colour);
      }
    }
    left += 6 * step;
  }
  return RenderFault::None;
}
