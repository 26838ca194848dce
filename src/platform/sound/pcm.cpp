#include "platform/sound/pcm.h"

PcmConverter::PcmConverter(PcmFormat format)
    : format_(format), step_(static_cast<double>(format.rate) / kMixRate) {}

void PcmConverter::push(int sample, Samples& out) {
  if (!havePrevious_) {
    previous_ = sample;
    havePrevious_ = true;
    return;
  }
  // Output samples fall between previous_ (at 0) and sample (at 1).
  while (position_ < 1.0) {
    const double v = previous_ + (sample - previous_) * position_;
    out.push_back(static_cast<int16_t>(v));
    position_ += step_;
  }
  position_ -= 1.0;
  previous_ = sample;
}

void PcmConverter::convert(const unsigned char* bytes, size_t count, Samples& out) {
  const int frame = format_.frameBytes();
  if (frame <= 0) return;
  for (size_t at = 0; at + frame <= count; at += frame) {
    int sum = 0;
    for (int c = 0; c < format_.channels; ++c) {
      if (format_.bits == 8) {
        sum += (bytes[at + c] - 128) * 256;
      } else {
        const unsigned char* p = bytes + at + 2 * c;
        sum += static_cast<int16_t>(p[0] | (p[1] << 8));
      }
    }
    push(sum / format_.channels, out);
  }
}

void PcmConverter::convert(const int16_t* monoSamples, size_t count, Samples& out) {
  if (format_.rate == kMixRate) {
    out.insert(out.end(), monoSamples, monoSamples + count);
    return;
  }
  for (size_t i = 0; i < count; ++i) push(monoSamples[i], out);
}

void PcmConverter::finish(Samples& out) {
  if (havePrevious_) push(previous_, out);
}

Samples toMixFormat(const unsigned char* bytes, size_t count, PcmFormat format) {
  Samples out;
  PcmConverter converter(format);
  converter.convert(bytes, count, out);
  converter.finish(out);
  return out;
}
