#pragma once
// The mixer behind the one audio output. Each channel plays a queue of sources one
// after the other; the channels sound together and are summed. Safe to use from the
// program's thread while the audio thread renders.
#include <array>
#include <atomic>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>

#include "platform/sound/pcm.h"

class WavStream;

// A sound in the mix format. read() fills up to `count` samples and returns how many
// it gave; 0 means the sound has ended.
class PcmSource {
 public:
  virtual ~PcmSource() = default;
  virtual size_t read(int16_t* out, size_t count) = 0;
  // Takes more samples at the end when the source can grow (synthesized speech).
  virtual bool append(const int16_t*, size_t) { return false; }
  // Samples held in memory and not yet played (0 for sources read as they play).
  virtual size_t held() const { return 0; }
};

// Samples held in memory; grows while speech is being synthesized into it.
std::unique_ptr<PcmSource> makeBufferSource(Samples samples);
// `loop` repeated until `totalSamples` have been given.
std::unique_ptr<PcmSource> makeLoopSource(Samples loop, size_t totalSamples);
// A recording, read and converted block by block as it plays.
std::unique_ptr<PcmSource> makeWavSource(std::unique_ptr<WavStream> stream);

// Voice: speech, recordings and spelled letters, in the order they were asked for.
// Effect: click and tick. Tone: the looping Braille mode tones.
enum class Channel { Voice, Effect, Tone };
constexpr int kChannelCount = 3;

class Mixer {
 public:
  void queue(Channel channel, std::unique_ptr<PcmSource> source);
  // Adds samples after everything queued on the channel.
  void append(Channel channel, const int16_t* samples, size_t count);
  void clear(Channel channel);
  void clearAll();
  bool sounding() const;
  bool sounding(Channel channel) const;
  // Samples waiting in memory on the channel.
  size_t held(Channel channel) const;
  // Called by the audio thread: the next `count` samples of the mix (silence when
  // nothing sounds).
  void render(int16_t* out, size_t count);
  // How many times render() ran; lets a waiter notice an output that stopped pulling.
  uint64_t renderCalls() const { return renderCalls_.load(); }

 private:
  using Queue = std::deque<std::unique_ptr<PcmSource>>;
  Queue& queueOf(Channel channel) { return queues_[static_cast<size_t>(channel)]; }
  mutable std::mutex mutex_;
  std::array<Queue, kChannelCount> queues_;
  std::atomic<uint64_t> renderCalls_{0};
};
