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
  std::array<unsigned char, kQueueSize> bytes{};
  size_t head = 0;
  size_t count = 0;

  bool push(std::string_view keyBytes) {
    if (keyBytes.empty() || count + keyBytes.size() > kQueueSize) return false;
    for (char b : keyBytes) {
      bytes[(head + count) % kQueueSize] = static_cast<unsigned char>(b);
      ++count;
    }
    return true;
  }
  unsigned char at(size_t i) const { return bytes[(head + i) % kQueueSize]; }
  unsigned char pop() {
    const unsigned char b = bytes[head];
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

bool conQueueKey(unsigned char ch) { return gQueue.push(std::string_view(reinterpret_cast<char*>(&ch), 1)); }

bool conQueueExtendedKey(unsigned char code) {
  const char pair[2] = {0, static_cast<char>(code)};
  return gQueue.push(std::string_view(pair, 2));
}

bool conQueueKeyBytes(std::string_view bytes) { return gQueue.push(bytes); }

size_t conQueuedKeyBytes() { return gQueue.count; }

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

unsigned char conGetKey() {
  for (;;) {
    conWaitForKey();
    const unsigned char key = gQueue.pop();
    if (std::exchange(gDropEnter, false) && key == key::kEnter) continue;
    return key;
  }
}

void conDropNextEnter(bool on) { gDropEnter = on; }

bool conWaitingForKey() { return gWaiting; }

KeyPair conPeekKey() {
  KeyPair pair;
  if (gQueue.count > 0) pair.first = gQueue.at(0);
  if (gQueue.count > 1) pair.second = gQueue.at(1);
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
  const int first = conGetKey();
  if (first != 0) return {first, false, false};
  const int second = conGetKey();
  if (second == key::kShiftPrefix || second == key::kCtrlShiftPrefix || second == key::kAltPrefix) {
    return {conGetKey(), true, second != key::kAltPrefix};
  }
  return {second, true, false};
}
