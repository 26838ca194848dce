#include "platform/frontends/braille_keyboard.h"

#include "platform/frontend.h"
#include "platform/speech.h"

namespace {

constexpr int kToneMs = 200;

bool isChordKey(char key) { return key == ' ' || (key >= 'a' && key <= 'z') || (key >= 'A' && key <= 'Z'); }

}  // namespace

void BrailleKeyboard::setMode(BrailleMode mode) {
  const BrailleMode was = mode_;
  mode_ = mode;
  chord_.reset();
  switch (mode) {
    case BrailleMode::Off:
      if (was != BrailleMode::Off) spkTone(100, kToneMs);
      break;
    case BrailleMode::Plain:
      spkTone(800, kToneMs);
      spkTone(1600, kToneMs);
      break;
    case BrailleMode::Signs:
      spkTone(800, kToneMs);
      spkTone(400, kToneMs);
      break;
  }
}

bool BrailleKeyboard::keyDown(char key, bool ctrl) {
  if (mode_ == BrailleMode::Off) return false;
  if (ctrl) {
    chord_.interrupt();
    return false;
  }
  if (!isChordKey(key)) return false;
  chord_.press(brailleChordBit(key));
  return true;
}

void BrailleKeyboard::keyUp(char key) {
  if (mode_ == BrailleMode::Off) return;
  if (!isChordKey(key)) {
    chord_.interrupt();
    return;
  }
  // A full queue drops the chord's character silently.
  if (const auto ch = chord_.release(brailleChordBit(key), mode_)) conQueueKey(*ch);
}

bool BrailleKeyboard::swallowsCharacter(char32_t ch) const {
  return mode_ != BrailleMode::Off && ch < 0x80 && isChordKey(static_cast<char>(ch));
}
