#include "render/page.h"

#include "render/drawing_state.h"

VectorCanvas* Page::paths() const { return dynamic_cast<VectorCanvas*>(canvas.get()); }

std::optional<Page> preparePage(const PageSpec& spec) {
  if (spec.width <= 0 || spec.height <= 0 || spec.inset < 0) return std::nullopt;
  const int64_t width = int64_t{spec.width} + 2 * int64_t{spec.inset};
  const int64_t height = int64_t{spec.height} + 2 * int64_t{spec.inset};
  if (width > Canvas::kMaxSide || height > Canvas::kMaxSide) return std::nullopt;
  Page page;
  page.style = spec.style;
  page.sheet = spec.sheet;
  page.inset = spec.inset;
  const auto w = static_cast<int32_t>(width), h = static_cast<int32_t>(height);
  if (spec.style.paths) {
    page.canvas = VectorCanvas::create(w, h);
  } else {
    page.canvas = PixelCanvas::create(w, h);
  }
  if (!page.canvas) return std::nullopt;
  Canvas& canvas = *page.canvas;
  canvas.setFont(spec.style.fontCellHeight);
  canvas.setTextColour(kBlack);
  canvas.setBrush(Brush{BrushStyle::Hollow, kWhite});
  canvas.setPen(Pen{spec.style.penWidths[0], PenStyle::Solid, kBlack});
  page.state.charHeight = canvas.fontCellHeight();
  resetDrawing(page);
  return page;
}
