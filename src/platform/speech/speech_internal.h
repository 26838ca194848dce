#pragma once
// State that the speech services' files share: the engines chosen by spkStart.
#include <memory>
#include <string>

#include "platform/speech/speech_engine.h"
#include "platform/speech/speech_plan.h"

struct SpeechServices {
  int speed = 3;
  std::string soundDir;
  SpeechPauses pauses;
  // The suite's own synthesizer (or the silent engine), always there once started.
  std::unique_ptr<SpeechEngine> own;
  // The external engine, when the configuration or the command line asks for it and
  // it could be reached.
  std::unique_ptr<SpeechEngine> external;
};

SpeechServices& speechServices();
// The engine that speaks now: the external one while it works, else the own one; null
// before spkStart.
SpeechEngine* activeEngine();
// True when a key is queued. Asked often while synthesizing, so the frontend is polled
// at most every few milliseconds.
bool keyInterrupts();
