#include "platform/sound/audio.h"

#include <chrono>

#include "platform/config/options.h"
#include "platform/platform_backends.h"
#include "platform/sound/audio_output.h"
#include "platform/sound/wav.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kStallLimit = std::chrono::seconds(1);

struct AudioState {
  Mixer mixer;
  std::unique_ptr<AudioOutput> output;
  bool tried = false;
  bool open = false;
  // The watchdog: the render count last seen, and when it last moved.
  uint64_t lastRenders = 0;
  Clock::time_point lastProgress;
  std::function<void()> queueHook;
};

AudioState& state() {
  static AudioState s;
  return s;
}

bool stalled(AudioState& s) {
  const uint64_t renders = s.mixer.renderCalls();
  const auto now = Clock::now();
  if (renders != s.lastRenders) {
    s.lastRenders = renders;
    s.lastProgress = now;
    return false;
  }
  return now - s.lastProgress > kStallLimit;
}

}  // namespace

bool audioAvailable() {
  AudioState& s = state();
  if (!s.tried) {
    s.tried = true;
    const auto makeOutput = platformBackends().makeAudioOutput;
    const bool silent = conOptions().speech == SpeechChoice::None || !makeOutput;
    s.output = silent ? makeNullAudioOutput() : makeOutput();
    s.open = s.output->open(s.mixer);
    if (!s.open) s.output = makeNullAudioOutput();
  }
  return s.open;
}

void audioShutdown() {
  AudioState& s = state();
  if (s.output) s.output->close();
  s.output.reset();
  s.mixer.clearAll();
  s.tried = s.open = false;
}

void audioQueue(Channel channel, std::unique_ptr<PcmSource> source) {
  if (!source || !audioAvailable()) return;
  AudioState& s = state();
  // The watchdog's clock starts with the first sound after a quiet time.
  if (!s.mixer.sounding()) s.lastProgress = Clock::now();
  s.mixer.queue(channel, std::move(source));
  if (s.queueHook) s.queueHook();
}

void audioAppend(Channel channel, const int16_t* samples, size_t count, int rate) {
  if (count == 0 || !audioAvailable()) return;
  AudioState& s = state();
  if (!s.mixer.sounding()) s.lastProgress = Clock::now();
  if (rate == kMixRate) {
    s.mixer.append(channel, samples, count);
  } else {
    Samples converted;
    PcmConverter(PcmFormat{rate, 16, 1}).convert(samples, count, converted);
    s.mixer.append(channel, converted.data(), converted.size());
  }
  if (s.queueHook) s.queueHook();
}

void audioQueueSilence(Channel channel, int milliseconds) {
  if (milliseconds <= 0) return;
  audioQueue(channel, makeBufferSource(Samples(static_cast<size_t>(kMixRate) * milliseconds / 1000, 0)));
}

bool audioQueueRecording(const std::string& utf8Path) {
  auto stream = WavStream::open(utf8Path);
  if (!stream) return false;
  audioQueue(Channel::Voice, makeWavSource(std::move(stream)));
  return true;
}

void audioStop() { state().mixer.clearAll(); }
void audioStop(Channel channel) { state().mixer.clear(channel); }

bool audioSounding() {
  AudioState& s = state();
  if (!s.open || !s.mixer.sounding()) return false;
  if (!stalled(s)) return true;
  s.mixer.clearAll();
  return false;
}

double audioSecondsHeld(Channel channel) { return static_cast<double>(state().mixer.held(channel)) / kMixRate; }

bool audioSounding(Channel channel) { return audioSounding() && state().mixer.sounding(channel); }

void audioSetQueueHook(std::function<void()> hook) { state().queueHook = std::move(hook); }
uint64_t audioRenderCount() { return state().mixer.renderCalls(); }
