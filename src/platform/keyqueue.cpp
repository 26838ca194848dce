// The key queue, the frontend that feeds it, and the waiting operations that pump it.
#include <array>
#include <chrono>
#include <thread>
#include <utility>

#include "platform/braille_display/braille_display.h"
#include "platform/core_internal.h"
#include "platform/frontend.h"
#include "platform/frontends/headless.h"
#include "platform/keys.h"
#include "platform/screen.h"
#include "platform/speech.h"

namespace {

constexpr size_t kQueueSize = 64;
// How long one pump may wait for an event while a key is awaited.
constexpr int kKeyWaitSliceMs = 50;

struct KeyQueue {
  std::array<char32_t, kQueueSize> codes{};
  size_t head = 0;
  size_t count = 0;

  bool push(std::u32string_view keyCodes) {
    if (keyCodes.empty() || count + keyCodes.size() > kQueueSize) return false;
    for (char32_t c : keyCodes) {
      codes[(head + count) % kQueueSize] = c;
      ++count;
    }
    return true;
  }
  char32_t at(size_t i) const { return codes[(head + i) % kQueueSize]; }
  char32_t pop() {
    const char32_t b = codes[head];
    head = (head + 1) % kQueueSize;
    --count;
    return b;
  }
};

KeyQueue gQueue;
bool gWaiting = false;
// The next key read is dropped when it is Enter (conDropNextEnter).
bool gDropEnter = false;
bool gLooking = false;

// Pumps the frontend with the program looking for a key (or not).
void pumpLooking(bool looking, int waitMs) {
  const bool before = gLooking;
  gLooking = looking;
  // The display's keys first: a headless frontend ends the program in its pump when the
  // program waits and its script has run out.
  conPollBrailleDisplay();
  conFrontend().pump(waitMs);
  gLooking = before;
}
std::unique_ptr<Frontend> gFrontend;
ConEndHandler gEndHandler;

}  // namespace

Frontend& conFrontend() {
  // Until the program installs one, a headless frontend without keys stands in: output
  // goes to the grid only and a key wait ends the program.
  if (!gFrontend) gFrontend = makeHeadlessFrontend({});
  return *gFrontend;
}

void conSetFrontend(std::unique_ptr<Frontend> frontend) { gFrontend = std::move(frontend); }

bool conQueueKey(char32_t ch) { return gQueue.push(std::u32string_view(&ch, 1)); }

bool conQueueExtendedKey(unsigned char code) {
  const char32_t pair[2] = {0, code};
  return gQueue.push(std::u32string_view(pair, 2));
}

bool conQueueKeyCodes(std::u32string_view codes) { return gQueue.push(codes); }

size_t conQueuedKeyCodes() { return gQueue.count; }

bool conLookingForKey() { return gLooking; }

bool conKeyWaiting() {
  pumpLooking(true, 0);
  return gQueue.count > 0;
}

bool conKeyPending() {
  pumpLooking(false, 0);
  return gQueue.count > 0;
}

void conWaitForKey() {
  if (gQueue.count > 0) return;
  gWaiting = true;
  conFrontend().setWaitingForKey(true);
  while (gQueue.count == 0) pumpLooking(true, kKeyWaitSliceMs);
  gWaiting = false;
  conFrontend().setWaitingForKey(false);
}

char32_t conGetKey() {
  for (;;) {
    conWaitForKey();
    const char32_t key = gQueue.pop();
    if (std::exchange(gDropEnter, false) && key == key::kEnter) continue;
    return key;
  }
}

void conDropNextEnter(bool on) { gDropEnter = on; }

bool conWaitingForKey() { return gWaiting; }

KeyPair conPeekKey() {
  KeyPair pair;
  if (gQueue.count > 0) pair.first = static_cast<int>(gQueue.at(0));
  if (gQueue.count > 1) pair.second = static_cast<int>(gQueue.at(1));
  return pair;
}

void conFlushKeys() {
  // Only keys already pressed are discarded; a pump that is not looking for a key takes
  // no new key from a key script.
  for (;;) {
    pumpLooking(false, 0);
    if (gQueue.count == 0) return;
    while (gQueue.count > 0) gQueue.pop();
  }
}

void conPause(int milliseconds) {
  if (milliseconds > 0) std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
  pumpLooking(false, 0);
}

void conResetKeys() {
  gQueue = KeyQueue{};
  gWaiting = false;
  gLooking = false;
}

void conSetEndHandler(ConEndHandler handler) { gEndHandler = std::move(handler); }

void conEndAtOnce(int status) {
  if (gEndHandler) gEndHandler(status);
  std::exit(status);
}

ConKey conReadKeyEvent() {
  const int first = static_cast<int>(conGetKey());
  if (first != 0) return {first, false, false};
  const int second = static_cast<int>(conGetKey());
  if (second == key::kShiftPrefix || second == key::kCtrlShiftPrefix || second == key::kAltPrefix) {
    return {static_cast<int>(conGetKey()), true, second != key::kAltPrefix};
  }
  return {second, true, false};
}
