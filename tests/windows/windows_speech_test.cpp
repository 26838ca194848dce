// The SAPI engine through a fake voice, as under Wine, whose SAPI does not speak.
#include <gtest/gtest.h>
#include <windows.h>

#include <sapi.h>

#include <string>
#include <vector>

#include "platform/speech/speech_sapi.h"
#include "shell/command_line.h"

namespace {

struct Heard {
  std::vector<std::wstring> texts;
  std::vector<DWORD> flags;
  HRESULT answer = S_OK;
};

class FakeVoice : public SapiVoice {
 public:
  explicit FakeVoice(Heard& heard) : heard_(heard) {}
  HRESULT speak(const wchar_t* text, DWORD flags) override {
    heard_.texts.emplace_back(text);
    heard_.flags.push_back(flags);
    return heard_.answer;
  }
  bool speaking() override { return true; }

 private:
  Heard& heard_;
};

TEST(SapiEngine, SaysUtf8TextsAsWindowsTextsAndCutsTheLastOne) {
  Heard heard;
  auto engine = makeSapiEngine(std::make_unique<FakeVoice>(heard));
  EXPECT_FALSE(engine->walksText());
  engine->say("Circunferência <raio>");
  engine->sayCharacter(U'ç');
  engine->stop();
  ASSERT_EQ(heard.texts.size(), 3u);
  EXPECT_EQ(heard.texts[0], L"Circunferência <raio>");
  EXPECT_EQ(heard.texts[1], L"ç");
  EXPECT_EQ(heard.texts[2], L"");
  for (DWORD flags : heard.flags) EXPECT_EQ(flags, DWORD{SPF_ASYNC | SPF_PURGEBEFORESPEAK | SPF_IS_NOT_XML});
  EXPECT_TRUE(engine->busy());
  EXPECT_FALSE(engine->failed());
}

TEST(SapiEngine, AVoiceThatRefusesToSpeakFailsTheEngine) {
  Heard heard;
  heard.answer = E_NOTIMPL;
  auto engine = makeSapiEngine(std::make_unique<FakeVoice>(heard));
  engine->say("Olá");
  EXPECT_TRUE(engine->failed());
  EXPECT_FALSE(engine->busy());
  engine->say("de novo");
  EXPECT_EQ(heard.texts.size(), 1u);
}

TEST(WindowsSpeechChoice, SapiIsTheVoiceAndEspeakIsRefusedSayingWhy) {
  for (const char* option : {"--speech=sapi", "--speech=speechd", "--speech=espeak"}) {
    const char* argv[] = {"pontelix", option};
    const CommandLine cl = parseCommandLine(2, argv, true);
    const bool espeak = std::string(option) == "--speech=espeak";
    EXPECT_EQ(cl.action == CommandLine::Action::Error, espeak);
    if (!espeak) EXPECT_EQ(cl.options.speech, SpeechChoice::Speechd);
    else EXPECT_EQ(cl.error, "--speech deve ser sapi (as vozes do Windows) ou none; o espeak-ng existe só no Linux: espeak");
  }
}

}  // namespace
