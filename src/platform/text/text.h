#pragma once
// Texts inside the program are UTF-8 held in std::string (utf8.h steps through them).
// The conversions from and to Windows-1252 serve only the files that are written in it:
// a legacy project or data file, and a project saved back in its own encoding.
#include <string>
#include <string_view>

#include "platform/text/utf8.h"

// Every byte has a Unicode character; the five bytes that Windows-1252 leaves
// undefined map to the C1 control with the same number, so the round trip is exact.
std::string cp1252ToUtf8(std::string_view text);

// Characters outside Windows-1252, and malformed UTF-8 sequences, become `replacement`:
// ask holdsOnlyWindows1252 first where nothing may be lost.
std::string utf8ToCp1252(std::string_view text, char replacement = '?');
// The text of a file that names no encoding: the file itself when it is well-formed
// UTF-8, else read as Windows-1252.
std::string textOfFile(std::string_view bytes);
// True when the UTF-8 text is well-formed and Windows-1252 has each of its characters.
bool holdsOnlyWindows1252(std::string_view utf8);

// The text as one line that a user reads on a terminal, on standard error or in the
// transcript: a line end becomes a blank, and every other control character shows in
// caret notation ("^[" for ESC, "^G" for BEL, "^?" for DEL; a C1 control as "\x9b"). A
// script line, a data line or a file name taken into a message can then neither run a
// terminal's escape sequences nor break the line. UTF-8 in and out; bytes that are not
// UTF-8 pass unchanged.
std::string shownLine(std::string_view utf8);

// One character: the Unicode code point of a Windows-1252 byte, and the byte of a code
// point (-1 when Windows-1252 has none).
char32_t cp1252ToUnicode(unsigned char byte);
int unicodeToCp1252(char32_t codePoint);

// A number rounded to at most `decimals` places, without trailing zeros and never "-0":
// with a dot for the decimal mark whatever the locale, as files such as PDF and SVG
// write it, or with the decimal mark of the language in use (a comma in Portuguese, a
// dot in English), as the user reads and hears numbers.
std::string dotDecimal(double value, int decimals);
std::string decimalText(double value, int decimals);
