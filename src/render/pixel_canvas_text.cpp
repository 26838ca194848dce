// Text on the canvas: "Courier New" as the system's font configuration matches it,
// drawn without antialiasing so that every pixel is the text colour or untouched.
#include <cairo.h>

#include <string>

#include "render/font_face.h"
#include "render/pixel_canvas.h"

void PixelCanvas::selectFont(cairo_t* cr) {
  if (fontSize_ <= 0) fontSize_ = fontSizeForCell(measure_, FontFamily::Mono, cellHeight_);
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_NONE);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
  cairo_set_font_options(cr, options);
  cairo_font_options_destroy(options);
  cairo_set_font_face(cr, fontFace(FontFamily::Mono));
  cairo_set_font_size(cr, fontSize_);
}

// Most drawings have no ink text, and starting the font configuration costs more than
// drawing a whole figure, so the face is looked up and measured at the first text.
void PixelCanvas::setFont(int cellHeight) {
  cellHeight_ = std::max(1, cellHeight);
  fontSize_ = 0;
}

void PixelCanvas::textOut(int64_t x, int64_t y, std::string_view text) {
  if (fontFace(FontFamily::Mono) == nullptr || text.empty()) return;
  if (textCannotShow(x, y)) return;
  // The glyphs stay within a cell's height of the text's cell on every side.
  const int64_t reach = cellHeight_;
  const PixelBox covered{x - reach, y - reach, x + textWidth(text) + reach, y + cellHeight_ + reach};
  libraryPaint(covered, textColour_, [&](cairo_t* cr) {
    selectFont(cr);
    const std::string utf8 = placeText(cr, x, y, text, true);
    cairo_show_text(cr, utf8.c_str());
  });
}

int PixelCanvas::textWidth(std::string_view text) {
  if (fontFace(FontFamily::Mono) == nullptr || text.empty()) return 0;
  selectFont(measure_);
  return textAdvance(measure_, text);
}
