#include "platform/sound/mixer.h"

#include <algorithm>
#include <vector>

#include "platform/sound/wav.h"

namespace {

class BufferSource : public PcmSource {
 public:
  explicit BufferSource(Samples samples) : samples_(std::move(samples)) {}
  size_t read(int16_t* out, size_t count) override {
    const size_t n = std::min(count, samples_.size() - position_);
    std::copy_n(samples_.begin() + static_cast<long>(position_), n, out);
    position_ += n;
    return n;
  }
  bool append(const int16_t* samples, size_t count) override {
    samples_.insert(samples_.end(), samples, samples + count);
    return true;
  }
  size_t held() const override { return samples_.size() - position_; }

 private:
  Samples samples_;
  size_t position_ = 0;
};

class LoopSource : public PcmSource {
 public:
  LoopSource(Samples loop, size_t total) : loop_(std::move(loop)), left_(loop_.empty() ? 0 : total) {}
  size_t read(int16_t* out, size_t count) override {
    size_t given = 0;
    while (given < count && left_ > 0) {
      const size_t n = std::min({count - given, left_, loop_.size() - position_});
      std::copy_n(loop_.begin() + static_cast<long>(position_), n, out + given);
      given += n;
      left_ -= n;
      position_ = (position_ + n) % loop_.size();
    }
    return given;
  }

 private:
  Samples loop_;
  size_t left_;
  size_t position_ = 0;
};

class WavSource : public PcmSource {
 public:
  explicit WavSource(std::unique_ptr<WavStream> stream)
      : stream_(std::move(stream)), converter_(stream_->info().format) {}
  size_t read(int16_t* out, size_t count) override {
    while (position_ == converted_.size() && !ended_) refill();
    const size_t n = std::min(count, converted_.size() - position_);
    std::copy_n(converted_.begin() + static_cast<long>(position_), n, out);
    position_ += n;
    return n;
  }

 private:
  void refill() {
    converted_.clear();
    position_ = 0;
    if (stream_->readBlock(block_)) {
      converter_.convert(block_.data(), block_.size(), converted_);
    } else {
      converter_.finish(converted_);
      ended_ = true;
    }
  }
  std::unique_ptr<WavStream> stream_;
  PcmConverter converter_;
  std::vector<unsigned char> block_;
  Samples converted_;
  size_t position_ = 0;
  bool ended_ = false;
};

}  // namespace

std::unique_ptr<PcmSource> makeBufferSource(Samples samples) {
  return std::make_unique<BufferSource>(std::move(samples));
}

std::unique_ptr<PcmSource> makeLoopSource(Samples loop, size_t totalSamples) {
  return std::make_unique<LoopSource>(std::move(loop), totalSamples);
}

std::unique_ptr<PcmSource> makeWavSource(std::unique_ptr<WavStream> stream) {
  if (!stream) return nullptr;
  return std::make_unique<WavSource>(std::move(stream));
}

void Mixer::queue(Channel channel, std::unique_ptr<PcmSource> source) {
  if (!source) return;
  std::lock_guard lock(mutex_);
  queueOf(channel).push_back(std::move(source));
}

void Mixer::append(Channel channel, const int16_t* samples, size_t count) {
  if (count == 0) return;
  std::lock_guard lock(mutex_);
  Queue& queue = queueOf(channel);
  if (queue.empty() || !queue.back()->append(samples, count)) {
    queue.push_back(makeBufferSource(Samples(samples, samples + count)));
  }
}

void Mixer::clear(Channel channel) {
  Queue dropped;
  {
    std::lock_guard lock(mutex_);
    dropped.swap(queueOf(channel));
  }
  // Sources are destroyed outside the lock: closing a recording's file may take time.
}

void Mixer::clearAll() {
  for (int c = 0; c < kChannelCount; ++c) clear(static_cast<Channel>(c));
}

bool Mixer::sounding() const {
  std::lock_guard lock(mutex_);
  return std::any_of(queues_.begin(), queues_.end(), [](const Queue& q) { return !q.empty(); });
}

bool Mixer::sounding(Channel channel) const {
  std::lock_guard lock(mutex_);
  return !queues_[static_cast<size_t>(channel)].empty();
}

size_t Mixer::held(Channel channel) const {
  std::lock_guard lock(mutex_);
  size_t total = 0;
  for (const auto& source : queues_[static_cast<size_t>(channel)]) total += source->held();
  return total;
}

void Mixer::render(int16_t* out, size_t count) {
  std::vector<int> sum(count, 0);
  std::vector<int16_t> part(count);
  {
    std::lock_guard lock(mutex_);
    for (Queue& queue : queues_) {
      size_t filled = 0;
      while (filled < count && !queue.empty()) {
        const size_t got = queue.front()->read(part.data() + filled, count - filled);
        if (got == 0) {
          queue.pop_front();
        } else {
          filled += got;
        }
      }
      for (size_t i = 0; i < filled; ++i) sum[i] += part[i];
    }
  }
  for (size_t i = 0; i < count; ++i) out[i] = static_cast<int16_t>(std::clamp(sum[i], -32768, 32767));
  renderCalls_.fetch_add(1);
}
