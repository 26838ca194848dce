// The speech services with real engines and a real (dummy or disk) audio output.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <chrono>
#include <fstream>

#include "platform/console_fixture.h"
#include "platform/config/options.h"
#include "platform/platform_backends.h"
#include "platform/sound/audio.h"
#include "platform/speech.h"
#include "platform/speech/recordings.h"
#include "platform/speech/speech_internal.h"
#include "platform/wav_builder.h"

namespace {

const char* kSentence = "Op\xe7\xe3o inv\xe1lida. Tecle a letra de uma das op\xe7\xf5" "es do menu, ou Esc para sair.";

class SpeechServicesTest : public ConsoleTest {
 protected:
  void SetUp() override {
    ConsoleTest::SetUp();
    audioShutdown();
    installPlatformBackends();
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    // No speech server is reachable from the tests.
    setenv("SPEECHD_ADDRESS", ("unix_socket:" + dir_ + "/no-server").c_str(), 1);
    conSetOptions({UiChoice::Headless, SpeechChoice::Auto});
    letters_ = dir_ + "/letras";
    std::filesystem::create_directories(letters_);
    writeFile(dir_ + "/config/tramel/Tramel.ini", "[TRADUTOR]\nDIRLETRAS=" + letters_ + "\n");
  }
  void TearDown() override {
    spkStop();
    spkFinish();
    // Later tests in this program open the audio output as the machine has it.
    unsetenv("SDL_AUDIODRIVER");
    unsetenv("SDL_DISKAUDIOFILE");
    unsetenv("SPEECHD_ADDRESS");
    conSetOptions({});
    setPlatformBackends({});
    ConsoleTest::TearDown();
  }

  void writeRecording(const std::string& name, size_t samples = 4000) {
    wavtest::Bytes data(samples);
    for (size_t i = 0; i < samples; ++i) data[i] = i % 20 < 10 ? 60 : 200;
    wavtest::writeBytes(letters_ + "/" + name + ".wav", wavtest::wave(1, 11025, 8, data));
  }

  std::string letters_;
};

TEST_F(SpeechServicesTest, SpeaksIntoTheAudioQueueAndAKeyEmptiesIt) {
  spkStart(3, dir_);
  ASSERT_TRUE(audioAvailable());
  spkSay(kSentence);
  EXPECT_TRUE(audioSounding());
  EXPECT_TRUE(spkBusy());
  ASSERT_TRUE(conQueueKey('x'));
  EXPECT_FALSE(spkBusy());
  EXPECT_FALSE(audioSounding());
  // The key stays queued for whoever reads it, and the next text is heard again.
  EXPECT_EQ(conGetKey(), 'x');
  spkSay("sim");
  EXPECT_TRUE(spkBusy());
  EXPECT_NE(transcript().find("say: Opção inválida."), std::string::npos);
}

TEST_F(SpeechServicesTest, AQueuedKeyEndsSpeechBeforeItStarts) {
  spkStart(3, dir_);
  ASSERT_TRUE(conQueueKey('x'));
  spkSay(kSentence);
  spkSpell("abc");
  EXPECT_FALSE(audioSounding());
  // Still written to the transcript: it records what was asked to be heard.
  EXPECT_NE(transcript().find("spell: abc"), std::string::npos);
}

TEST_F(SpeechServicesTest, LetterRecordingOrSynthesis) {
  spkStart(3, dir_);
  EXPECT_EQ(letterRecordingName('A'), "");
  EXPECT_FALSE(spkRecordingExists("_65"));
  // Without any recording the synthesizer says the character.
  spkPlayLetter('A');
  EXPECT_TRUE(audioSounding());
  spkStop();

  writeRecording("_unknown");
  EXPECT_EQ(letterRecordingName('A'), "_unknown");
  writeRecording("_65");
  EXPECT_EQ(letterRecordingName('A'), "_65");
  EXPECT_TRUE(spkRecordingExists("_65"));
  EXPECT_EQ(letterRecordingName('\xe7'), "_unknown");
  EXPECT_TRUE(isSilentCharacter(7));
  EXPECT_FALSE(isSilentCharacter(12));
  EXPECT_FALSE(isSilentCharacter(0));

  spkPlayLetter(7);
  EXPECT_FALSE(audioSounding());
  spkPlayLetter('A');
  EXPECT_TRUE(audioSounding());
}

TEST_F(SpeechServicesTest, RecordingsAreNamedAndBrokenOnesStaySilent) {
  spkStart(3, dir_);
  writeFile(dir_ + "/PXOPCAO.wav", "RIFF....WAVEjunk");
  EXPECT_TRUE(spkRecordingExists("PXOPCAO"));
  EXPECT_FALSE(spkRecordingExists("PXFIM"));
  EXPECT_EQ(recordingPath("PXOPCAO"), dir_ + "/PXOPCAO.wav");
  EXPECT_EQ(recordingPath("_zero"), letters_ + "/_zero.wav");
  spkPlayRecording("PXOPCAO");
  spkPlayRecording("PXFIM");
  EXPECT_FALSE(audioSounding());
  EXPECT_NE(transcript().find("play: PXOPCAO.wav\nplay: PXFIM.wav\n"), std::string::npos);

  writeRecording("_zero", 40000);
  spkSay("007");
  EXPECT_TRUE(audioSounding());
}

TEST_F(SpeechServicesTest, ClickAndTickWaitForTheirEnd) {
  spkStart(3, dir_);
  ASSERT_TRUE(conQueueKey('a'));
  const auto start = std::chrono::steady_clock::now();
  spkClick();
  // The click threw the queued key away and played to its end (46 ms).
  EXPECT_FALSE(conKeyWaiting());
  EXPECT_FALSE(audioSounding(Channel::Effect));
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(40));
  spkTick();
  spkTone(800, 200);
  EXPECT_TRUE(audioSounding(Channel::Tone));
  spkTone(0, 0);
  EXPECT_FALSE(audioSounding(Channel::Tone));
  EXPECT_NE(transcript().find("click\ntick\ntone: 800\n"), std::string::npos);
}

