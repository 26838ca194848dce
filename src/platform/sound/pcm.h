#pragma once
// The one sample format the mixer works in: signed 16-bit mono at kMixRate. Every
// sound (synthesized speech, recordings, click, tick, tones) is converted to it before
// it is queued; the audio backend converts it to whatever the device wants.
#include <cstddef>
#include <cstdint>
#include <vector>

constexpr int kMixRate = 22050;

using Samples = std::vector<int16_t>;

// The layout of PCM bytes as a WAVE file or a built-in sound describes them.
struct PcmFormat {
  int rate = 11025;
  int bits = 8;  // 8 (unsigned) or 16 (signed, little-endian)
  int channels = 1;
  int frameBytes() const { return bits / 8 * channels; }
  bool operator==(const PcmFormat&) const = default;
};

// Converts PCM bytes of any rate, 8 or 16 bits, mono or stereo, to the mix format,
// keeping its state between blocks so that a stream converts without seams. Stereo
// is averaged to mono; the rate is changed by linear interpolation.
class PcmConverter {
 public:
  explicit PcmConverter(PcmFormat format);
  // Bytes are whole frames; a partial frame at the end is ignored.
  void convert(const unsigned char* bytes, size_t count, Samples& out);
  void convert(const int16_t* monoSamples, size_t count, Samples& out);
  // At the end of the sound: the last input sample is held until its period ends.
  void finish(Samples& out);

 private:
  void push(int sample, Samples& out);
  PcmFormat format_;
  // Position of the next output sample, in input samples relative to previous_.
  double position_ = 0.0;
  double step_;
  int previous_ = 0;
  bool havePrevious_ = false;
};

// Converts a whole buffer at once.
Samples toMixFormat(const unsigned char* bytes, size_t count, PcmFormat format);
