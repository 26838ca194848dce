#include "platform/braille_library.h"

PX_DEFINE_LIBRARY(BrailleLibrary, brailleLibrary, PX_LIBLOUIS_FUNCTIONS, "liblouis.so.20")
