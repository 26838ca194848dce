// Captions in the surface font and labels in the dot font.
#include "render/dot_font.h"
#include "render/figure_support.h"
#include "render/figures.h"
#include "platform/text/utf8.h"

namespace {

// Captions sit with their baseline near the point: the cell's top is 13/16 of the
// character height above it.
int64_t captionTop(const Page& page, int64_t row) { return row - (page.state.charHeight * 13) / 16; }

RenderFault drawCaption(Page& page, std::string_view text, double x, double y, bool centred) {
  Figure f(page);
  const PixelPoint p = f.point(x, y);
  if (!f.ok()) return f.fail();
  Canvas& canvas = f.canvas();
  canvas.setBrush(Brush{BrushStyle::Hollow, kWhite});
  const int64_t column = centred ? p.x - canvas.textWidth(text) / 2 : p.x;
  canvas.textOut(column, captionTop(page, p.y), text);
  return RenderFault::None;
}

}  // namespace

RenderFault drawTextLeft(Page& page, std::string_view text, double x, double y) {
  return drawCaption(page, text, x, y, false);
}

RenderFault drawTextCentred(Page& page, std::string_view text, double x, double y) {
  return drawCaption(page, text, x, y, true);
}

RenderFault drawInkText(Page& page, int32_t column, int32_t row, std::string_view text) {
  Canvas* canvas = page.canvas.get();
  if (canvas == nullptr) return raiseRenderFault(page, RenderFault::NoSurface);
  // Text for a sighted reader on a page of raised lines: a plain large font.
  if (page.style.inkText == InkText::SurfaceFont) {
    canvas->textOut(column, row, text);
    return RenderFault::None;
  }
  // Doubled, every dot is a 2 x 2 block and the pitch is doubled.
  const bool doubled = page.style.inkText == InkText::DoubledDotFont;
  const int64_t step = doubled ? 2 : 1;
  const uint32_t colour = canvas->pen().colour;
  int64_t left = column;
  // Each character takes one glyph's width, a blank one when the font lacks it.
  for (size_t i = 0, length = 1; i < text.size(); i += length) {
    const char32_t ch = characterAt(text, i, length);
    if (left > canvas->width()) break;  // the rest of the text lies beyond the surface
    int64_t k = left;
    for (const char part : dotGlyph(removeAccent(ch))) {
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
