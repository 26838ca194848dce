#pragma once
// A frontend shows the console grid and turns the platform's input into the key queue.
// There are three: window (SDL2), terminal (ncurses) and headless (keys from a script,
// screen and transcript to files). The console core calls only this interface.
#include <memory>
#include <string>
#include <string_view>

struct PixelSize {
  int width = 0;
  int height = 0;
};

class Frontend {
 public:
  virtual ~Frontend() = default;
  // Processes pending events, queuing keys through conQueueKey / conQueueExtendedKey.
  // When waitMs > 0 and nothing is pending, waits up to that long for an event.
  virtual void pump(int waitMs) = 0;
  // The grid, the cursor or the overlay changed; repaint when convenient.
  virtual void invalidate() = 0;
  // A key is awaited (show the caret) or no longer awaited.
  virtual void setWaitingForKey(bool waiting) = 0;
  virtual void setTitle(const std::string& title) = 0;
  virtual void beep() = 0;
  // The drawable area in pixels, from which the screen drawing surface is measured.
  virtual PixelSize clientArea() const = 0;
  // How many lines of a page of braille cells (braille_page.h) it shows at once, in
  // place of the picture; 0 for a frontend that shows pictures.
  virtual int braillePageRows() const { return 0; }
  virtual void setClipboard(const std::string& utf8) = 0;
  virtual std::string clipboard() = 0;
};

Frontend& conFrontend();
void conSetFrontend(std::unique_ptr<Frontend> frontend);

// Called by frontends. False when the queue is full and the key was dropped.
bool conQueueKey(char32_t ch);
bool conQueueExtendedKey(unsigned char code);
// Queues all the codes of one key (one, two or three) or none of them.
bool conQueueKeyCodes(std::u32string_view codes);
size_t conQueuedKeyCodes();
// True while the program looks for a key (conKeyWaiting, conGetKey), false while it only
// pumps events (conPause, conFlushKeys). A key script hands over its next key only then.
bool conLookingForKey();
