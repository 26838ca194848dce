#pragma once
// Six-key Braille typing: F D S J K L are dots 1 to 6 and the space bar joins them.
// The keyboard reports key presses and releases; a chord is complete when the last
// held chord key is released, and gives at most one character. Platform-
// free: the window feeds it from its key events.
#include <optional>

// Bit values in a chord: dots 1..6 are 1, 2, 4, 8, 16, 32; the space bar is 64.
constexpr int kBrailleSpaceBit = 64;

// 0 off; 1 plain chords; 2 chords with the number, capital and punctuation signs.
enum class BrailleMode { Off = 0, Plain = 1, Signs = 2 };

// The character of a dot pattern (0..63); pattern 0 is a blank.
char32_t brailleTableChar(int pattern);

// The chord bit of a key: 1..32 for f d s j k l (either case), 64 for the space bar,
// 0 for any other key.
int brailleChordBit(char key);

// The mode Ctrl+Alt+F11 moves to: off -> 1 -> 2 -> 1.
BrailleMode brailleNextMode(BrailleMode mode);

// The mode at start from BRAILLE/MODO: the low two bits of its first character, 3
// counting as 1.
BrailleMode brailleModeFromSetting(const char* value);

class BrailleChord {
 public:
  // A letter key or the space bar went down (bit from brailleChordBit; 0 for a letter
  // that is not a chord key, which still starts a chord).
  void press(int bit);
  // A letter key or the space bar went up; bit is 0 for a letter that is not a chord
  // key. When no chord key is held any more the chord is complete: returns its
  // character, or nothing when the signs of mode 2 swallow it. A release without a
  // press since the last chord (a letter typed with Ctrl) completes nothing.
  std::optional<char32_t> release(int bit, BrailleMode mode);
  // Another key was released, or Ctrl is held: number mode and word capitals end.
  void interrupt();
  // Forgets the chord in progress and every sign (the mode changed).
  void reset();

  bool numberMode() const { return number_; }

 private:
  std::optional<char32_t> applySigns(char32_t ch);

  int chord_ = 0;
  int held_ = 0;
  bool started_ = false;
  bool number_ = false;
  bool capitalLetter_ = false;  // the next letter only
  bool capitalWord_ = false;    // every letter until the word ends
};
