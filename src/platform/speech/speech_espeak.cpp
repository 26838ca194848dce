// The suite's own synthesizer: espeak-ng as a library with the voice of the language in
// use, synthesizing synchronously on the program's thread into the audio queue.
#include <espeak-ng/speak_lib.h>

#include <clocale>
#include <string>

#include "platform/sound/quiet_stderr.h"
#include "platform/speech/espeak_library.h"
#include "platform/speech/speech_engine.h"
#include "platform/text/language.h"
#include "platform/text/text.h"

namespace {

// Length of the pieces the synthesizer hands over. Short pieces make the first sound
// start early and let a key interrupt a long text at once.
constexpr int kPieceMs = 20;

// The library is one per process; so is the engine that speaks through it.
class EspeakEngine;
EspeakEngine* gActive = nullptr;
int gSampleRate = 0;

int synthCallback(short* samples, int count, espeak_EVENT*);

class EspeakEngine : public SpeechEngine {
 public:
  explicit EspeakEngine(SynthOutput output) : output_(std::move(output)) { gActive = this; }
  ~EspeakEngine() override {
    if (gActive == this) gActive = nullptr;
  }

  bool walksText() const override { return true; }

  void say(std::string_view text) override {
    const std::string utf8 = asUtf8(text);
    interrupted_ = false;
    espeak().espeak_Synth(utf8.c_str(), utf8.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, nullptr);
  }

  void sayCharacter(char32_t ch) override {
    interrupted_ = false;
    espeak().espeak_Char(static_cast<wchar_t>(ch));
  }

  // Returns 1 to end the synthesis: espeak_Cancel does not stop a synchronous one.
  int deliver(const short* samples, int count) {
    if (interrupted_ || (output_.interrupted && output_.interrupted())) {
      interrupted_ = true;
      return 1;
    }
    if (count > 0 && output_.samples) output_.samples(samples, static_cast<size_t>(count), gSampleRate);
    return 0;
  }

 private:
  SynthOutput output_;
  bool interrupted_ = false;
};

int synthCallback(short* samples, int count, espeak_EVENT*) {
  return gActive ? gActive->deliver(samples, count) : 1;
}

}  // namespace

int espeakRateForSpeed(int speed) {
  // Words per minute: 3 is an unhurried everyday rate, 5 what an experienced listener
  // of synthetic speech uses.
  static constexpr int kRates[] = {120, 150, 180, 250, 350};
  if (speed < 1 || speed > 5) speed = 3;
  return kRates[speed - 1];
}

const char* espeakVoiceName() { return currentLanguage() == Language::English ? "en-us" : "pt-br"; }

std::unique_ptr<SpeechEngine> makeEspeakEngine(int speed, SynthOutput output, EspeakStartError& error) {
  const char* const voice = espeakVoiceName();
  if (!espeakLibrary()) {
    error.code = -1;
    error.voiceData = std::string(voice) + " (libespeak-ng.so.1)";
    return nullptr;
  }
  // The data folder is known once the library has looked for it, even when it failed.
  const auto describeVoice = [&error, voice] {
    const char* dataPath = nullptr;
    espeak().espeak_Info(&dataPath);
    error.voiceData = std::string(voice) + " (" + (dataPath && *dataPath ? dataPath : "?") + ")";
  };
  if (gSampleRate <= 0) {
    // The library switches the whole process to a UTF-8 character locale, which breaks
    // the window's title under X; our texts reach it as UTF-8 whatever the locale, so
    // the program's own locale is put back.
    const std::string locale = std::setlocale(LC_CTYPE, nullptr);
    {
      QuietStderr quiet;  // missing data is reported on the screen by our caller
      // Without DONT_EXIT the library ends the process when its data is missing.
      gSampleRate = espeak().espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, kPieceMs, nullptr, espeakINITIALIZE_DONT_EXIT);
    }
    std::setlocale(LC_CTYPE, locale.c_str());
    if (gSampleRate <= 0) {
      describeVoice();
      error.code = gSampleRate == 0 ? -1 : gSampleRate;
      gSampleRate = 0;
      return nullptr;
    }
    espeak().espeak_SetSynthCallback(synthCallback);
  }
  if (const espeak_ERROR status = espeak().espeak_SetVoiceByName(voice); status != EE_OK) {
    describeVoice();
    error.code = static_cast<int>(status);
    return nullptr;
  }
  espeak().espeak_SetParameter(espeakRATE, espeakRateForSpeed(speed), 0);
  return std::make_unique<EspeakEngine>(std::move(output));
}
