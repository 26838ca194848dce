#include "platform/speech/speech_plan.h"

#include <gtest/gtest.h>

namespace {

using Kind = SpeechStep::Kind;

SpeechStep words(const char* text) { return {Kind::Words, text}; }
SpeechStep pause(int ms) { return {Kind::Pause, {}, ms}; }
SpeechStep zero() { return {Kind::Recording, "_zero"}; }
SpeechStep spell(const char* text) { return {Kind::Spell, text}; }
SpeechStep tick() { return {Kind::Tick, {}}; }

std::vector<SpeechStep> plan(const char* text) { return planSpeech(text, SpeechPauses{}); }

TEST(SpeechPlan, WordsAreUpperCasedAndPunctuationPauses) {
  EXPECT_EQ(plan("Opção inválida"), (std::vector<SpeechStep>{words("OPÇÃO INVÁLIDA")}));
  EXPECT_EQ(plan("sim, não. fim"),
            (std::vector<SpeechStep>{words("SIM,"), pause(150), words(" NÃO."), pause(250), words(" FIM")}));
  EXPECT_EQ(plan("a - b (c): d;e"), (std::vector<SpeechStep>{words("A -"), pause(150), words(" B ("), pause(200),
                                                             words("C)"), pause(200), words(":"), pause(200),
                                                             words(" D;"), pause(200), words("E")}));
  // Without a following blank a comma or full stop does not pause (decimals, file names).
  EXPECT_EQ(plan("3,5 x.pxg."), (std::vector<SpeechStep>{words("3,5 X.PXG.")}));
  EXPECT_TRUE(plan("").empty());
  EXPECT_TRUE(plan("   ").empty());
}

TEST(SpeechPlan, PausesComeFromTheSettings) {
  const SpeechPauses slow{300, 500, 400};
  EXPECT_EQ(planSpeech("a, b. c:", slow),
            (std::vector<SpeechStep>{words("A,"), pause(300), words(" B."), pause(500), words(" C:"), pause(400)}));
}

TEST(SpeechPlan, NumbersLeadingZerosAndSpelling) {
  EXPECT_EQ(plan("ponto 123456"), (std::vector<SpeechStep>{words("PONTO 123456")}));
  EXPECT_EQ(plan("0"), (std::vector<SpeechStep>{words("0")}));
  EXPECT_EQ(plan("linha 007"), (std::vector<SpeechStep>{words("LINHA "), zero(), zero(), words("7")}));
  EXPECT_EQ(plan("000"), (std::vector<SpeechStep>{zero(), zero(), words("0")}));
  EXPECT_EQ(plan("1234567 itens"), (std::vector<SpeechStep>{spell("1234567"), words(" ITENS")}));
  EXPECT_EQ(plan("0012345678"), (std::vector<SpeechStep>{zero(), zero(), spell("12345678")}));
  EXPECT_EQ(plan("tel 3333-4444"), (std::vector<SpeechStep>{words("TEL "), spell("3333-4444")}));
  // A minus sign before a number and a hyphen after one are not part of it.
  EXPECT_EQ(plan("-5 e 5- x"), (std::vector<SpeechStep>{words("-5 E 5-"), pause(150), words(" X")}));
}

TEST(SpeechPlan, LongRunsOfOneCharacterTick) {
  EXPECT_EQ(plan("==="), (std::vector<SpeechStep>{words("===")}));
  EXPECT_EQ(plan("a=====b"), (std::vector<SpeechStep>{words("A==="), tick(), tick(), words("B")}));
  EXPECT_EQ(plan("xxxx"), (std::vector<SpeechStep>{words("XXX"), tick()}));
  // Blanks used for alignment never tick; digits belong to numbers.
  EXPECT_EQ(plan("a      b 100000"), (std::vector<SpeechStep>{words("A      B 100000")}));
  EXPECT_EQ(plan("...... fim"), (std::vector<SpeechStep>{words("..."), tick(), tick(), tick(), pause(250), words(" FIM")}));
}

}  // namespace
