#pragma once
// The window's six-key Braille typing: the mode, its tones, and the chords fed from key
// presses and releases. Platform-free; the window reports keys by their letter.
#include "platform/frontends/braille_chord.h"

class BrailleKeyboard {
 public:
  BrailleMode mode() const { return mode_; }
  // Changes the mode with its tones: off 100 Hz (only when it was on); mode 1 800 then
  // 1600 Hz; mode 2 800 then 400 Hz.
  void setMode(BrailleMode mode);
  // Ctrl+Alt+F11.
  void nextMode() { setMode(brailleNextMode(mode_)); }

  // A key went down: `key` is its letter (either case), ' ' for the space bar, or 0 for
  // any other key. True when the chord logic took it (nothing else may be queued).
  bool keyDown(char key, bool ctrl);
  // A key went up; queues the character of a completed chord.
  void keyUp(char key);
  // In Braille mode the space bar and the letters type only through chords.
  bool swallowsCharacter(char32_t ch) const;

 private:
  BrailleMode mode_ = BrailleMode::Off;
  BrailleChord chord_;
};
