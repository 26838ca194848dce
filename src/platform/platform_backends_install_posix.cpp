// Kept apart from the registry: this file is the only reference to the platform's
// speech, audio and braille display, and the linker takes it only into a program that
// calls it.
#include "platform/braille_display/braille_display_brlapi.h"
#include "platform/platform_backends.h"

void installPlatformBackends() {
  setPlatformBackends({makeEspeakEngine, makeDispatcherEngine, makeSdlAudioOutput, listDispatcherVoices, takeBrlapiDisplay});
}
