#pragma once
// The argument readers of command lines. All the state of one script run lives in
// ScriptState, and every reader takes it explicitly, so a reader never depends on a
// hidden global and tests can drive it line by line.
#include <optional>
#include <string>
#include <string_view>

#include "language/braille_code.h"

struct UserPoint {
  double x = 0;
  double y = 0;
  bool operator==(const UserPoint&) const = default;
};

struct ScriptState {
  int lineIndex = 0;        // zero-based index of the line being executed
  std::string command;      // upper-cased two-letter mnemonic of that line
  std::string remaining;    // argument text not yet consumed by the readers
  bool error = false;       // an unknown command or a number word that does not convert
  std::string errorReason;  // what is wrong with the line, when its command tells it
  UserPoint last;           // the most recent pair read by readPoint
  // The code of the labels, as the last CB set it; until then, found at the first label
  // from startingBrailleCodeName(), so that a run without labels never loads a table.
  std::optional<BrailleCode> brailleCode;
};

// Removes characters up to code 32 from both ends of the text.
std::string trimControls(const std::string& text);

// The command list's place (command_list.h) of a script line's command, read as the
// interpreter reads it: the first two characters after leading blanks and controls, in
// any case; -1 when they name no command. Nothing of the line is copied.
int lineCommandIndex(std::string_view line);

// The next blank-separated word of the remaining text, or "" when nothing is left.
// Only the blank (32) separates words: a tab stays inside its word.
std::string nextToken(ScriptState& state);

// Converts one number word: optional sign, digits with at most one decimal mark ("," or
// ".", whichever comes first; the other one then makes the word invalid), optional
// exponent. Independent of the locale. A value too small for a double reads as zero.
// Empty on anything else, also on overflow.
std::optional<double> parseNumberWord(const std::string& word);

// Whether every blank-separated word of the text reads as a number word; with
// pointMarkers a word may also open with one point marker ("@", "R" or "P", either
// case), alone or glued to its number. A text of blanks only is accepted too. The
// builder judges its fields with this before a line is assembled.
bool readsAsNumbers(std::string_view text, bool pointMarkers);

// One number. An empty word gives nothing and leaves the error flag alone; a word
// that does not convert gives nothing and sets it.
std::optional<double> readNumber(ScriptState& state);

// One whole number (optional sign, decimal digits, fits 32 bits). Never sets the error
// flag.
std::optional<int> readInteger(ScriptState& state);

// One coordinate pair: plain "x y", relative "R dx dy", polar "P r degrees", and "@" for
// the last point. A successful read becomes the last point.
std::optional<UserPoint> readPoint(ScriptState& state);
