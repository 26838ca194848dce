#pragma once
// A speech engine: what the speech services need of a synthesizer. Engines are picked
// by file: speech_espeak.cpp (the suite's own synthesizer, speaking into our audio
// output), speech_dispatcher.cpp (the external engine) and speech_none.cpp (silence);
// the speech services reach the first two only through platform/platform_backends.h.
// Texts are UTF-8.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class SpeechEngine {
 public:
  virtual ~SpeechEngine() = default;
  // True for the suite's own synthesizer: spkSay walks the text in front of it
  // (numbers, pauses, ticks) and its speech is heard through our audio output.
  virtual bool walksText() const = 0;
  // The own synthesizer returns once the speech is handed to the audio output; the
  // external engine returns while it is still speaking.
  virtual void say(std::string_view text) = 0;
  virtual void sayCharacter(char32_t ch) = 0;
  // Only the external engine knows; the own synthesizer's speech is in the audio queue.
  virtual bool busy() { return false; }
  virtual void stop() {}
  // True once the engine has shown that it cannot speak (the external engine lost its
  // server, or takes texts without ever sounding them); the services then fall back.
  virtual bool failed() const { return false; }
};

// Where the own synthesizer's samples go (signed 16-bit mono at `rate`), and how it
// learns that a key wants it to stop.
struct SynthOutput {
  std::function<void(const int16_t* samples, size_t count, int rate)> samples;
  std::function<bool()> interrupted;
};

struct EspeakStartError {
  int code = 0;
  std::string voiceData;  // the voice and the data folder it tried
};

// The own synthesizer's voice for the language in use: "pt-br" or "en-us".
const char* espeakVoiceName();
// Speed 1 to 5 (slow to fast), in the voice of espeakVoiceName(). Null, with the error
// filled, when it cannot start.
std::unique_ptr<SpeechEngine> makeEspeakEngine(int speed, SynthOutput output, EspeakStartError& error);
// The words per minute of each speed.
int espeakRateForSpeed(int speed);

struct DispatcherSettings {
  int voice = 0;  // 0: the engine's default; n: the n-th voice of the language in use
  int rate = 0;   // -100 to 100
  int pitch = 0;  // -100 to 100
};
// Null when there is no speech server, it does not answer within timeoutMs, or it has
// no output module.
std::unique_ptr<SpeechEngine> makeDispatcherEngine(const DispatcherSettings& settings, int timeoutMs);
// The speech server's language name for the language in use: "pt-BR" or "en".
const char* dispatcherLanguageName();
// The voices of the language in use that the speech server offers, in the order DispatcherSettings::voice
// counts them; empty when it has none or does not answer within
// timeoutMs.
std::vector<std::string> listDispatcherVoices(int timeoutMs);

std::unique_ptr<SpeechEngine> makeSilentEngine();
