#pragma once
// Stepping through UTF-8 text one character at a time. Texts inside the program are
// UTF-8; a byte that does not begin a well-formed sequence is taken as the
// Windows-1252 character of that byte, so that a stray legacy byte is shown and spoken
// as what it most likely was, and never lost or split.
#include <cstddef>
#include <string>
#include <string_view>

// The well-formed sequence at text[i]: its length, or 0 when it is malformed
// (overlong, a surrogate, past U+10FFFF or cut short).
size_t wellFormedSequence(std::string_view text, size_t i, char32_t& character);
// True when the text is well-formed UTF-8 (pure ASCII included).
bool isValidUtf8(std::string_view text);
// The character that begins at byte `at` (at < text.size()), and in `length` how many
// bytes it takes (at least one).
char32_t characterAt(std::string_view text, size_t at, size_t& length);
// How many characters the text holds.
size_t characterCount(std::string_view text);
// The byte where character number `index` (from 0) begins; text.size() past the end.
size_t byteOfCharacter(std::string_view text, size_t index);
// True for the bytes that continue a character: a cut before one splits the character.
constexpr bool isContinuationByte(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }
// The text's first `count` characters (all of it when it has fewer).
std::string firstCharacters(std::string_view text, size_t count);
void appendUtf8(std::string& out, char32_t character);
std::string utf8Of(char32_t character);
// The characters of a text, and the text of characters.
std::u32string toCodePoints(std::string_view text);
std::string fromCodePoints(std::u32string_view characters);
// The text as well-formed UTF-8: each stray byte becomes its Windows-1252 character.
std::string asUtf8(std::string_view text);
// The upper case of a letter of the Latin alphabets (accented letters included); any
// other character unchanged.
char32_t upperCaseOf(char32_t character);
std::string toUpperText(std::string_view text);
