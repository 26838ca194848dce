#pragma once
// The functions of speech-dispatcher's client that the speech calls, from the library
// opened when first needed (platform/loaded_library.h).
#include <libspeechd.h>

#include "platform/loaded_library.h"

#define PX_SPEECHD_FUNCTIONS(X) X(free_spd_modules) X(free_spd_voices) X(spd_cancel) \
  X(spd_close) X(spd_list_modules) X(spd_list_synthesis_voices) X(spd_open2) X(spd_say) \
  X(spd_set_language) X(spd_set_notification_on) X(spd_set_spelling) \
  X(spd_set_synthesis_voice) X(spd_set_voice_pitch) X(spd_set_voice_rate) \
  X(spd_set_volume)

PX_DECLARE_LIBRARY(SpeechdLibrary, speechdLibrary, speechd, PX_SPEECHD_FUNCTIONS)
