#include "language/braille_cells.h"

#include <array>
#include <string_view>

namespace {

using namespace std::string_view_literals;

// One row per cell: its dots, its main character, its device character and the other
// bytes that give the same cell. The lookup tables below are built from these rows at
// compile time, and the build fails unless every byte and every cell occurs once.
struct CellRow {
  std::string_view dots;  // dot numbers, "" for the blank cell
  unsigned char main;
  unsigned char device;
  std::string_view others;
};

// The blank cell also stands for every control character except 0x0F.
constexpr std::string_view kBlankControls =
    "\x00\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0A\x0B\x0C\x0D\x0E"
    "\x10\x11\x12\x13\x14\x15\x16\x17\x18\x19\x1A\x1B\x1C\x1D\x1E\x1F"sv;

constexpr CellRow kRows[] = {
    {""sv, 0x20, 0x20,
     "\x86\x89\x8C\x8E\x8F\x90\x96\x98\x99\x9A\x9B\x9C\x9D\x9E\x9F\xA4\xA5\xA7\xA8\xA9"
     "\xAD\xAE\xAF\xB1\xB5\xB6\xB7\xB8\xBC\xBD\xBE\xD0\xD6\xD8\xDD\xDE\xDF\xF0\xF8\xFE"sv},
    {"1"sv, 'a', 'a', "1A\xAA\xB9"sv},
    {"2"sv, ',', '1', ""sv},
    {"12"sv, 'b', 'b', "2B\xB2"sv},
    {"3"sv, '\'', '\'', ".\x95\xCD"sv},
    {"13"sv, 'k', 'k', "K"sv},
    {"23"sv, ';', '2', ""sv},
    {"123"sv, 'l', 'l', "L"sv},
    {"4"sv, '^', '`', "\x80"sv},
    {"14"sv, 'c', 'c', "3C\xB3"sv},
    {"24"sv, 'i', 'i', "9I"sv},
    {"124"sv, 'f', 'f', "6F"sv},
    {"34"sv, 0xED, '/', "\xCC\xEC"sv},
    {"134"sv, 'm', 'm', "M"sv},
    {"234"sv, 's', 's', "S"sv},
    {"1234"sv, 'p', 'p', "P"sv},
    {"5"sv, '~', '"', ""sv},
    {"15"sv, 'e', 'e', "5E"sv},
    {"25"sv, ':', '3', "\xC3"sv},
    {"125"sv, 'h', 'h', "8H"sv},
    {"35"sv, '*', '9', "\xB4"sv},
    {"135"sv, 'o', 'o', ">O\xBA"sv},
    {"235"sv, '!', '6', "+\xA1"sv},
    {"1235"sv, 'r', 'r', "R"sv},
    {"45"sv, 0xAC, '^', ""sv},
    {"145"sv, 'd', 'd', "4D"sv},
    {"245"sv, 'j', 'j', "0J"sv},
    {"1245"sv, 'g', 'g', "7G"sv},
    {"345"sv, 0xE3, '>', ")\x84\xC4\xC6\xE4\xE6"sv},
    {"1345"sv, 'n', 'n', "N"sv},
    {"2345"sv, 't', 't', "T"sv},
    {"12345"sv, 'q', 'q', "Q"sv},
    {"6"sv, 0xFD, ',', "\\`"sv},
    {"16"sv, 0xE2, '*', "\x83\xC2\xC5\xE5"sv},
    {"26"sv, '?', '5', "\xBF"sv},
    {"126"sv, 0xEA, '<', "(\x88\xCA"sv},
    {"36"sv, '-', '-', ""sv},
    {"136"sv, 'u', 'u', "U"sv},
    {"236"sv, '"', '8', "\x91\x92\xAB\xBB\xD7"sv},
    {"1236"sv, 'v', 'v', "V"sv},
    {"46"sv, '{', '.', "\x0F"sv},
    {"146"sv, 0xEE, '%', "%\x8D\xCE"sv},
    {"246"sv, 0xF5, '[', "<\x94\xD4\xD5\xF6"sv},
    {"1246"sv, 0xE0, '$', "\x85\xC0\xCB\xEB"sv},
    {"346"sv, 0xF3, '+', "\xA2\xD2\xF2"sv},
    {"1346"sv, 'x', 'x', "X"sv},
    {"2346"sv, 0xE8, '!', "\x8A\xC8"sv},
    {"12346"sv, 0xE7, '&', "&\x87\xC7"sv},
    {"56"sv, '$', ';', ""sv},
    {"156"sv, 0xFB, ':', "@\x97\xDB"sv},
    {"256"sv, 0xFF, '4', "/\xF7"sv},
    {"1256"sv, 0xFC, '\\', "\x81\xDC"sv},
    {"356"sv, '}', '0', "\xB0"sv},
    {"1356"sv, 'z', 'z', "Z"sv},
    {"2356"sv, '=', '7', ""sv},
    {"12356"sv, 0xE1, '(', "[\xA0\xC1"sv},
    {"456"sv, '_', '_', "|\x7F\xA6"sv},
    {"1456"sv, 0xF4, '?', "\x93\xD3"sv},
    {"2456"sv, 'w', 'w', "W"sv},
    {"12456"sv, 0xEF, '}', "\x8B\xCF\xD1\xF1"sv},
    {"3456"sv, '#', '#', ""sv},
    {"13456"sv, 'y', 'y', "Y"sv},
    {"23456"sv, 0xFA, ')', "]\xA3\xD9\xDA\xF9"sv},
    {"123456"sv, 0xE9, '=', "\x82\xC9"sv},
};

constexpr unsigned char dotsOf(std::string_view dots) {
  unsigned char cell = 0;
  for (const char d : dots) cell |= static_cast<unsigned char>(1u << (d - '1'));
  return cell;
}

struct Tables {
  std::array<unsigned char, 256> device{};      // alphabet byte -> device character
  std::array<unsigned char, 128> deviceDots{};  // device character -> dots
  std::array<unsigned char, 64> mainOf{};       // cell -> main character
  bool consistent = true;
};

// Marks `byte` as giving the device character of `row`; a second assignment of the
// same byte makes the tables inconsistent.
constexpr void assign(Tables& t, std::array<bool, 256>& seen, unsigned char byte,
                      const CellRow& row) {
  if (seen[byte]) t.consistent = false;
  seen[byte] = true;
  t.device[byte] = row.device;
}

constexpr Tables buildTables() {
  Tables t;
  std::array<bool, 256> seenByte{};
  std::array<bool, 64> seenCell{};
  std::array<bool, 128> seenDevice{};
  for (const CellRow& row : kRows) {
    const unsigned char cell = dotsOf(row.dots);
    if (seenCell[cell] || seenDevice[row.device] || row.device < 0x20 || row.device > 0x7F)
      t.consistent = false;
    seenCell[cell] = true;
    seenDevice[row.device & 0x7F] = true;
    t.mainOf[cell] = row.main;
    t.deviceDots[row.device & 0x7F] = cell;
    assign(t, seenByte, row.main, row);
    for (const char c : row.others) assign(t, seenByte, static_cast<unsigned char>(c), row);
    if (cell == 0)
      for (const char c : kBlankControls) assign(t, seenByte, static_cast<unsigned char>(c), row);
  }
  for (const bool b : seenByte) t.consistent = t.consistent && b;
  // The remaining ASCII Braille characters, which no byte prints, keep their six-dot
  // reading: 0x40-0x5F read like 0x60-0x7F (upper-case letters like lower-case ones).
  for (int c = 0x40; c < 0x60; ++c) {
    if (!seenDevice[c]) t.deviceDots[c] = t.deviceDots[c + 0x20];
    if (!seenDevice[c + 0x20]) t.deviceDots[c + 0x20] = t.deviceDots[c];
  }
  return t;
}

constexpr Tables kTables = buildTables();
static_assert(kTables.consistent, "every byte and every cell must occur exactly once");
static_assert(kTables.deviceDots['A'] == 1 && kTables.deviceDots['@'] == 8 &&
              kTables.deviceDots['{'] == dotsOf("246"));

}  // namespace

unsigned char brailleDeviceCharacter(unsigned char alphabetByte) {
  return kTables.device[alphabetByte];
}

unsigned char brailleDeviceDots(unsigned char deviceCharacter) {
  if (deviceCharacter < 0x20 || deviceCharacter > 0x7F) return 0;
  return kTables.deviceDots[deviceCharacter];
}

unsigned char brailleCellOf(unsigned char alphabetByte) {
  return brailleDeviceDots(brailleDeviceCharacter(alphabetByte));
}

unsigned char brailleMainCharacter(unsigned char cell) { return kTables.mainOf[cell & 0x3F]; }

unsigned char brailleCellDeviceCharacter(unsigned char cell) {
  return brailleDeviceCharacter(brailleMainCharacter(cell));
}
