// The paper sizes are those of the braille drivers' page size option, in their units,
// so that a page chosen here has the cells the driver would give it.
#include "output/embosser/embosser_pages.h"

#include "platform/config/config.h"
#include "platform/text/text.h"
#include "messages/messages.h"
#include "output/printing/configured_printer.h"

namespace {

// The page sizes of the braille drivers' PageSize option, by its names, in hundredths
// of a millimetre.
struct DriverPageSize {
  const char* name;
  int width, height;
};
constexpr DriverPageSize kDriverPageSizes[] = {
    {"Legal", 21590, 35560},   {"Letter", 21590, 27940},  {"A3", 29700, 42000},      {"A4", 21000, 29700},
    {"A4TF", 21000, 30480},    {"A5", 14850, 21000},      {"110x115", 27940, 29210}, {"110x120", 27940, 30480},
    {"110x170", 27940, 43180}, {"115x110", 29210, 27940}, {"120x120", 30480, 30480},
};

const std::vector<EmbosserPagePreset> kPresets = {
    {kStandardPageName},
    {"A4", "A4"},
    {"Carta", "Letter"},
    {"Ofício", "Legal"},
    {"A3", "A3"},
    {"A5", "A5"},
    {"11 x 11,5 pol", "110x115"},
    {"11 x 12 pol", "110x120"},
    {"11 x 17 pol", "110x170"},
    {"11,5 x 11 pol", "115x110"},
    {"12 x 12 pol", "120x120"},
    {kCustomPageName},
};

// A name reduced to what tells names apart: lower-case letters without accents,
// digits, "x" for the multiplication sign and "." for the decimal comma; no blanks, no
// trailing "pol".
std::string nameKey(std::string_view name) {
  std::string key;
  const std::string upper = toUpperText(name);
  for (size_t i = 0, length = 1; i < upper.size(); i += length) {
    const char32_t u = characterAt(upper, i, length);
    const char c = u < 0x80 ? static_cast<char>(u) : '\0';
    if (u == 0xD7) key += 'x';
    else if (c == ',' || c == '.') key += '.';
    else if (u >= 0xC0 && u <= 0xC5) key += 'a';
    else if (u >= 0xC8 && u <= 0xCB) key += 'e';
    else if (u >= 0xCC && u <= 0xCF) key += 'i';
    else if (u >= 0xD2 && u <= 0xD6) key += 'o';
    else if (u >= 0xD9 && u <= 0xDC) key += 'u';
    else if (u == 0xC7) key += 'c';
    else if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) key += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  }
  if (key.size() > 3 && key.ends_with("pol")) key.resize(key.size() - 3);
  return key;
}

}  // namespace

bool brailleDriverPageSize(std::string_view name, int& width, int& height) {
  for (const DriverPageSize& size : kDriverPageSizes) {
    if (name == size.name) {
      width = size.width;
      height = size.height;
      return true;
    }
  }
  return false;
}

bool brailleDriverCells(const BrailleDriverLayout& layout, int& cells, int& lines) {
  int cellDistance = 0;
  switch (layout.textDotDistance) {
    case 220: cellDistance = 310; break;
    case 250: cellDistance = 350; break;
    case 320: cellDistance = 525; break;
    default: return false;
  }
  const int printableWidth = layout.pageWidth - layout.marginLeft - layout.marginRight;
  const int printableHeight = layout.pageHeight - layout.marginTop - layout.marginBottom;
  const int cellWidth = layout.textDotDistance + cellDistance;
  const int cellHeight = layout.textDotDistance * (layout.textDots / 2 - 1) + layout.lineSpacing;
  if (printableWidth <= 0 || printableHeight <= 0 || cellHeight <= 0) return false;
  cells = (printableWidth + cellDistance) / cellWidth - layout.cellMarginLeft - layout.cellMarginRight;
  lines = (printableHeight + layout.lineSpacing) / cellHeight - layout.cellMarginTop - layout.cellMarginBottom;
  return cells > 0 && lines > 0;
}

