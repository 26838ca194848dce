// Text on the canvas: "Courier New" as the system's font configuration matches it,
// drawn without antialiasing so that every pixel is the text colour or untouched.
#include <cairo.h>

#include "render/font_face.h"
#include "render/pixel_canvas.h"

void PixelCanvas::selectFont() {
  if (fontSize_ <= 0) measureFont();
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_NONE);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
  cairo_set_font_options(cr_, options);
  cairo_font_options_destroy(options);
  cairo_set_font_face(cr_, fontFace(FontFamily::Mono));
  cairo_set_font_size(cr_, fontSize_);
}

// Most drawings have no ink text, and starting the font configuration costs more than
// drawing a whole figure, so the face is looked up and measured at the first text.
void PixelCanvas::setFont(int cellHeight) {
  cellHeight_ = std::max(1, cellHeight);
  fontSize_ = 0;
}

// Precondition: fontFace(FontFamily::Mono) is not null.
void PixelCanvas::measureFont() { fontSize_ = fontSizeForCell(cr_, FontFamily::Mono, cellHeight_); }

void PixelCanvas::textOut(int64_t x, int64_t y, std::string_view text) {
  if (fontFace(FontFamily::Mono) == nullptr || text.empty()) return;
  if (textCannotShow(x, y)) return;
  selectFont();
  const std::string utf8 = placeText(cr_, x, y, text, true);
  setSourceColour(textColour_);
  beginLibrary();
  cairo_show_text(cr_, utf8.c_str());
  cairo_new_path(cr_);
}

int PixelCanvas::textWidth(std::string_view text) {
  if (fontFace(FontFamily::Mono) == nullptr || text.empty()) return 0;
  selectFont();
  return textAdvance(cr_, text);
}
