// Text on the canvas: "Courier New" as the system's font configuration matches it,
// drawn without antialiasing so that every pixel is the text colour or untouched.
#include <cairo-ft.h>
#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <cmath>

#include "console/text/text.h"
#include "render/canvas.h"

namespace {

constexpr const char* kFontFamily = "Courier New";

// The matched face, found once per process; null when the system has no font at all.
cairo_font_face_t* textFace() {
  static cairo_font_face_t* face = [] {
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(kFontFamily));
    if (pattern == nullptr) return static_cast<cairo_font_face_t*>(nullptr);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    if (match == nullptr) return static_cast<cairo_font_face_t*>(nullptr);
    cairo_font_face_t* found = cairo_ft_font_face_create_for_pattern(match);
    FcPatternDestroy(match);
    if (cairo_font_face_status(found) != CAIRO_STATUS_SUCCESS) {
      cairo_font_face_destroy(found);
      return static_cast<cairo_font_face_t*>(nullptr);
    }
    return found;
  }();
  return face;
}

}  // namespace

void Canvas::selectFont() {
  if (fontSize_ <= 0) measureFont();
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_NONE);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
  cairo_set_font_options(cr_, options);
  cairo_font_options_destroy(options);
  cairo_set_font_face(cr_, textFace());
  cairo_set_font_size(cr_, fontSize_);
}

// Most drawings have no ink text, and starting the font configuration costs more than
// drawing a whole figure, so the face is looked up and measured at the first text.
void Canvas::setFont(int cellHeight) {
  cellHeight_ = std::max(1, cellHeight);
  fontSize_ = 0;
}

// Precondition: textFace() is not null.
void Canvas::measureFont() {
  fontSize_ = cellHeight_;
  // The cell (ascent plus descent) is a fixed multiple of the size for a given face.
  cairo_set_font_face(cr_, textFace());
  cairo_set_font_size(cr_, 1000.0);
  cairo_font_extents_t extents;
  cairo_font_extents(cr_, &extents);
  const double cellPerSize = (extents.ascent + extents.descent) / 1000.0;
  if (cellPerSize > 0) fontSize_ = cellHeight_ / cellPerSize;
}

void Canvas::textOut(int64_t x, int64_t y, std::string_view text) {
  if (textFace() == nullptr || text.empty()) return;
  // Text wholly above, below or right of the surface cannot show; far to the left it
  // would need to be longer than any line the program makes.
  if (y + cellHeight_ < 0 || y > height_ || x > width_ || x < -(int64_t{1} << 24)) return;
  selectFont();
  cairo_font_extents_t extents;
  cairo_font_extents(cr_, &extents);
  const std::string utf8 = cp1252ToUtf8(text);
  setSourceColour(textColour_);
  cairo_move_to(cr_, static_cast<double>(x), static_cast<double>(y) + std::round(extents.ascent));
  beginLibrary();
  cairo_show_text(cr_, utf8.c_str());
  cairo_new_path(cr_);
}

int Canvas::textWidth(std::string_view text) {
  if (textFace() == nullptr || text.empty()) return 0;
  selectFont();
  const std::string utf8 = cp1252ToUtf8(text);
  cairo_text_extents_t extents;
  cairo_text_extents(cr_, utf8.c_str(), &extents);
  return static_cast<int>(std::lround(extents.x_advance));
}
