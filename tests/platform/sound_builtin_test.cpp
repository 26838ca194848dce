#include <gtest/gtest.h>

#include <algorithm>

#include "platform/sound/builtin_sounds.h"

TEST(BuiltinSounds, ClickIsTheSoftTriangleSampleForSample) {
  const Pcm8 click = makeClick();
  ASSERT_EQ(click.size(), 512u);
  const unsigned char period[8] = {128, 112, 96, 80, 64, 80, 96, 112};
  for (size_t i = 0; i + 1 < click.size(); ++i) ASSERT_EQ(click[i], period[i % 8]) << i;
  EXPECT_EQ(click[511], 128);
}

TEST(BuiltinSounds, TickIsItsNoiseThenSilence) {
  const Pcm8& noise = tickNoise();
  ASSERT_EQ(noise.size(), 64u);
  for (unsigned char v : noise) {
    EXPECT_GE(v, 128);
    EXPECT_LE(v, 187);
  }
  // Drawn once: every tick of the process uses the same values.
  EXPECT_EQ(&tickNoise(), &noise);
  const Pcm8 tick = makeTick(noise);
  ASSERT_EQ(tick.size(), 256u);
  EXPECT_TRUE(std::equal(noise.begin(), noise.end(), tick.begin()));
  EXPECT_TRUE(std::all_of(tick.begin() + 64, tick.end(), [](unsigned char v) { return v == 128; }));
}

TEST(BuiltinSounds, ToneIsASquareWaveOfOneSecond) {
  const Pcm8 tone = makeTone(100);  // 110.25 samples per period
  ASSERT_EQ(tone.size(), 11025u);
  EXPECT_EQ(tone[0], 96);
  EXPECT_EQ(tone[55], 96);
  EXPECT_EQ(tone[56], 160);
  EXPECT_EQ(tone[110], 160);
  EXPECT_EQ(tone[111], 96);
  EXPECT_EQ(tone.back(), 128);
  EXPECT_EQ(std::count(tone.begin(), tone.end() - 1, 96) + std::count(tone.begin(), tone.end() - 1, 160), 11024);

  // 800 Hz: the level changes 1600 times in the second, give or take the ends.
  const Pcm8 high = makeTone(800);
  int changes = 0;
  for (size_t i = 1; i + 1 < high.size(); ++i) changes += high[i] != high[i - 1];
  EXPECT_NEAR(changes, 1600, 1);

  const Pcm8 silent = makeTone(0);
  EXPECT_TRUE(std::all_of(silent.begin(), silent.end(), [](unsigned char v) { return v == 128; }));
  EXPECT_EQ(makeTone(20000), silent);
}
