#include "render/font_face.h"

#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>

#include <cmath>
#include <string>

#include "platform/text/text.h"

namespace {

cairo_font_face_t* matchFace(const char* name) {
  FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(name));
  if (pattern == nullptr) return nullptr;
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  FcPatternDestroy(pattern);
  if (match == nullptr) return nullptr;
  cairo_font_face_t* found = cairo_ft_font_face_create_for_pattern(match);
  FcPatternDestroy(match);
  if (cairo_font_face_status(found) != CAIRO_STATUS_SUCCESS) {
    cairo_font_face_destroy(found);
    return nullptr;
  }
  return found;
}

}  // namespace

cairo_font_face_t* fontFace(FontFamily family) {
  // "Courier New" is what the drawings were measured in (on Debian the metric-compatible
  // Liberation Mono); labels for a sighted reader of swell paper are plain sans serif.
  if (family == FontFamily::Mono) {
    static cairo_font_face_t* const mono = matchFace("Courier New");
    return mono;
  }
  static cairo_font_face_t* const sans = matchFace("sans-serif");
  return sans;
}

double fontSizeForCell(cairo_t* cr, FontFamily family, int cellHeight) {
  // The cell is a fixed multiple of the size for a given face.
  cairo_set_font_face(cr, fontFace(family));
  cairo_set_font_size(cr, 1000.0);
  cairo_font_extents_t extents;
  cairo_font_extents(cr, &extents);
  const double cellPerSize = (extents.ascent + extents.descent) / 1000.0;
  return cellPerSize > 0 ? cellHeight / cellPerSize : cellHeight;
}

int textAdvance(cairo_t* cr, std::string_view text) {
  // Cairo takes only well-formed UTF-8.
  const std::string utf8 = asUtf8(text);
  cairo_text_extents_t extents;
  cairo_text_extents(cr, utf8.c_str(), &extents);
  return static_cast<int>(std::lround(extents.x_advance));
}

std::string placeText(cairo_t* cr, int64_t x, int64_t y, std::string_view text, bool roundAscent) {
  cairo_font_extents_t extents;
  cairo_font_extents(cr, &extents);
  const double ascent = roundAscent ? std::round(extents.ascent) : extents.ascent;
  cairo_new_path(cr);
  cairo_move_to(cr, static_cast<double>(x), static_cast<double>(y) + ascent);
  return asUtf8(text);
}