const std::vector<EmbosserPagePreset>& embosserPagePresets() { return kPresets; }

std::string embosserPageNames() {
  std::string names;
  for (const EmbosserPagePreset& preset : kPresets) names += (names.empty() ? "" : "|") + std::string(preset.name);
  return names;
}

const EmbosserPagePreset* findEmbosserPage(std::string_view name) {
  const std::string key = nameKey(name);
  if (key.empty()) return nullptr;
  for (const EmbosserPagePreset& preset : kPresets) {
    if (nameKey(preset.name) == key) return &preset;
  }
  return nullptr;
}

EmbosserSheet embosserPageSheet(const EmbosserPagePreset& preset, const EmbosserSheet& custom) {
  if (!preset.driverSize) return preset.name == std::string_view(kCustomPageName) ? custom : EmbosserSheet{};
  BrailleDriverLayout layout;
  brailleDriverPageSize(preset.driverSize, layout.pageWidth, layout.pageHeight);
  EmbosserSheet sheet;
  sheet.mode = BrailleMode::Text;
  brailleDriverCells(layout, sheet.cells, sheet.lines);
  return sheet;
}

std::string customSheetProblem(const EmbosserSheet& sheet) {
  if (sheet.cells < kMinPageCells || sheet.cells > kMaxPageCells)
    return withValues(messageText("PXPAGCELS"), {std::to_string(kMinPageCells), std::to_string(kMaxPageCells)});
  if (sheet.lines < kMinPageLines || sheet.lines > kMaxPageLines)
    return withValues(messageText("PXPAGLINS"), {std::to_string(kMinPageLines), std::to_string(kMaxPageLines)});
  return {};
}

bool brailleModeByName(std::string_view name, BrailleMode& mode) {
  const std::string key = nameKey(name);
  if (key == "grafico") mode = BrailleMode::Graphic;
  else if (key == "texto") mode = BrailleMode::Text;
  else return false;
  return true;
}

const char* brailleModeName(BrailleMode mode) { return mode == BrailleMode::Text ? "texto" : "gráfico"; }

namespace {

// The standard page, standing in for a page whose key `key` holds `value`.
EmbosserSheet standardPageFor(std::string_view key, const std::string& value, std::string* problem) {
  if (problem)
    *problem = withValues(messageText("PXPAGNVS"), {key, value, kStandardPageName});
  return {};
}

}  // namespace

EmbosserSheet configuredCustomSheet(std::string* problem) {
  EmbosserSheet custom;
  custom.mode = BrailleMode::Text;
  const struct {
    const char* key;
    int32_t& value;
    int min, max;
  } numbers[] = {{kEmbosserCellsKey, custom.cells, kMinPageCells, kMaxPageCells},
                 {kEmbosserLinesKey, custom.lines, kMinPageLines, kMaxPageLines}};
  for (const auto& n : numbers) {
    const std::string text = cfgReadValue(kPrinterSection, n.key);
    int number = 0;
    if (text.empty()) continue;
    if (!cfgWholeNumber(text, number) || number < n.min || number > n.max) return standardPageFor(n.key, text, problem);
    n.value = number;
  }
  const std::string mode = cfgReadValue(kPrinterSection, kEmbosserModeKey);
  if (!mode.empty() && !brailleModeByName(mode, custom.mode)) return standardPageFor(kEmbosserModeKey, mode, problem);
  return custom;
}

EmbosserSheet configuredEmbosserSheet(std::string* problem) {
  const std::string name = cfgReadValue(kPrinterSection, kEmbosserPageKey);
  if (name.empty()) return {};
  const EmbosserPagePreset* preset = findEmbosserPage(name);
  if (!preset) return standardPageFor(kEmbosserPageKey, name, problem);
  if (preset->name == std::string_view(kCustomPageName)) return configuredCustomSheet(problem);
  return embosserPageSheet(*preset, {});
}
