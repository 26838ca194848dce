#include "platform/speech/speechd_library.h"

PX_DEFINE_LIBRARY(SpeechdLibrary, speechdLibrary, PX_SPEECHD_FUNCTIONS, "libspeechd.so.2")
