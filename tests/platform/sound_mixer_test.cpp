#include <gtest/gtest.h>

#include "platform/sound/builtin_sounds.h"
#include "platform/sound/mixer.h"

namespace {

Samples render(Mixer& mixer, size_t count) {
  Samples out(count, 12345);
  mixer.render(out.data(), count);
  return out;
}

TEST(PcmConversion, EightBitAtHalfTheRateDoublesAndCentres) {
  const unsigned char bytes[] = {128, 192, 64};
  const Samples out = toMixFormat(bytes, 3, {kMixRate / 2, 8, 1});
  EXPECT_EQ(out, (Samples{0, 8192, 16384, 0, -16384, -16384}));
}

TEST(PcmConversion, StreamsConvertWithoutSeams) {
  // The same bytes converted in one piece and in odd-sized pieces give the same samples.
  std::vector<unsigned char> bytes(1000);
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<unsigned char>(i * 13);
  const PcmFormat format{44100, 16, 2};
  const Samples whole = toMixFormat(bytes.data(), bytes.size(), format);
  PcmConverter converter(format);
  Samples pieces;
  for (size_t at = 0; at < bytes.size(); at += 52) converter.convert(bytes.data() + at, std::min<size_t>(52, bytes.size() - at), pieces);
  converter.finish(pieces);
  EXPECT_EQ(pieces, whole);
  EXPECT_NEAR(static_cast<double>(whole.size()), 125.0, 1.0);  // 250 frames at twice the rate
}

TEST(Mixer, ChannelQueuesPlayInOrderAndChannelsAdd) {
  Mixer mixer;
  EXPECT_FALSE(mixer.sounding());
  EXPECT_EQ(render(mixer, 3), (Samples{0, 0, 0}));

  mixer.queue(Channel::Voice, makeBufferSource({1, 2}));
  mixer.queue(Channel::Voice, makeBufferSource({3}));
  const int16_t more[] = {4, 5};
  mixer.append(Channel::Voice, more, 2);
  mixer.queue(Channel::Effect, makeBufferSource({100, 100, 100, 100}));
  EXPECT_TRUE(mixer.sounding(Channel::Voice));
  EXPECT_FALSE(mixer.sounding(Channel::Tone));
  EXPECT_EQ(render(mixer, 7), (Samples{101, 102, 103, 104, 5, 0, 0}));
  EXPECT_FALSE(mixer.sounding());
}

TEST(Mixer, SumsAreClippedAndLoopsEnd) {
  Mixer mixer;
  mixer.queue(Channel::Voice, makeBufferSource({30000, -30000}));
  mixer.queue(Channel::Effect, makeBufferSource({10000, -10000}));
  mixer.queue(Channel::Tone, makeLoopSource({1, 2, 3}, 7));
  EXPECT_EQ(render(mixer, 2), (Samples{32767, -32768}));
  EXPECT_EQ(render(mixer, 8), (Samples{3, 1, 2, 3, 1, 0, 0, 0}));
  EXPECT_FALSE(mixer.sounding());
}

TEST(Mixer, ClearingSilencesAtOnce) {
  Mixer mixer;
  mixer.queue(Channel::Voice, makeBufferSource(Samples(100000, 500)));
  mixer.queue(Channel::Tone, makeLoopSource(toMixFormat(makeTone(800).data(), 11025, kBuiltinFormat), 1000000));
  render(mixer, 256);
  mixer.clear(Channel::Tone);
  EXPECT_EQ(render(mixer, 2), (Samples{500, 500}));
  mixer.clearAll();
  EXPECT_FALSE(mixer.sounding());
  EXPECT_EQ(render(mixer, 2), (Samples{0, 0}));
}

}  // namespace

namespace {

TEST(Mixer, CountsTheSamplesHeldInMemory) {
  Mixer mixer;
  mixer.queue(Channel::Voice, makeBufferSource(Samples(100, 1)));
  const int16_t more[50] = {};
  mixer.append(Channel::Voice, more, 50);
  mixer.queue(Channel::Voice, makeLoopSource({1, 2}, 1000));  // made as it plays
  EXPECT_EQ(mixer.held(Channel::Voice), 150u);
  EXPECT_EQ(mixer.held(Channel::Effect), 0u);
  render(mixer, 120);
  EXPECT_EQ(mixer.held(Channel::Voice), 30u);
}

}  // namespace
