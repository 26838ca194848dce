#pragma once
// SDL keys in the console's terms. Pure functions: the window calls them for each key
// event and the keymap (platform/keymap.h) gives the bytes to queue.
#include <SDL_keycode.h>

#include <optional>

#include "platform/keymap.h"

KeyMods keyModsOfSdl(Uint16 mod);

// The console key of an SDL key that types no character (function, movement and
// editing keys, Enter, Esc, Tab, Backspace, Ctrl+Break), the keypad's movement keys
// with Num Lock off included. Empty for character keys and keys the console ignores.
std::optional<PcKey> pcKeyOfSdl(SDL_Keycode sym, Uint16 mod);

// The character that a key gives with Ctrl held (a letter, '[', '\', ']'
// or the space bar), or 0: SDL sends no text for such keys.
unsigned char ctrlCharacterOfSdl(SDL_Keycode sym);

// The letter (lower case) or ' ' of a key for the Braille chords; 0 for any other key.
char chordKeyOfSdl(SDL_Keycode sym);
