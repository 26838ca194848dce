#pragma once
// The functions of SDL that the window and the sound call, from the library opened
// when first needed (platform/loaded_library.h).
#include <SDL.h>

#include "platform/loaded_library.h"

#define PX_SDL_FUNCTIONS(X) X(SDL_CloseAudioDevice) X(SDL_CreateRGBSurfaceWithFormat) \
  X(SDL_CreateWindow) X(SDL_DestroyWindow) X(SDL_FreeSurface) X(SDL_GetClipboardText) \
  X(SDL_GetCurrentVideoDriver) X(SDL_GetDisplayBounds) X(SDL_GetDisplayUsableBounds) \
  X(SDL_GetError) X(SDL_GetWindowSize) X(SDL_GetWindowSurface) X(SDL_InitSubSystem) \
  X(SDL_LockSurface) X(SDL_OpenAudioDevice) X(SDL_PauseAudioDevice) X(SDL_PollEvent) \
  X(SDL_QuitSubSystem) X(SDL_SetClipboardText) X(SDL_SetHint) \
  X(SDL_SetWindowMaximumSize) X(SDL_SetWindowMinimumSize) X(SDL_SetWindowTitle) \
  X(SDL_StartTextInput) X(SDL_UnlockSurface) X(SDL_UpdateWindowSurface) X(SDL_UpperBlit) \
  X(SDL_WaitEventTimeout) X(SDL_WasInit) X(SDL_free) X(SDL_getenv)

PX_DECLARE_LIBRARY(SdlLibrary, sdlLibrary, sdl, PX_SDL_FUNCTIONS)
