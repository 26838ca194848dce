#pragma once
// The speech engines, the audio output and the braille display that need the platform's
// libraries. The console core reaches them only through this registry, so that a program
// which never installs them (the batch commands) links none of those libraries: its
// speech is then silent, and everything heard is still written to the transcript.
#include <memory>

#include "platform/braille_display/braille_display.h"
#include "platform/sound/audio_output.h"
#include "platform/speech/speech_engine.h"

struct PlatformBackends {
  // The suite's own synthesizer; null from it means it could not start (error filled).
  std::unique_ptr<SpeechEngine> (*makeOwnEngine)(int speed, SynthOutput output, EspeakStartError& error) = nullptr;
  // The external engine; null from it means it can not be reached.
  std::unique_ptr<SpeechEngine> (*makeExternalEngine)(const DispatcherSettings& settings, int timeoutMs) = nullptr;
  std::unique_ptr<AudioOutput> (*makeAudioOutput)() = nullptr;
  // The voices the external engine offers; none when this is null.
  std::vector<std::string> (*listExternalVoices)(int timeoutMs) = nullptr;
  // The braille display of the BRLTTY daemon; null from it means there is none.
  std::unique_ptr<BrailleDisplay> (*takeBrailleDisplay)() = nullptr;
};

// A missing factory stands for silence: the silent engine, no external engine, no
// audio device, no braille display. Takes effect at the next spkStart and the next
// opening of the audio.
void setPlatformBackends(const PlatformBackends& backends);
const PlatformBackends& platformBackends();

// Installs espeak-ng, speech-dispatcher, SDL audio and BrlAPI. Only the interactive
// program's entry calls it: calling it is what links those libraries in.
void installPlatformBackends();
