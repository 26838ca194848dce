#pragma once
// The functions of espeak-ng, the program's own synthesizer, that the speech calls,
// from the library opened when first needed (platform/loaded_library.h).
#include <espeak-ng/speak_lib.h>

#include "platform/loaded_library.h"

#define PX_ESPEAK_FUNCTIONS(X) X(espeak_Char) X(espeak_GetCurrentVoice) X(espeak_Info) X(espeak_Initialize) \
  X(espeak_SetParameter) X(espeak_SetSynthCallback) X(espeak_SetVoiceByName) \
  X(espeak_Synth)

PX_DECLARE_LIBRARY(EspeakLibrary, espeakLibrary, espeak, PX_ESPEAK_FUNCTIONS)
