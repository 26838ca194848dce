// Kept apart from the registry: this file is the only reference to the platform's
// speech and audio, and the linker takes it only into a program that calls it.
#include "console/platform_backends.h"

void installPlatformBackends() { setPlatformBackends({makeEspeakEngine, makeDispatcherEngine, makeSdlAudioOutput, listDispatcherVoices}); }
