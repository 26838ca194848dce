#include "language/reader.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>

namespace {

ScriptState withText(const std::string& text) {
  ScriptState state;
  state.remaining = text;
  return state;
}

TEST(NextToken, SplitsOnBlanksOnlyAndTrimsControls) {
  auto state = withText("\t 1   2\t3 \r\n");
  EXPECT_EQ(nextToken(state), "1");
  EXPECT_EQ(nextToken(state), "2\t3");
  EXPECT_EQ(nextToken(state), "");
  EXPECT_EQ(state.remaining, "");
}

TEST(ParseNumberWord, AcceptsBothDecimalMarksSignsAndExponents) {
  EXPECT_EQ(parseNumberWord("1,5"), 1.5);
  EXPECT_EQ(parseNumberWord("2.5"), 2.5);
  EXPECT_EQ(parseNumberWord("-3"), -3.0);
  EXPECT_EQ(parseNumberWord("+4"), 4.0);
  EXPECT_EQ(parseNumberWord(",5"), 0.5);
  EXPECT_EQ(parseNumberWord("5."), 5.0);
  EXPECT_EQ(parseNumberWord("1e3"), 1000.0);
  EXPECT_EQ(parseNumberWord("2,5E-1"), 0.25);
  EXPECT_EQ(parseNumberWord("-1.5e+2"), -150.0);
}

TEST(ParseNumberWord, RefusesEverythingElse) {
  for (const char* word : {"1,5,0", "1.5,0", "1,5.0", "1..5", "x", "1x", "-", "+", ".", ",", "e5", "1e", "1e+",
                           "--1", "+-1", "1 2", "1\t2", "0x10", "nan", "inf", "1e999", "1,5 ", "$10"}) {
    EXPECT_FALSE(parseNumberWord(word)) << word;
  }
}

TEST(ParseNumberWord, ANumberTooSmallForADoubleIsZeroButOneTooLargeIsRefused) {
  const std::string tiny = "0," + std::string(400, '0') + "1";
  EXPECT_EQ(parseNumberWord(tiny), 0.0);
  EXPECT_EQ(parseNumberWord("1e-400"), 0.0);
  EXPECT_EQ(parseNumberWord("-2.5E-99999999999999999999999"), 0.0);
  EXPECT_TRUE(std::signbit(parseNumberWord("-1e-400").value_or(1)));
  EXPECT_EQ(parseNumberWord("4.9e-324"), 4.9e-324);  // the smallest double still converts
  for (const std::string& word : {std::string("1e400"), "1" + std::string(400, '0'), std::string("1e99999999999999999999999")}) {
    EXPECT_FALSE(parseNumberWord(word)) << word;
  }
}

TEST(ParseNumberWord, IgnoresTheLocaleDecimalMark) {
  const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
  if (!std::setlocale(LC_NUMERIC, "pt_BR.UTF-8")) GTEST_SKIP() << "no pt_BR locale";
  EXPECT_EQ(parseNumberWord("1.5"), 1.5);
  EXPECT_EQ(parseNumberWord("1,5"), 1.5);
  std::setlocale(LC_NUMERIC, previous.c_str());
}

TEST(ReadsAsNumbers, NumberWordsAndWithPointMarkersTheirPrefixes) {
  for (const char* text : {"", "  ", "1 -2,5 3e2", "0  .5"}) {
    EXPECT_TRUE(readsAsNumbers(text, false)) << text;
    EXPECT_TRUE(readsAsNumbers(text, true)) << text;
  }
  for (const char* text : {"@", "@1 1", "R1,5 2", "p 3 45", "r -1 0"}) {
    EXPECT_FALSE(readsAsNumbers(text, false)) << text;
    EXPECT_TRUE(readsAsNumbers(text, true)) << text;
  }
  for (const char* text : {"abc", "1,5,0", "x y", "1\t2", "@@1", "RP1", "1 2a"})
    EXPECT_FALSE(readsAsNumbers(text, true)) << text;
}

TEST(ReadNumber, EmptyWordIsNotAnErrorButABadWordIs) {
  auto state = withText("   ");
  EXPECT_FALSE(readNumber(state));
  EXPECT_FALSE(state.error);
  state = withText("1,5,0 2");
  EXPECT_FALSE(readNumber(state));
  EXPECT_TRUE(state.error);
  EXPECT_EQ(state.remaining, "2");
}

TEST(ReadInteger, WholeNumbersOnlyAndNeverAnError) {
  auto state = withText("7 -3 +2 2.5 x 99999999999 -2147483648");
  EXPECT_EQ(readInteger(state), 7);
  EXPECT_EQ(readInteger(state), -3);
  EXPECT_EQ(readInteger(state), 2);
  EXPECT_FALSE(readInteger(state));
  EXPECT_FALSE(readInteger(state));
  EXPECT_FALSE(readInteger(state));
  EXPECT_EQ(readInteger(state), -2147483648);
  EXPECT_FALSE(readInteger(state));
  EXPECT_FALSE(state.error);
}

TEST(ReadPoint, PlainRelativePolarAndLastPoint) {
  auto state = withText("2 3 R 1 0 r-1 -1 @ P 2 90 @");
  EXPECT_EQ(readPoint(state), (UserPoint{2, 3}));
  EXPECT_EQ(readPoint(state), (UserPoint{3, 3}));
  EXPECT_EQ(readPoint(state), (UserPoint{2, 2}));
  EXPECT_EQ(readPoint(state), (UserPoint{2, 2}));
  const auto polar = readPoint(state);
  ASSERT_TRUE(polar);
  EXPECT_NEAR(polar->x, 2, 1e-12);
  EXPECT_DOUBLE_EQ(polar->y, 4);
  EXPECT_EQ(readPoint(state), state.last);
  EXPECT_FALSE(readPoint(state));
  EXPECT_FALSE(state.error);
}

TEST(ReadPoint, AtLeavesTheFollowingPairForTheNextReader) {
  auto state = withText("@ 3 4");
  state.last = {1, 1};
  EXPECT_EQ(readPoint(state), (UserPoint{1, 1}));
  EXPECT_EQ(readPoint(state), (UserPoint{3, 4}));
}

TEST(ReadPoint, FailureKeepsTheLastPoint) {
  auto state = withText("5");
  state.last = {1, 2};
  EXPECT_FALSE(readPoint(state));
  EXPECT_EQ(state.last, (UserPoint{1, 2}));
  EXPECT_FALSE(state.error);
  state = withText("P 5 x");
  EXPECT_FALSE(readPoint(state));
  EXPECT_EQ(state.last, (UserPoint{0, 0}));
  EXPECT_TRUE(state.error);
}

TEST(ReadPoint, AMarkerAloneIsAMissingPair) {
  auto state = withText("R");
  EXPECT_FALSE(readPoint(state));
  EXPECT_FALSE(state.error);
}

}  // namespace
