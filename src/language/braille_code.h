#pragma once
// The Braille code labels are written in: our own Portuguese translator ("pt-br"), or a
// table of liblouis for the codes of other languages, named by its file name
// ("en-ueb-g2.ctb") or by one of the short names of kBrailleCodeNames.
// Both give cells of the alphabet in braille_cells.h, so that every device draws the
// cells of any code as it draws the Portuguese ones.
#include <optional>
#include <string>
#include <string_view>

struct BrailleCode {
  std::string name;   // as the user wrote it
  std::string table;  // liblouis's table file; empty for our Portuguese translator
  // The typographic characters that the table lacks, written as their ASCII forms.
  bool minusAsHyphen = false, enDashAsHyphen = false;
};

// A short name and the table it stands for.
struct BrailleCodeName {
  std::string_view shortName;
  std::string_view table;
};
inline constexpr BrailleCodeName kBrailleCodeNames[] = {
    {"pt-br", ""},
    {"en-ueb-g1", "en-ueb-g1.ctb"},
    {"en-ueb-g2", "en-ueb-g2.ctb"},
    {"en-us-g1", "en-us-g1.ctb"},
    {"es-g1", "es-g1.ctb"},
    {"fr-bfu", "fr-bfu-comp6.utb"},
    {"fr-bfu-g2", "fr-bfu-g2.ctb"},
    {"de-g0", "de-g0.utb"},
    {"de-g2", "de-g2.ctb"},
    {"it", "it-it-comp6.utb"},
    {"pt-pt-g1", "pt-pt-g1.utb"},
};

enum class BrailleCodeProblem { None, Unknown, NoLibrary };

// The code a name stands for. A table is opened (and liblouis loaded) here, so that an
// unknown name is told before any label is drawn. Names are compared without regard to
// case; a table file is looked for only in liblouis's own folders (a name holding a
// path or a list of tables is unknown).
std::optional<BrailleCode> findBrailleCode(std::string_view name, BrailleCodeProblem* problem = nullptr);

// The code whose name the user has not given: our Portuguese translator for an
// interface in Portuguese, uncontracted unified English Braille for one in English.
std::string_view languageBrailleCodeName();

// The name of the code labels start in: the one set with setStartingBrailleCode (the
// batch commands' --code), else Tramel.ini's [PONTELIX] CODIGOBRAILLE, else
// languageBrailleCodeName(). The name is checked where it is used.
std::string startingBrailleCodeName();
void setStartingBrailleCode(std::string name);

// The cells of a text (UTF-8), one byte of the cell alphabet each, and the first of its
// characters that the code cannot write (0 when it writes them all). Such a character
// is left out of a liblouis code's cells; our Portuguese translator writes the cell of
// "?" for it.
struct BrailleText {
  std::string cells;
  char32_t withoutCell = 0;
};
BrailleText translateBraille(const BrailleCode& code, std::string_view utf8);

// The message telling why a code's name was refused, with the name and where the codes
// are listed.
std::string brailleCodeProblemText(std::string_view name, BrailleCodeProblem problem);