TEST_F(SpeechServicesTest, SettingsComeFromTheConfiguration) {
  for (const char* value : {"0", "6", "depressa", ""}) {
    writeFile(dir_ + "/config/tramel/Tramel.ini", std::string("[TRADUTOR]\nVELOCIDADE=") + value + "\n");
    spkStart(0, dir_);
    EXPECT_EQ(speechServices().speed, 3) << value;
  }
  writeFile(dir_ + "/config/tramel/Tramel.ini",
            "[TRADUTOR]\nVELOCIDADE=5\n[SINTETIZADOR]\nPAUSAPONTO5=400\nPAUSAVIRG5=x\nPAUSADOISPONTOS4=9\n");
  spkStart(0, dir_);
  EXPECT_EQ(speechServices().speed, 5);
  EXPECT_EQ(speechServices().pauses.stop, 400);
  EXPECT_EQ(speechServices().pauses.comma, 150);
  EXPECT_EQ(speechServices().pauses.colon, 200);
  spkStart(9, dir_);
  EXPECT_EQ(speechServices().speed, 3);
}

TEST_F(SpeechServicesTest, SilentChoiceHearsNothingButKeepsTheTranscript) {
  conSetOptions({UiChoice::Headless, SpeechChoice::None});
  spkStart(3, dir_);
  spkSay(kSentence);
  spkClick();
  spkTone(800, 200);
  EXPECT_FALSE(audioAvailable());
  EXPECT_FALSE(spkBusy());
  EXPECT_EQ(transcript(), std::string("say: Opção inválida. Tecle a letra de uma das opções do menu, ou Esc para sair.\n") +
                              "click\ntone: 800\n");
}

TEST_F(SpeechServicesTest, UnreachableSpeechServerFallsBackToTheOwnSynthesizer) {
  writeFile(dir_ + "/config/tramel/Tramel.ini", "[TRADUTOR]\nSAPI=Sim\n");
  spkStart(3, dir_);
  EXPECT_FALSE(speechServices().external);
  ASSERT_TRUE(activeEngine());
  EXPECT_TRUE(activeEngine()->walksText());
  spkSay("ol\xe1");
  EXPECT_TRUE(audioSounding());
}

// Windows has no synthesizer of its own: its external engine (SAPI) speaks without being
// asked for in the configuration.
int gExternalAsked = 0;
TEST_F(SpeechServicesTest, WithoutAnOwnSynthesizerTheExternalEngineIsTheVoice) {
  for (const bool own : {true, false}) {
    PlatformBackends backends = platformBackends();
    if (!own) backends.makeOwnEngine = nullptr;
    backends.makeExternalEngine = [](const DispatcherSettings&, int) { return ++gExternalAsked, std::unique_ptr<SpeechEngine>(); };
    setPlatformBackends(backends);
    gExternalAsked = 0;
    spkStart(3, dir_);
    EXPECT_EQ(gExternalAsked, own ? 0 : 1);
    EXPECT_EQ(spkExternalEngineMissing(), !own);
  }
}

TEST_F(SpeechServicesTest, DiskOutputCapturesSpokenSound) {
  const std::string capture = dir_ + "/audio.raw";
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", capture.c_str(), 1);
  spkStart(5, dir_);
  ASSERT_TRUE(audioAvailable());
  spkSay("Pontelix");
  while (spkBusy()) conPause(10);
  spkFinish();  // closes the device, which flushes the file
  std::ifstream in(capture, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), {});
  ASSERT_GT(bytes.size(), 2000u);
  long loud = 0;
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const int16_t sample = static_cast<int16_t>(static_cast<unsigned char>(bytes[i]) | (bytes[i + 1] << 8));
    loud += std::abs(sample) > 1000;
  }
  EXPECT_GT(loud, 500);
}

}  // namespace

namespace {

using SpeechStartDeathTest = SpeechServicesTest;

TEST_F(SpeechStartDeathTest, ASynthesizerThatCannotStartSaysWhyAndEndsAfterEnter) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  // A data folder without the synthesizer's data.
  std::filesystem::create_directories(dir_ + "/voz/espeak-ng-data");
  // The folder's long path wraps at the screen's 80th column, so only its start is matched.
  // Without the catalogue above this floor, each sentence is its values alone.
  EXPECT_EXIT(
      {
        setenv("ESPEAK_DATA_PATH", (dir_ + "/voz").c_str(), 1);
        keys("x<Enter>");
        conSetEndHandler([](int status) {
          for (const std::string& row : conScreenRows()) std::fprintf(stderr, "%s\n", row.c_str());
          std::_Exit(status);
        });
        spkStart(3, dir_);
      },
      ::testing::ExitedWithCode(1), "[0-9]+\npt-br \\(/");
}

}  // namespace
