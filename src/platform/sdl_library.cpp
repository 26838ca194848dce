#include "platform/sdl_library.h"

PX_DEFINE_LIBRARY(SdlLibrary, sdlLibrary, PX_SDL_FUNCTIONS, "libSDL2-2.0.so.0", "SDL2.dll")
