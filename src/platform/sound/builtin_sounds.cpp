#include "platform/sound/builtin_sounds.h"

#include <random>

Pcm8 makeClick() {
  static constexpr unsigned char kWave[8] = {128, 112, 96, 80, 64, 80, 96, 112};
  Pcm8 click(512);
  for (size_t i = 0; i < click.size(); ++i) click[i] = kWave[i % 8];
  click.back() = 128;
  return click;
}

Pcm8 makeTick(const Pcm8& noise) {
  Pcm8 tick(256, 128);
  for (size_t i = 0; i < noise.size() && i < tick.size(); ++i) tick[i] = noise[i];
  return tick;
}

const Pcm8& tickNoise() {
  static const Pcm8 noise = [] {
    std::random_device seed;
    std::mt19937 random(seed());
    std::uniform_int_distribution<int> value(128, 187);
    Pcm8 values(64);
    for (auto& v : values) v = static_cast<unsigned char>(value(random));
    return values;
  }();
  return noise;
}

Pcm8 makeTone(int hertz) {
  const int rate = kBuiltinFormat.rate;
  Pcm8 tone(static_cast<size_t>(rate), 128);
  if (hertz < 1 || hertz > rate / 2) return tone;
  // The phase is counted in whole samples times the frequency so that no rounding
  // drift accumulates over the second.
  for (int i = 0; i + 1 < rate; ++i) {
    const long phase = static_cast<long>(i) * hertz % rate;
    tone[static_cast<size_t>(i)] = phase * 2 < rate ? 96 : 160;
  }
  return tone;
}
