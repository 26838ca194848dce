// SDL keys become the queue's bytes exactly as the console window queues them.
#include "platform/frontends/window_keys.h"

#include <gtest/gtest.h>

#include "platform/keys.h"

namespace {

// The bytes an SDL key press queues ("" for nothing, "END" for the program's end).
std::string bytes(SDL_Keycode sym, Uint16 mod = KMOD_NONE) {
  const auto pc = pcKeyOfSdl(sym, mod);
  if (!pc) return "";
  const KeyCodes codes = pcKeyCodes(*pc, keyModsOfSdl(mod));
  if (codes.action == KeyCodes::Action::EndProgram) return "END";
  // The extended keys' codes are all below 256.
  return std::string(codes.codes.begin(), codes.codes.end());
}

std::string ext(int code) { return std::string(1, '\0') + static_cast<char>(code); }

TEST(WindowKeys, FunctionAndMovementKeys) {
  EXPECT_EQ(bytes(SDLK_F1), ext(key::kF1));
  EXPECT_EQ(bytes(SDLK_F9), ext(key::kF9));
  EXPECT_EQ(bytes(SDLK_F12), ext(key::kF12));
  EXPECT_EQ(bytes(SDLK_F5, KMOD_LCTRL), ext(key::kCtrlF1 + 4));
  EXPECT_EQ(bytes(SDLK_F10), "");  // the system's menu key
  EXPECT_EQ(bytes(SDLK_UP), ext(key::kUp));
  EXPECT_EQ(bytes(SDLK_RIGHT, KMOD_RCTRL), ext(key::kCtrlRight));
  EXPECT_EQ(bytes(SDLK_PAGEUP, KMOD_LCTRL), ext(key::kCtrlPgUp));
  EXPECT_EQ(bytes(SDLK_INSERT, KMOD_LSHIFT), ext(key::kShiftIns));
  EXPECT_EQ(bytes(SDLK_DELETE), ext(key::kDel));
  // Shift with a movement key extends a selection: 0, 16, code.
  EXPECT_EQ(bytes(SDLK_LEFT, KMOD_LSHIFT), std::string("\0\x10", 2) + static_cast<char>(key::kLeft));
}

TEST(WindowKeys, CharacterKeysWithoutText) {
  EXPECT_EQ(bytes(SDLK_RETURN), "\r");
  EXPECT_EQ(bytes(SDLK_KP_ENTER, KMOD_LCTRL), "\n");
  EXPECT_EQ(bytes(SDLK_BACKSPACE), "\b");
  EXPECT_EQ(bytes(SDLK_BACKSPACE, KMOD_LCTRL), "\x7f");
  EXPECT_EQ(bytes(SDLK_ESCAPE), "\x1b");
  EXPECT_EQ(bytes(SDLK_TAB), "\t");
  EXPECT_EQ(bytes(SDLK_a), "");  // characters arrive as text
  EXPECT_EQ(ctrlCharacterOfSdl(SDLK_v), 'v');
  EXPECT_EQ(charKeyCodes(ctrlCharacterOfSdl(SDLK_v), keyModsOfSdl(KMOD_LCTRL)).codes, U"\x16");
  EXPECT_EQ(ctrlCharacterOfSdl(SDLK_1), 0);
}

TEST(WindowKeys, AltAndBreak) {
  EXPECT_EQ(bytes(SDLK_F4, KMOD_LALT), "END");
  EXPECT_EQ(bytes(SDLK_PAUSE, KMOD_LCTRL), "END");
  EXPECT_EQ(bytes(SDLK_PAUSE), "");
  EXPECT_EQ(bytes(SDLK_LEFT, KMOD_LALT), ext(key::kLeft));
  EXPECT_EQ(bytes(SDLK_RIGHT, KMOD_RALT), ext(key::kRight));
  EXPECT_EQ(bytes(SDLK_UP, KMOD_LALT), "");
  EXPECT_EQ(bytes(SDLK_F1, KMOD_LALT), "");
}

TEST(WindowKeys, KeypadMovesOnlyWithoutNumLock) {
  EXPECT_EQ(bytes(SDLK_KP_8), ext(key::kUp));
  EXPECT_EQ(bytes(SDLK_KP_0), ext(key::kIns));
  EXPECT_EQ(bytes(SDLK_KP_3, KMOD_LCTRL), ext(key::kCtrlPgDn));
  EXPECT_EQ(bytes(SDLK_KP_8, KMOD_NUM), "");
}

TEST(WindowKeys, ChordKeys) {
  EXPECT_EQ(chordKeyOfSdl(SDLK_f), 'f');
  EXPECT_EQ(chordKeyOfSdl(SDLK_q), 'q');
  EXPECT_EQ(chordKeyOfSdl(SDLK_SPACE), ' ');
  EXPECT_EQ(chordKeyOfSdl(SDLK_F1), 0);
  EXPECT_EQ(chordKeyOfSdl(SDLK_1), 0);
}

}  // namespace
