#include "platform/text/platform_texts.h"
#include "platform/frontends/window.h"

#include <SDL.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

#include "platform/frontends/braille_keyboard.h"
#include "platform/frontends/window_font.h"
#include "platform/frontends/window_keys.h"
#include "platform/frontends/window_paint.h"
#include "platform/frontends/window_settings.h"
#include "platform/keymap.h"
#include "platform/screen.h"
#include "platform/sdl_library.h"
#include "platform/text/program_file.h"
#include "platform/text/text.h"

namespace {

// Set when the program ends (std::exit, also the one the display's library calls when
// the display is gone). The window is then left to the display server, which closes it
// with the connection: destroying it on a display that went away can wait forever.
bool gProgramEnding = false;

// SDL's drivers that show a window to a user; the others (offscreen, dummy) show none.
bool isRealDisplayDriver(const char* driver) {
  return driver != nullptr && (std::strcmp(driver, "x11") == 0 || std::strcmp(driver, "wayland") == 0 ||
                               std::strcmp(driver, "windows") == 0);
}

// Initialises SDL's video on its own (audio has its own initialisation elsewhere).
bool initVideo(std::string& error) {
  if (!sdlLibrary()) {
    error = platformSentence(PlatformSentence::NoSdlLibrary, {});
    return false;
  }
  if (sdl().SDL_WasInit(SDL_INIT_VIDEO) == 0 && sdl().SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    error = sdl().SDL_GetError();
    return false;
  }
  if (!isRealDisplayDriver(sdl().SDL_GetCurrentVideoDriver())) {
    const char* driver = sdl().SDL_GetCurrentVideoDriver();
    error = platformSentence(PlatformSentence::NoDisplay, {driver ? driver : "?"});
    sdl().SDL_QuitSubSystem(SDL_INIT_VIDEO);
    return false;
  }
  return true;
}

// The program's own file name, the window's first title.
std::string programName() {
  const std::string full = ownProgramFile();
  if (full.empty()) return "pontelix";
  return std::filesystem::path(full).filename().string().substr(0, 80);
}

class WindowFrontend : public Frontend {
 public:
  bool open(std::string& error);
  ~WindowFrontend() override;

  void pump(int waitMs) override;
  void invalidate() override { dirty_ = true; }
  void setWaitingForKey(bool waiting) override {
    waiting_ = waiting;
    dirty_ = true;
    if (waiting) pump(0);  // the caret shows before the wait begins
  }
  void setTitle(const std::string& title) override {
    sdl().SDL_SetWindowTitle(window_, asUtf8(title).c_str());
  }
  void beep() override {}  // the console sounds BEL through the speech services
  PixelSize clientArea() const override {
    int w = 0, h = 0;
    sdl().SDL_GetWindowSize(window_, &w, &h);
    return PixelSize{w, h};
  }
  void setClipboard(const std::string& utf8) override { sdl().SDL_SetClipboardText(utf8.c_str()); }
  std::string clipboard() override {
    char* text = sdl().SDL_GetClipboardText();
    std::string s = text != nullptr ? text : "";
    sdl().SDL_free(text);
    return s;
  }

 private:
  void handle(const SDL_Event& e);
  void keyDown(const SDL_KeyboardEvent& k);
  void keyUp(const SDL_KeyboardEvent& k);
  void text(const char* utf8);
  void paint();

