#include "output/embosser/embosser_pages.h"

#include <gtest/gtest.h>

namespace {

// The braille drivers' own arithmetic, checked against what their queues announce: the
// generic driver's 1 cm margins and the Index driver's 5 mm ones on A4, the other dot
// distances, margins kept in cells, and layouts the drivers refuse.
TEST(BrailleDriverCells, AsTheDriversComputeThem) {
  struct Case {
    BrailleDriverLayout layout;
    bool ok;
    int cells, lines;
  };
  BrailleDriverLayout index;
  index.pageWidth = 21000, index.pageHeight = 29700;
  index.marginLeft = index.marginRight = index.marginTop = index.marginBottom = 500;
  BrailleDriverLayout narrow = index;
  narrow.textDotDistance = 220;  // cells 5.3 mm wide, lines 9.4 mm high
  BrailleDriverLayout kept = index;
  kept.cellMarginLeft = 2, kept.cellMarginTop = 1, kept.cellMarginBottom = 3;
  BrailleDriverLayout odd = index, tiny = index;
  odd.textDotDistance = 240;
  tiny.pageWidth = 900;
  const Case cases[] = {
      {{21000, 29700}, true, 32, 28}, {index, true, 33, 29}, {narrow, true, 38, 31},
      {kept, true, 31, 25},           {odd, false, 0, 0},    {tiny, false, 0, 0},
  };
  for (const Case& c : cases) {
    int cells = 0, lines = 0;
    EXPECT_EQ(brailleDriverCells(c.layout, cells, lines), c.ok) << c.layout.pageWidth << " " << c.layout.textDotDistance;
    if (!c.ok) continue;
    EXPECT_EQ(cells, c.cells);
    EXPECT_EQ(lines, c.lines);
  }
}

TEST(EmbosserPages, NamesInAnySpellingAndTheirSheets) {
  const std::pair<const char*, const char*> spellings[] = {
      {"padrao", kStandardPageName}, {"PADRÃO", kStandardPageName}, {"oficio", "Ofício"},
      {" a4 ", "A4"},                {"11x11,5", "11 x 11,5 pol"},     {"11 × 11.5 POL", "11 x 11,5 pol"},
      {"12x12pol", "12 x 12 pol"},   {"personalizada", kCustomPageName},
  };
  for (const auto& [typed, name] : spellings) {
    const EmbosserPagePreset* preset = findEmbosserPage(typed);
    ASSERT_NE(preset, nullptr) << typed;
    EXPECT_STREQ(preset->name, name) << typed;
  }
  for (const char* unknown : {"", "B5", "11x", "pol", "texto"}) EXPECT_EQ(findEmbosserPage(unknown), nullptr) << unknown;

  const EmbosserSheet custom{40, 25, BrailleMode::Graphic};
  EXPECT_EQ(embosserPageSheet(*findEmbosserPage("padrao"), custom), EmbosserSheet{});
  EXPECT_EQ(embosserPageSheet(*findEmbosserPage("A4"), custom), (EmbosserSheet{32, 28, BrailleMode::Text}));
  EXPECT_EQ(embosserPageSheet(*findEmbosserPage("personalizada"), custom), custom);
  // Every preset of a paper size gives a page that can be printed.
  for (const EmbosserPagePreset& preset : embosserPagePresets())
    EXPECT_EQ(customSheetProblem(embosserPageSheet(preset, custom)), "") << preset.name;
}

}  // namespace
