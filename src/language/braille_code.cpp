#include "language/braille_code.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "language/braille_cells.h"
#include "language/braille_translate.h"
#include "messages/messages.h"
#include "platform/braille_library.h"
#include "platform/config/config.h"
#include "platform/text/language.h"
#include "platform/text/utf8.h"

namespace {

constexpr char32_t kMinusSign = U'\u2212', kEnDash = U'\u2013';

// liblouis's dot bits: dots 1 to 6 are the low six bits of our cells as well; dots 7 and
// 8 mark the cells a table writes for what it does not define (its escapes).
constexpr widechar kSixDots = 0x3F, kLowerDots = 0xC0;

// The library, ready to translate: its log kept off the user's terminal, and its
// characters as wide as ours. Null when it cannot be had.
const BrailleLibrary* readyLibrary() {
  static const BrailleLibrary* const ready = []() -> const BrailleLibrary* {
    const BrailleLibrary* library = brailleLibrary();
    if (!library || library->lou_charSize() != static_cast<int>(sizeof(widechar))) return nullptr;
    library->lou_setLogLevel(LOU_LOG_OFF);
    return library;
  }();
  return ready;
}

// A table is looked for by its bare file name only: a path or a list of tables, read
// from a project that came from elsewhere, must not open other files.
bool plainTableName(std::string_view name) {
  return !name.empty() && name[0] != '.' && std::all_of(name.begin(), name.end(), [](char c) {
    return c > ' ' && c < 0x7F && c != '/' && c != '\\' && c != ',';
  });
}

bool sameIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return (x | 0x20) == (y | 0x20);
  });
}

// No table writes a character as more cells than this (an escape is about ten).
constexpr size_t kMostCellsPerCharacter = 32;

// The liblouis translation of one run of characters, appended to `cells` (see below).
// Returns how many characters the table took: fewer than all when it stopped at one it
// does not take.
size_t translateRun(const BrailleLibrary& louis, const std::string& table, std::u32string_view characters,
                    std::string& cells, char32_t& withoutCell) {
  // Reused from call to call: `braille` translates whole files a line at a time.
  thread_local std::vector<widechar> in, out;
  thread_local std::vector<int> fromInput;
  in.assign(characters.begin(), characters.end());
  const int length = static_cast<int>(in.size());
  int inLength = 0, outLength = 0;
  for (size_t room = in.size() * 2 + 16;; room *= 2) {
    out.resize(room);
    fromInput.resize(room);
    inLength = length;
    outLength = static_cast<int>(room);
    if (!louis.lou_translate(table.c_str(), in.data(), &inLength, out.data(), &outLength, nullptr, nullptr, nullptr,
                             fromInput.data(), nullptr, dotsIO))
      return 0;
    // Only a full buffer can have cut the translation short.
    if (outLength < static_cast<int>(room) || room > in.size() * kMostCellsPerCharacter) break;
  }
  // The characters written as escapes: every cell that came from one of them is left out.
  std::vector<bool> escaped(static_cast<size_t>(length));
  const auto from = [&](int cell) { return static_cast<size_t>(std::clamp(fromInput[cell], 0, length - 1)); };
  for (int i = 0; i < outLength; ++i)
    if (out[i] & kLowerDots) escaped[from(i)] = true;
  for (int i = 0; i < outLength; ++i)
    if (!escaped[from(i)]) cells += static_cast<char>(brailleMainCharacter(static_cast<unsigned char>(out[i] & kSixDots)));
  if (const auto first = std::find(escaped.begin(), escaped.end(), true); first != escaped.end() && withoutCell == 0)
    withoutCell = characters[static_cast<size_t>(first - escaped.begin())];
  return static_cast<size_t>(std::clamp(inLength, 0, length));
}

