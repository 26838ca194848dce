#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string>

#include <espeak-ng/speak_lib.h>

#include "platform/speech/espeak_library.h"
#include "platform/speech/speech_engine.h"
#include "platform/text/in_language.h"

namespace {

struct Capture {
  std::vector<int16_t> samples;
  int rate = 0;
  int pieces = 0;
  int stopAfterPieces = -1;

  SynthOutput output() {
    return {[this](const int16_t* s, size_t n, int r) {
              samples.insert(samples.end(), s, s + n);
              rate = r;
              ++pieces;
            },
            [this] { return stopAfterPieces >= 0 && pieces >= stopAfterPieces; }};
  }
};

long peak(const std::vector<int16_t>& samples) {
  long top = 0;
  for (int16_t s : samples) top = std::max(top, std::labs(s));
  return top;
}

TEST(SpeechEspeak, SpeaksAPortugueseSentenceIntoTheOutput) {
  Capture capture;
  EspeakStartError error;
  auto engine = makeEspeakEngine(3, capture.output(), error);
  ASSERT_TRUE(engine) << error.code << " " << error.voiceData;
  EXPECT_TRUE(engine->walksText());
  engine->say("Op\xe7\xe3o inv\xe1lida, tecle outra vez.");
  EXPECT_GT(capture.rate, 0);
  // Well over half a second of sound, and not silence.
  EXPECT_GT(capture.samples.size(), static_cast<size_t>(capture.rate / 2));
  EXPECT_GT(peak(capture.samples), 1000);

  const size_t before = capture.samples.size();
  engine->sayCharacter(U'π');
  EXPECT_GT(capture.samples.size(), before + 1000);
}

TEST(SpeechEspeak, AKeyEndsTheSynthesisAtTheNextPiece) {
  Capture whole, cut;
  EspeakStartError error;
  const char* text = "Um texto longo, que fala de pontos, retas, c\xedrculos e par\xe1" "bolas sem parar.";
  {
    auto engine = makeEspeakEngine(3, whole.output(), error);
    ASSERT_TRUE(engine);
    engine->say(text);
  }
  cut.stopAfterPieces = 2;
  auto engine = makeEspeakEngine(3, cut.output(), error);
  ASSERT_TRUE(engine);
  engine->say(text);
  EXPECT_EQ(cut.pieces, 2);
  EXPECT_LT(cut.samples.size() * 4, whole.samples.size());
  // The next text starts afresh.
  cut.stopAfterPieces = -1;
  engine->say("sim");
  EXPECT_GT(cut.pieces, 2);
}

TEST(SpeechEspeak, FasterSpeedsSpeakFaster) {
  EXPECT_EQ(espeakRateForSpeed(0), espeakRateForSpeed(3));
  EXPECT_EQ(espeakRateForSpeed(9), espeakRateForSpeed(3));
  size_t lengths[2] = {};
  for (int i = 0; i < 2; ++i) {
    Capture capture;
    EspeakStartError error;
    auto engine = makeEspeakEngine(i == 0 ? 1 : 5, capture.output(), error);
    ASSERT_TRUE(engine);
    engine->say("desenho de gr\xe1" "ficos t\xe1teis");
    lengths[i] = capture.samples.size();
  }
  EXPECT_GT(lengths[0], lengths[1] * 2);
}

}  // namespace

namespace {

// The window's title under X depends on the process's character locale, which the
// synthesizer's start must leave alone. Run in a fresh process: the synthesizer starts
// once per process.
TEST(SpeechEspeakDeathTest, StartingLeavesTheLocaleAlone) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        const std::string before = std::setlocale(LC_CTYPE, nullptr);
        EspeakStartError error;
        auto engine = makeEspeakEngine(3, {}, error);
        std::_Exit(engine && before == std::setlocale(LC_CTYPE, nullptr) ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}

}  // namespace

TEST(SpeechEspeak, EachLanguageSpeaksWithItsOwnVoice) {
  for (const auto& [language, voice] : {std::pair{Language::Portuguese, "pt-br"}, {Language::English, "en-us"}}) {
    const InLanguage inLanguage(language);
    Capture capture;
    EspeakStartError error;
    auto engine = makeEspeakEngine(3, capture.output(), error);
    ASSERT_TRUE(engine) << error.code << " " << error.voiceData;
    // The voice's languages start with a priority byte.
    const espeak_VOICE* chosen = espeak().espeak_GetCurrentVoice();
    ASSERT_TRUE(chosen && chosen->languages);
    EXPECT_EQ(std::string(chosen->languages + 1), voice);
    engine->say("Hello, the drawing was saved.");
    EXPECT_GT(capture.samples.size(), 1000u);
  }
}
