#include "platform/braille_display/brlapi_library.h"

PX_DEFINE_LIBRARY(BrlapiLibrary, brlapiLibrary, PX_BRLAPI_FUNCTIONS, "libbrlapi.so.0.8")
