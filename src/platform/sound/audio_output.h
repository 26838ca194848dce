#pragma once
// An audio backend pulls the mix from the mixer in its own thread. Backends are picked
// by file: audio_sdl.cpp (the real output, reached through platform/platform_backends.h)
// and audio_none.cpp (no device).
#include <memory>

class Mixer;

class AudioOutput {
 public:
  virtual ~AudioOutput() = default;
  // Starts pulling from the mixer. False when there is no device; the caller then goes
  // on silently.
  virtual bool open(Mixer& mixer) = 0;
  virtual void close() = 0;
};

std::unique_ptr<AudioOutput> makeSdlAudioOutput();
std::unique_ptr<AudioOutput> makeNullAudioOutput();
