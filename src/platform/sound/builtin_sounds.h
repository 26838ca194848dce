#pragma once
// The built-in sounds, made in memory as 8-bit unsigned mono PCM at 11025 samples per
// second (kBuiltinFormat).
#include <vector>

#include "platform/sound/pcm.h"

inline constexpr PcmFormat kBuiltinFormat{11025, 8, 1};

using Pcm8 = std::vector<unsigned char>;

// 512 samples: a soft triangle wave (128, 112, 96, 80, 64, 80, 96, 112 repeated),
// the last sample back at 128.
Pcm8 makeClick();
// 256 samples: the 64 noise values (each 128 to 187) followed by 192 samples of 128.
Pcm8 makeTick(const Pcm8& noise);
// The tick's 64 noise values, drawn at random once per process and kept.
const Pcm8& tickNoise();
// One second of a square wave of that frequency: half of each period at 96, half at
// 160, the last sample at 128. Played in a loop. A frequency outside 1 to 5512 Hz
// gives a second of silence.
Pcm8 makeTone(int hertz);