  SDL_Window* window_ = nullptr;
  SDL_Surface* canvas_ = nullptr;  // 0x00RRGGBB, the client area's size
  WindowFont font_;
  BrailleKeyboard braille_;
  bool focus_ = false;
  bool waiting_ = false;
  bool dirty_ = true;
  bool textAllowed_ = true;
};

bool WindowFrontend::open(std::string& error) {
  if (!initVideo(error)) return false;
  SDL_Rect screen{0, 0, 1024, 768};
  if (sdl().SDL_GetDisplayBounds(0, &screen) != 0 || screen.w <= 0 || screen.h <= 0) screen = SDL_Rect{0, 0, 1024, 768};
  SDL_Rect work = screen;  // the screen less the desktop's panels
  if (sdl().SDL_GetDisplayUsableBounds(0, &work) != 0 || work.w <= 0 || work.h <= 0) work = screen;
  const WindowSettings s = readWindowSettings(work.w, work.h);
  font_.open(s.face, s.cellWidth, s.cellHeight, s.weight);
  const int gridW = kConColumns * font_.cellWidth(), gridH = kConRows * font_.cellHeight();
  // The grid is painted in software; a renderer behind the window surface would make SDL
  // recreate the window (a new X window) on the first paint.
  sdl().SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  Uint32 flags = SDL_WINDOW_RESIZABLE | SDL_WINDOW_SHOWN;
  if (s.maximized) flags |= SDL_WINDOW_MAXIMIZED;
  window_ = sdl().SDL_CreateWindow(programName().c_str(), SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED,
                             std::min(gridW, work.w), std::min(gridH, work.h), flags);
  if (window_ == nullptr) {
    error = sdl().SDL_GetError();
    return false;
  }
  sdl().SDL_SetWindowMinimumSize(window_, 16 * font_.cellWidth(), 4 * font_.cellHeight());
  sdl().SDL_SetWindowMaximumSize(window_, std::min(gridW, screen.w), std::min(gridH, screen.h));
  sdl().SDL_StartTextInput();
  braille_.setMode(s.braille);
  paint();
  return true;
}

WindowFrontend::~WindowFrontend() {
  // The canvas is memory of this program only; the window is the display's.
  if (canvas_ != nullptr) sdl().SDL_FreeSurface(canvas_);
  if (window_ != nullptr && !gProgramEnding) sdl().SDL_DestroyWindow(window_);
}

void WindowFrontend::pump(int waitMs) {
  SDL_Event e;
  if (dirty_) paint();
  if (waitMs > 0 ? sdl().SDL_WaitEventTimeout(&e, waitMs) : sdl().SDL_PollEvent(&e)) {
    handle(e);
    while (sdl().SDL_PollEvent(&e)) handle(e);
  }
  if (dirty_) paint();
}

void WindowFrontend::handle(const SDL_Event& e) {
  switch (e.type) {
    case SDL_QUIT:
      conEndAtOnce(0);
    case SDL_WINDOWEVENT:
      switch (e.window.event) {
        case SDL_WINDOWEVENT_CLOSE: conEndAtOnce(0);
        case SDL_WINDOWEVENT_FOCUS_GAINED: focus_ = true; break;
        case SDL_WINDOWEVENT_FOCUS_LOST: focus_ = false; break;
        default: break;
      }
      dirty_ = true;
      break;
    case SDL_KEYDOWN: keyDown(e.key); break;
    case SDL_KEYUP: keyUp(e.key); break;
    case SDL_TEXTINPUT: text(e.text.text); break;
    default: break;
  }
}

void WindowFrontend::keyDown(const SDL_KeyboardEvent& k) {
  const SDL_Keycode sym = k.keysym.sym;
  const Uint16 mod = k.keysym.mod;
  const KeyMods mods = keyModsOfSdl(mod);
  // The text SDL sends after this key press: Left Alt with a character belongs to the
  // system, and characters with Ctrl are queued below as control codes. AltGr (right
  // Alt) types characters.
  textAllowed_ = !(mod & KMOD_LALT) && !((mod & KMOD_CTRL) && !(mod & (KMOD_RALT | KMOD_MODE)));
  // The X server takes Ctrl+Alt+F11 and F12 for switching virtual terminals, so the
  // Braille mode keys are also Ctrl+Shift+F11 and F12.
  if (mods.ctrl && (mods.alt || mods.shift) && (sym == SDLK_F11 || sym == SDLK_F12)) {
    if (k.repeat == 0) {
      if (sym == SDLK_F12) braille_.setMode(BrailleMode::Off);
      else braille_.nextMode();
    }
    return;
  }
  if (braille_.keyDown(chordKeyOfSdl(sym), mods.ctrl)) return;
  if (const auto pc = pcKeyOfSdl(sym, k.keysym.mod)) {
    deliverKeyCodes(pcKeyCodes(*pc, mods));
    return;
  }
  // SDL sends no text for characters typed with Ctrl: they are the control codes.
  if (mods.ctrl && !mods.alt) {
    if (const unsigned char ch = ctrlCharacterOfSdl(sym)) deliverKeyCodes(charKeyCodes(ch, mods));
  }
}

void WindowFrontend::keyUp(const SDL_KeyboardEvent& k) { braille_.keyUp(chordKeyOfSdl(k.keysym.sym)); }

void WindowFrontend::text(const char* utf8) {
  if (!textAllowed_) return;
  const std::string_view typed(utf8);
  for (size_t i = 0, length = 1; i < typed.size(); i += length) {
    const char32_t ch = characterAt(typed, i, length);
    if (braille_.swallowsCharacter(ch)) continue;
    deliverKeyCodes(charKeyCodes(ch, KeyMods{}));
  }
}

void WindowFrontend::paint() {
  dirty_ = false;
  SDL_Surface* screen = sdl().SDL_GetWindowSurface(window_);
  if (screen == nullptr) return;
  if (canvas_ == nullptr || canvas_->w != screen->w || canvas_->h != screen->h) {
    if (canvas_ != nullptr) sdl().SDL_FreeSurface(canvas_);
    canvas_ = sdl().SDL_CreateRGBSurfaceWithFormat(0, screen->w, screen->h, 32, SDL_PIXELFORMAT_RGB888);
    if (canvas_ == nullptr) return;
  }
  sdl().SDL_LockSurface(canvas_);
  paintConsole(PixelBuffer{static_cast<std::uint32_t*>(canvas_->pixels), canvas_->w, canvas_->h, canvas_->pitch / 4},
               font_, waiting_ && focus_);
  sdl().SDL_UnlockSurface(canvas_);
  sdl().SDL_UpperBlit(canvas_, nullptr, screen, nullptr);
  sdl().SDL_UpdateWindowSurface(window_);
}

}  // namespace

bool displayAnnounced() {
#ifdef _WIN32
  return true;
#else
  const char* x11 = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  return (x11 && *x11) || (wayland && *wayland);
#endif
}

bool windowDisplayReachable() {
  if (!displayAnnounced()) return false;
  std::string error;
  if (!initVideo(error)) return false;
  sdl().SDL_QuitSubSystem(SDL_INIT_VIDEO);
  return true;
}

std::unique_ptr<Frontend> makeWindowFrontend(std::string& error) {
  // Registered after the frontend's holder was made, so run before it is destroyed.
  static const bool noted = std::atexit([] { gProgramEnding = true; }) == 0;
  (void)noted;
  auto frontend = std::make_unique<WindowFrontend>();
  if (!frontend->open(error)) return nullptr;
  return frontend;
}
