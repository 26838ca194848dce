#include "platform/frontends/window_keys.h"

KeyMods keyModsOfSdl(Uint16 mod) {
  return KeyMods{(mod & KMOD_SHIFT) != 0, (mod & KMOD_CTRL) != 0, (mod & KMOD_ALT) != 0};
}

std::optional<PcKey> pcKeyOfSdl(SDL_Keycode sym, Uint16 mod) {
  if (sym >= SDLK_F1 && sym <= SDLK_F12) {
    return static_cast<PcKey>(static_cast<int>(PcKey::F1) + (sym - SDLK_F1));
  }
  const bool numLock = (mod & KMOD_NUM) != 0;
  switch (sym) {
    case SDLK_INSERT: return PcKey::Insert;
    case SDLK_DELETE: return PcKey::Delete;
    case SDLK_HOME: return PcKey::Home;
    case SDLK_END: return PcKey::End;
    case SDLK_PAGEUP: return PcKey::PageUp;
    case SDLK_PAGEDOWN: return PcKey::PageDown;
    case SDLK_UP: return PcKey::Up;
    case SDLK_DOWN: return PcKey::Down;
    case SDLK_LEFT: return PcKey::Left;
    case SDLK_RIGHT: return PcKey::Right;
    case SDLK_RETURN: case SDLK_RETURN2: case SDLK_KP_ENTER: return PcKey::Enter;
    case SDLK_ESCAPE: return PcKey::Escape;
    case SDLK_TAB: return PcKey::Tab;
    case SDLK_BACKSPACE: return PcKey::Backspace;
    case SDLK_PAUSE: case SDLK_SCROLLLOCK: case SDLK_CANCEL:
      if (mod & KMOD_CTRL) return PcKey::Break;
      return std::nullopt;
    default: break;
  }
  if (numLock) return std::nullopt;  // the keypad types digits then
  switch (sym) {
    case SDLK_KP_0: return PcKey::Insert;
    case SDLK_KP_PERIOD: return PcKey::Delete;
    case SDLK_KP_7: return PcKey::Home;
    case SDLK_KP_1: return PcKey::End;
    case SDLK_KP_9: return PcKey::PageUp;
    case SDLK_KP_3: return PcKey::PageDown;
    case SDLK_KP_8: return PcKey::Up;
    case SDLK_KP_2: return PcKey::Down;
    case SDLK_KP_4: return PcKey::Left;
    case SDLK_KP_6: return PcKey::Right;
    default: return std::nullopt;
  }
}

unsigned char ctrlCharacterOfSdl(SDL_Keycode sym) {
  if ((sym >= SDLK_a && sym <= SDLK_z) || sym == SDLK_LEFTBRACKET || sym == SDLK_BACKSLASH ||
      sym == SDLK_RIGHTBRACKET || sym == SDLK_SPACE) {
    return static_cast<unsigned char>(sym);
  }
  return 0;
}

char chordKeyOfSdl(SDL_Keycode sym) {
  if ((sym >= SDLK_a && sym <= SDLK_z) || sym == SDLK_SPACE) return static_cast<char>(sym);
  return 0;
}
