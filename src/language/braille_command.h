#pragma once
// pontelix braille [--format=unicode|ascii|dots] [TEXT...]
// Translates TEXT (its words joined by single blanks), or else every line of standard
// input, and prints one line of cells per text.
#include <string>
#include <string_view>

enum class BrailleFormat {
  Unicode,  // UTF-8 Braille patterns, U+2800 plus the cell's six bits
  Ascii,    // the device characters, as an embosser receives them
  Dots,     // dot numbers of each cell in increasing order, "0" for blank, blank-separated
};

// One line of output for a Braille text (without the line end), appended to `out` or
// returned.
void appendBraille(std::string& out, std::string_view brailleText, BrailleFormat format);
std::string formatBraille(std::string_view brailleText, BrailleFormat format);

// argv[0] is the subcommand's own name. Returns the process exit status: 0, 2 for a
// usage error, 1 when standard input could not be read or the output not written.
int runBrailleCommand(int argc, char** argv);
