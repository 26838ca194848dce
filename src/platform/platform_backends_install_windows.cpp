// Windows's backends: SAPI 5 in the external engine's place and SDL's audio. Windows has
// no espeak-ng of ours and no BrlAPI: the own synthesizer's factory and the braille
// display's are left out, which stands for silence and no display.
#include "platform/platform_backends.h"
#include "platform/speech/speech_sapi.h"

namespace {

std::unique_ptr<SpeechEngine> makeSystemSapiEngine(const DispatcherSettings& settings, int timeoutMs) {
  return makeSapiEngine(settings, timeoutMs);
}

}  // namespace

void installPlatformBackends() {
  PlatformBackends backends;
  backends.makeExternalEngine = makeSystemSapiEngine;
  backends.makeAudioOutput = makeSdlAudioOutput;
  setPlatformBackends(backends);
}
