#pragma once
// The external engine on Windows: the SAPI 5 voices the user already has, in the place
// speech-dispatcher takes on Linux (platform_backends_install_windows.cpp).
#include <windows.h>

#include <memory>

#include "platform/speech/speech_engine.h"

// The few calls of a SAPI voice the engine makes, so that tests (and Wine, whose SAPI
// has no Speak) put in a voice of their own.
class SapiVoice {
 public:
  virtual ~SapiVoice() = default;
  // ISpVoice::Speak with the flags given; the result as SAPI returns it.
  virtual HRESULT speak(const wchar_t* text, DWORD flags) = 0;
  virtual bool speaking() = 0;
};

std::unique_ptr<SpeechEngine> makeSapiEngine(std::unique_ptr<SapiVoice> voice);
// The system's default voice at the settings' rate; null when SAPI can't be had.
std::unique_ptr<SpeechEngine> makeSapiEngine(const DispatcherSettings& settings, int timeoutMs);
