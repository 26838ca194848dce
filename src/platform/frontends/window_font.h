#pragma once
// The console window's font: one coverage bitmap per character, rendered the first time
// it shows and kept, each one
// cell wide and one cell high, with the glyph standing on the cell's baseline. The
// cell size is the configured one (VIDEO/LARGURALETRA x ALTURALETRA): the face is
// scaled so that its cell height and its character advance match it, stretched when
// the proportions differ, as the console's fixed-pitch font always was.
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

class WindowFont {
 public:
  WindowFont();
  ~WindowFont();
  WindowFont(const WindowFont&) = delete;
  WindowFont& operator=(const WindowFont&) = delete;

  // Opens the monospaced face nearest to `face` at the given cell size and weight
  // (100..900). False when no font could be loaded: glyphs are then empty and only the
  // cell backgrounds show.
  bool open(const std::string& face, int cellWidth, int cellHeight, int weight);

  int cellWidth() const { return cellWidth_; }
  int cellHeight() const { return cellHeight_; }
  // Pixels from the cell's top to the baseline.
  int ascent() const { return ascent_; }
  const std::string& family() const { return family_; }

  // cellWidth x cellHeight coverage values (0 background .. 255 text), rows top first.
  // A character the face lacks shows what FreeType gives for it (its missing glyph).
  const std::vector<std::uint8_t>& glyph(char32_t ch);

 private:
  void render(char32_t ch, std::vector<std::uint8_t>& out);

  struct Impl;
  std::unique_ptr<Impl> impl_;
  int cellWidth_ = 8;
  int cellHeight_ = 16;
  int ascent_ = 12;
  std::string family_;
  std::unordered_map<char32_t, std::vector<std::uint8_t>> glyphs_;
};
