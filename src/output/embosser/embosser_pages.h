#pragma once
// The embosser pages the user chooses by name (option C, Tramel.ini, --embosser-page):
// the standard graphics page, the paper sizes of the print service's braille drivers in
// mode texto, and a page of the user's own size. Names are UTF-8.
#include <string>
#include <string_view>
#include <vector>

#include "render/page.h"

inline constexpr char kStandardPageName[] = "Padrão";
inline constexpr char kCustomPageName[] = "Personalizada";
inline constexpr int kMinPageCells = 10, kMaxPageCells = 100;
inline constexpr int kMinPageLines = 5, kMaxPageLines = 100;

// A page as the braille drivers lay it out. Lengths in hundredths of a millimetre; the
// cell margins are whole cells kept blank inside the printable area.
struct BrailleDriverLayout {
  int pageWidth = 0, pageHeight = 0;
  int marginLeft = 1000, marginRight = 1000, marginTop = 1000, marginBottom = 1000;
  int textDotDistance = 250;  // 220, 250 or 320
  int textDots = 6;
  int lineSpacing = 500;
  int cellMarginLeft = 0, cellMarginRight = 0, cellMarginTop = 0, cellMarginBottom = 0;
};

// Cells per line and lines per page exactly as the braille drivers compute them. False
// for a dot distance they do not know or a page with no room for a cell.
bool brailleDriverCells(const BrailleDriverLayout& layout, int& cells, int& lines);

// The size the braille drivers give a PageSize name ("A4", "Letter", "110x115" ...), in
// hundredths of a millimetre. False for a name they do not know.
bool brailleDriverPageSize(std::string_view name, int& width, int& height);

struct EmbosserPagePreset {
  const char* name;
  const char* driverSize = nullptr;  // the drivers' PageSize name; null for the standard and custom pages
};

// Every page by name, in the order they are offered: the standard page first, the
// custom page last.
const std::vector<EmbosserPagePreset>& embosserPagePresets();
// The names joined by "|", as a choice list.
std::string embosserPageNames();

// The preset a name stands for, in any case, with or without accents, blanks or "pol"
// ("oficio", "11x11,5"); null when none does.
const EmbosserPagePreset* findEmbosserPage(std::string_view name);

// The sheet of a preset; the custom page takes `custom`'s cells, lines and mode.
EmbosserSheet embosserPageSheet(const EmbosserPagePreset& preset, const EmbosserSheet& custom);

// What the sheet lacks to be printed (a full sentence), or empty.
std::string customSheetProblem(const EmbosserSheet& sheet);

// The braille mode by its name, "gráfico" or "texto" (accents and case aside).
bool brailleModeByName(std::string_view name, BrailleMode& mode);
const char* brailleModeName(BrailleMode mode);

// Where Tramel.ini keeps the embosser page, in the section of the printers.
inline constexpr char kEmbosserPageKey[] = "PAGBRAILLE";
inline constexpr char kEmbosserCellsKey[] = "CELAS";
inline constexpr char kEmbosserLinesKey[] = "LINHAS";
inline constexpr char kEmbosserModeKey[] = "MODOBRAILLE";

// The sheet that Tramel.ini sets; the standard page when it sets none. A key of the page
// that is set to no valid value makes the whole page the standard one, never a page half
// read, and `problem`, when given, gets the sentence that says so ("CELAS=abc não vale;
// a página é a Padrão."); it is left alone when all is well.
EmbosserSheet configuredEmbosserSheet(std::string* problem = nullptr);
// The custom page of Tramel.ini (CELAS, LINHAS, MODOBRAILLE; a key not set gives 66,
// 44 or texto), whichever page PAGBRAILLE names, with the same fallback.
EmbosserSheet configuredCustomSheet(std::string* problem = nullptr);
