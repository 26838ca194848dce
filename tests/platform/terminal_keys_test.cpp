// What a terminal sends becomes the queue's bytes, and palette colours become the
// terminal's.
#include "platform/frontends/terminal_keys.h"

#include <curses.h>
#include <gtest/gtest.h>

#include "platform/frontends/terminal_colours.h"
#include "platform/keys.h"
#include "platform/text/utf8.h"

namespace {

// The codes a key queues, each below 256 as one byte (the extended keys' codes), and a
// character above as its UTF-8.
std::string queuedBytes(const std::u32string& codes) {
  std::string bytes;
  for (const char32_t c : codes) c < 256 ? bytes += static_cast<char>(c) : bytes += utf8Of(c);
  return bytes;
}

std::string code(int value, const std::string& name = "", bool alt = false) {
  TerminalKey k;
  k.isCode = true;
  k.value = value;
  k.name = name;
  k.alt = alt;
  const KeyCodes c = decodeTerminalKey(k);
  return c.action == KeyCodes::Action::EndProgram ? "END" : queuedBytes(c.codes);
}

std::string character(int value, bool alt = false, bool backspaceIsDel = true) {
  TerminalKey k;
  k.value = value;
  k.alt = alt;
  k.backspaceIsDel = backspaceIsDel;
  return queuedBytes(decodeTerminalKey(k).codes);
}

std::string ext(int c) { return std::string(1, '\0') + static_cast<char>(c); }

TEST(TerminalKeys, TerminfoKeyCodes) {
  EXPECT_EQ(code(KEY_F(1)), ext(key::kF1));
  EXPECT_EQ(code(KEY_F(12)), ext(key::kF12));
  EXPECT_EQ(code(KEY_F(29)), ext(key::kCtrlF1 + 4));  // Ctrl+F5
  EXPECT_EQ(code(KEY_F(10)), "");
  EXPECT_EQ(code(KEY_F(52)), "END");                  // Alt+F4
  EXPECT_EQ(code(KEY_UP), ext(key::kUp));
  EXPECT_EQ(code(KEY_NPAGE), ext(key::kPgDn));
  EXPECT_EQ(code(KEY_IC), ext(key::kIns));
  EXPECT_EQ(code(KEY_SIC), ext(key::kShiftIns));
  EXPECT_EQ(code(KEY_DC), ext(key::kDel));
  EXPECT_EQ(code(KEY_HOME), ext(key::kHome));
  EXPECT_EQ(code(KEY_SLEFT), std::string("\0\x10", 2) + static_cast<char>(key::kLeft));
  EXPECT_EQ(code(KEY_BACKSPACE), "\b");
  EXPECT_EQ(code(KEY_ENTER), "\r");
  EXPECT_EQ(code(KEY_RESIZE), "");
}

// A terminal other than TERM says: its sequences are still keys, and never text.
TEST(TerminalKeys, EscapeSequencesTerminfoDidNotKnow) {
  const std::pair<const char*, std::string> cases[] = {
      {"[1~", ext(key::kHome)}, {"OH", ext(key::kHome)},   {"[7~", ext(key::kHome)}, {"[4~", ext(key::kEnd)},
      {"[F", ext(key::kEnd)},   {"[3~", ext(key::kDel)},   {"[6~", ext(key::kPgDn)}, {"OA", ext(key::kUp)},
      {"[1;5D", ext(key::kCtrlLeft)}, {"[99~", ""},       {"[Z", ""}};
  for (const auto& [sequence, bytes] : cases) EXPECT_EQ(queuedBytes(decodeEscapeSequence(sequence).codes), bytes) << sequence;
  EXPECT_FALSE(escapeSequenceComplete("["));
  EXPECT_FALSE(escapeSequenceComplete("[1"));
  EXPECT_TRUE(escapeSequenceComplete("[1;5D"));
}

TEST(TerminalKeys, ModifiedKeysByTheirTerminfoNames) {
  EXPECT_EQ(code(600, "kLFT5"), ext(key::kCtrlLeft));
  EXPECT_EQ(code(601, "kRIT5"), ext(key::kCtrlRight));
  EXPECT_EQ(code(602, "kUP5"), ext(key::kCtrlUp));
  EXPECT_EQ(code(603, "kDN5"), ext(key::kCtrlDown));
  EXPECT_EQ(code(604, "kHOM5"), ext(key::kCtrlHome));
  EXPECT_EQ(code(605, "kEND5"), ext(key::kCtrlEnd));
  EXPECT_EQ(code(606, "kPRV5"), ext(key::kCtrlPgUp));
  EXPECT_EQ(code(607, "kNXT5"), ext(key::kCtrlPgDn));
  EXPECT_EQ(code(608, "kIC5"), ext(key::kCtrlIns));
  EXPECT_EQ(code(609, "kLFT3"), ext(key::kLeft));  // Alt+Left acts as Left
  EXPECT_EQ(code(610, "kUP3"), "");
  EXPECT_EQ(code(611, "kLFT6"), std::string("\0\x11", 2) + static_cast<char>(key::kCtrlLeft));
  EXPECT_EQ(code(612, "kLFT9"), "");
  EXPECT_EQ(code(613, "kFOO5"), "");
  // With the Meta prefix (Esc before the sequence).
  EXPECT_EQ(code(KEY_RIGHT, "", true), ext(key::kRight));
  EXPECT_EQ(code(KEY_F(4), "", true), "END");
}

TEST(TerminalKeys, Characters) {
  EXPECT_EQ(character('a'), "a");
  EXPECT_EQ(character(0xE7), "\xE7");   // ç
  EXPECT_EQ(character(0x20AC), "€");
  EXPECT_EQ(character(0x4E2D), "中");   // not in Windows-1252, typed all the same
  EXPECT_EQ(character(13), "\r");
  EXPECT_EQ(character(10), "\n");       // Ctrl+Enter
  EXPECT_EQ(character(27), "\x1b");
  EXPECT_EQ(character(9), "\t");
  EXPECT_EQ(character(22), "\x16");     // Ctrl+V
  EXPECT_EQ(character(0), " ");         // Ctrl+Space
  // Backspace is DEL on most terminals; ^H is then Ctrl+Backspace, and the reverse.
  EXPECT_EQ(character(127), "\b");
  EXPECT_EQ(character(8), "\x7f");
  EXPECT_EQ(character(8, false, false), "\b");
  EXPECT_EQ(character(127, false, false), "\x7f");
  // Alt (the Meta prefix) with a character queues nothing.
  EXPECT_EQ(character('x', true), "");
  EXPECT_EQ(character('1', true), "");
  EXPECT_EQ(character(3, true), "");
}

TEST(TerminalColours, NearestOfTheTerminalsColours) {
  // Direct colour: exact.
  EXPECT_EQ(nearestTerminalColour(0x8E008E, 1 << 24), 0x8E008E);
  // 256 colours: the fixed cube and grey ramp.
  EXPECT_EQ(nearestTerminalColour(0x000000, 256), 16);
  EXPECT_EQ(nearestTerminalColour(0xFFFFFF, 256), 231);
  EXPECT_EQ(nearestTerminalColour(0x0000FF, 256), 21);
  EXPECT_EQ(nearestTerminalColour(0xC0C0C0, 256), 250);  // grey 188
  EXPECT_EQ(nearestTerminalColour(0x282828, 256), 235);  // grey 38
  // 8 and 16 colours.
  EXPECT_EQ(nearestTerminalColour(0xFF0000, 8), COLOR_RED);
  EXPECT_EQ(nearestTerminalColour(0x0000FF, 8), COLOR_BLUE);
  EXPECT_EQ(nearestTerminalColour(0xFFFF00, 16), 11);
  EXPECT_EQ(nearestTerminalColour(0x8E008E, 8), COLOR_MAGENTA);
}

}  // namespace
