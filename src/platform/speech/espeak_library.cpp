#include "platform/speech/espeak_library.h"

PX_DEFINE_LIBRARY(EspeakLibrary, espeakLibrary, PX_ESPEAK_FUNCTIONS, "libespeak-ng.so.1")