// The liblouis translation of the characters: their cells in `cells` (each 0..63), and
// the first character whose cells were escapes, or that the table does not take at all,
// in `withoutCell`; neither kind is in `cells`.
void translateCharacters(const BrailleLibrary& louis, const std::string& table, std::u32string_view characters,
                         std::string& cells, char32_t& withoutCell) {
  while (!characters.empty()) {
    const size_t taken = translateRun(louis, table, characters, cells, withoutCell);
    if (taken >= characters.size()) return;
    if (withoutCell == 0) withoutCell = characters[taken];
    characters.remove_prefix(taken + 1);
  }
}

bool tableWrites(const BrailleLibrary& louis, const std::string& table, char32_t character) {
  std::string cells;
  char32_t withoutCell = 0;
  translateCharacters(louis, table, std::u32string_view(&character, 1), cells, withoutCell);
  return withoutCell == 0;
}

}  // namespace

std::optional<BrailleCode> findBrailleCode(std::string_view name, BrailleCodeProblem* problem) {
  const auto refuse = [&](BrailleCodeProblem why) -> std::optional<BrailleCode> {
    if (problem) *problem = why;
    return std::nullopt;
  };
  if (problem) *problem = BrailleCodeProblem::None;
  if (name.empty()) return refuse(BrailleCodeProblem::Unknown);
  BrailleCode code{std::string(name), std::string(name)};
  const auto known = std::find_if(std::begin(kBrailleCodeNames), std::end(kBrailleCodeNames),
                                  [&](const BrailleCodeName& n) { return sameIgnoringCase(n.shortName, name); });
  if (known != std::end(kBrailleCodeNames)) code.table = known->table;
  if (code.table.empty()) return code;
  if (!plainTableName(code.table)) return refuse(BrailleCodeProblem::Unknown);
  const BrailleLibrary* louis = readyLibrary();
  if (!louis) return refuse(BrailleCodeProblem::NoLibrary);
  if (!louis->lou_getTable(code.table.c_str())) return refuse(BrailleCodeProblem::Unknown);
  code.minusAsHyphen = !tableWrites(*louis, code.table, kMinusSign);
  code.enDashAsHyphen = !tableWrites(*louis, code.table, kEnDash);
  return code;
}

std::string_view languageBrailleCodeName() {
  return currentLanguage() == Language::English ? "en-ueb-g1" : "pt-br";
}

// Process-wide: the batch commands set it once from their command line, before any run.
std::string& givenStartingCode() {
  static std::string name;
  return name;
}

std::string startingBrailleCodeName() {
  if (!givenStartingCode().empty()) return givenStartingCode();
  if (std::string configured = cfgReadValue("PONTELIX", "CODIGOBRAILLE"); !configured.empty()) return configured;
  return std::string(languageBrailleCodeName());
}

void setStartingBrailleCode(std::string name) { givenStartingCode() = std::move(name); }

BrailleText translateBraille(const BrailleCode& code, std::string_view utf8) {
  BrailleText braille;
  const bool ascii = std::all_of(utf8.begin(), utf8.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (code.table.empty()) {
    braille.cells = textToBraille(utf8);
    if (!ascii) braille.withoutCell = firstCharacterWithoutCell(utf8).value_or(0);
    return braille;
  }
  std::u32string characters = toCodePoints(utf8);
  for (char32_t& c : characters) {
    if ((c == kMinusSign && code.minusAsHyphen) || (c == kEnDash && code.enDashAsHyphen)) c = U'-';
    // A control character is a blank cell, as in our Portuguese code; liblouis would
    // take a NUL for the end of the text.
    if (c < U' ') c = U' ';
  }
  // A code is found before it translates, so its library is at hand.
  if (const BrailleLibrary* louis = readyLibrary())
    translateCharacters(*louis, code.table, characters, braille.cells, braille.withoutCell);
  return braille;
}

std::string brailleCodeProblemText(std::string_view name, BrailleCodeProblem problem) {
  return withValues(messageText(problem == BrailleCodeProblem::NoLibrary ? "PXCBSEMLIB" : "PXCBDESC"), {std::string(name)});
}
