#include "platform/text/platform_texts.h"
#include "platform/frontends/window_font.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "platform/frontends/font_lookup.h"

struct WindowFont::Impl {
  FT_Library library = nullptr;
  FT_Face face = nullptr;
  bool embolden = false;

  ~Impl() {
    if (face != nullptr) FT_Done_Face(face);
    if (library != nullptr) FT_Done_FreeType(library);
  }
};

WindowFont::WindowFont() = default;
WindowFont::~WindowFont() = default;

bool WindowFont::open(const std::string& faceName, int cellWidth, int cellHeight, int weight) {
  cellWidth_ = std::clamp(cellWidth, 2, 200);
  cellHeight_ = std::clamp(cellHeight, 4, 400);
  ascent_ = cellHeight_ * 4 / 5;
  glyphs_.clear();
  impl_ = std::make_unique<Impl>();
  const std::optional<FontFile> file = findMonospacedFont(faceName, weight);
  if (!file || FT_Init_FreeType(&impl_->library) != 0 ||
      FT_New_Face(impl_->library, file->path.c_str(), file->index, &impl_->face) != 0 ||
      !FT_IS_SCALABLE(impl_->face)) {
    std::fprintf(stderr, "pontelix: %s\n", platformSentence(PlatformSentence::NoMonospacedFont, {faceName}).c_str());
    impl_.reset();
    return false;
  }
  FT_Face face = impl_->face;
  family_ = file->family;
  impl_->embolden = weight >= 600 && !file->bold;
  // The cell height is the face's Windows ascent plus descent; the cell width is the
  // advance of its characters (all equal in a monospaced face).
  double up = face->ascender, down = -face->descender;
  if (const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
      os2 != nullptr && os2->usWinAscent + os2->usWinDescent > 0) {
    up = os2->usWinAscent;
    down = os2->usWinDescent;
  }
  double advance = face->max_advance_width;
  if (FT_Load_Char(face, 'M', FT_LOAD_NO_SCALE) == 0 && face->glyph->advance.x > 0) advance = face->glyph->advance.x;
  const double upem = face->units_per_EM > 0 ? face->units_per_EM : 2048;
  const double emHeight = cellHeight_ * upem / std::max(1.0, up + down);
  const double emWidth = cellWidth_ * upem / std::max(1.0, advance);
  FT_Set_Pixel_Sizes(face, static_cast<FT_UInt>(std::max(1.0, std::round(emWidth))),
                     static_cast<FT_UInt>(std::max(1.0, std::round(emHeight))));
  ascent_ = std::clamp(static_cast<int>(std::lround(up * emHeight / upem)), 1, cellHeight_);
  return true;
}

const std::vector<std::uint8_t>& WindowFont::glyph(char32_t ch) {
  const auto [at, added] = glyphs_.try_emplace(ch);
  if (added) render(ch, at->second);
  return at->second;
}

void WindowFont::render(char32_t ch, std::vector<std::uint8_t>& out) {
  out.assign(static_cast<size_t>(cellWidth_) * cellHeight_, 0);
  if (!impl_ || ch <= ' ') return;
  FT_Face face = impl_->face;
  if (FT_Load_Char(face, ch, FT_LOAD_DEFAULT | FT_LOAD_TARGET_NORMAL) != 0) return;
  if (impl_->embolden) FT_GlyphSlot_Embolden(face->glyph);
  if (FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL) != 0) return;
  const FT_Bitmap& bm = face->glyph->bitmap;
  if (bm.pixel_mode != FT_PIXEL_MODE_GRAY) return;
  const int left = face->glyph->bitmap_left;
  const int top = ascent_ - face->glyph->bitmap_top;
  for (unsigned y = 0; y < bm.rows; ++y) {
    const int cy = top + static_cast<int>(y);
    if (cy < 0 || cy >= cellHeight_) continue;
    const unsigned char* src = bm.buffer + static_cast<long>(y) * bm.pitch;
    for (unsigned x = 0; x < bm.width; ++x) {
      const int cx = left + static_cast<int>(x);
      if (cx < 0 || cx >= cellWidth_) continue;
      std::uint8_t& dst = out[static_cast<size_t>(cy) * cellWidth_ + cx];
      dst = std::max(dst, src[x]);
    }
  }
}
