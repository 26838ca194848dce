// Starting and finishing speech: the speed, the own synthesizer's settings, the
// directories of recordings and the choice of engine, from Tramel.ini and the command
// line.
#include <string>

#include "platform/config/config.h"
#include "platform/console.h"
#include "platform/keys.h"
#include "platform/config/options.h"
#include "platform/platform_backends.h"
#include "platform/screen.h"
#include "platform/sound/audio.h"
#include "platform/speech.h"
#include "platform/speech/recordings.h"
#include "platform/speech/speech_internal.h"
#include "platform/text/platform_texts.h"

namespace {

constexpr const char* kDefaultLettersDir = "c:/tramhome/som/letras";
// The speech server is local; one that has not answered, and finished a silent test
// message, by then is not coming.
constexpr int kDispatcherTimeoutMs = 3000;
constexpr int kFinishSliceMs = 10;

// A whole decimal number, blanks around it allowed; `fallback` for anything else.
int readInt(const std::string& text, int fallback) {
  int value = fallback;
  return cfgWholeNumber(text, value) ? value : fallback;
}

int configuredSpeed() {
  const int speed = readInt(cfgReadValue("TRADUTOR", "VELOCIDADE"), 3);
  return speed >= 1 && speed <= 5 ? speed : 3;
}

int readPause(const char* key, int speed, int fallback) {
  const int ms = readInt(cfgReadValue("SINTETIZADOR", key + std::to_string(speed)), fallback);
  return ms >= 0 ? ms : fallback;
}

SpeechPauses configuredPauses(int speed) {
  const SpeechPauses defaults;
  return {readPause("PAUSAVIRG", speed, defaults.comma), readPause("PAUSAPONTO", speed, defaults.stop),
          readPause("PAUSADOISPONTOS", speed, defaults.colon)};
}

bool externalEngineWanted(SpeechChoice choice) {
  if (choice == SpeechChoice::Speechd) return true;
  if (choice != SpeechChoice::Auto) return false;
  // Without a synthesizer of its own (Windows), the external engine is the only voice.
  if (!platformBackends().makeOwnEngine) return true;
  const std::string sapi = cfgReadValue("TRADUTOR", "SAPI");
  return !sapi.empty() && sapi[0] != 'N' && sapi[0] != 'n';
}

// SERVFALA's rate and pitch count from -10 to 10; the server's from -100 to 100. A rate
// above 10 is taken as 0, except for engine kind 4, whose rates run higher.
DispatcherSettings configuredDispatcher() {
  const int kind = readInt(cfgReadValue("SERVFALA", "TIPOSAPI"), 0);
  int rate = readInt(cfgReadValue("SERVFALA", "VELOCIDADE"), 0);
  if (rate > 10 && kind != 4) rate = 0;
  return {readInt(cfgReadValue("SERVFALA", "VOZ"), 0), rate * 10, readInt(cfgReadValue("SERVFALA", "TOM"), 0) * 10};
}

// Synthesis runs far ahead of playback; a very long text waits here instead of
// filling memory with its whole sound.
constexpr double kMaxSecondsAhead = 60;
constexpr int kAheadSliceMs = 20;

void queueSynthesized(const int16_t* samples, size_t count, int rate) {
  while (audioSecondsHeld(Channel::Voice) > kMaxSecondsAhead && audioSounding() && !keyInterrupts()) {
    conPause(kAheadSliceMs);
  }
  audioAppend(Channel::Voice, samples, count, rate);
}

// Without an audio device nobody would hear the synthesis: it is not even started.
SynthOutput toAudioQueue() { return {queueSynthesized, [] { return !audioAvailable() || keyInterrupts(); }}; }

// Without its synthesizer the program can not talk to its user at all: say so on the
// screen, wait for Enter and end.
[[noreturn]] void failToStart(const EspeakStartError& error) {
  conWriteLine(platformSentence(PlatformSentence::SpeechDidNotStart, {std::to_string(error.code)}));
  conWriteLine(platformSentence(PlatformSentence::VoiceData, {error.voiceData}));
  while (conGetKey() != key::kEnter) {
  }
  conEndAtOnce(1);
}

}  // namespace

void spkStart(int speed, const std::string& soundDir) {
  SpeechServices& s = speechServices();
  s.external.reset();
  s.own.reset();
  cfgSetLegacyMode(cfgStartsWithS(cfgReadValue("TRAMEL", "LEGADO")));
  s.speed = speed <= 0 ? configuredSpeed() : speed <= 5 ? speed : 3;
  s.pauses = configuredPauses(s.speed);
  // An empty directory keeps the one given before (restarting at another speed).
  if (!soundDir.empty() || s.soundDir.empty()) s.soundDir = soundDir.empty() ? "." : soundDir;

  const SpeechChoice choice = conOptions().speech;
  const PlatformBackends& backends = platformBackends();
  if (choice == SpeechChoice::None || !backends.makeOwnEngine) {
    s.own = makeSilentEngine();
  } else {
    EspeakStartError error;
    s.own = backends.makeOwnEngine(s.speed, toAudioQueue(), error);
    if (!s.own) failToStart(error);
  }

  std::string letters = cfgReadValue("TRADUTOR", "DIRLETRAS");
  recSetDirectories(s.soundDir, letters.empty() ? kDefaultLettersDir : letters);

  // An external engine that can not be reached leaves the own synthesizer speaking.
  if (backends.makeExternalEngine && externalEngineWanted(choice)) {
    s.external = backends.makeExternalEngine(configuredDispatcher(), kDispatcherTimeoutMs);
  }
}

bool spkExternalEngineMissing() {
  if (!platformBackends().makeExternalEngine || !externalEngineWanted(conOptions().speech)) return false;
  activeEngine();  // drops an external engine that has failed since
  return !speechServices().external;
}

std::vector<std::string> spkExternalVoices() {
  const PlatformBackends& backends = platformBackends();
  if (conOptions().speech == SpeechChoice::None || !backends.listExternalVoices) return {};
  return backends.listExternalVoices(kDispatcherTimeoutMs);
}

void spkFinish() {
  SpeechServices& s = speechServices();
  while (spkBusy()) conPause(kFinishSliceMs);
  spkStop();
  s.external.reset();
  s.own.reset();
  audioShutdown();
}
