// How quickly speech starts and stops: from spkSay of a catalogue-length message to its
// first samples in the audio queue, and from a queued key to silence. Runs on SDL's
// dummy audio driver, so no sound card is needed.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <chrono>
#include <optional>
#include <thread>

#include "platform/console.h"
#include "platform/frontend.h"
#include "platform/frontends/headless.h"
#include "platform/config/options.h"
#include "platform/platform_backends.h"
#include "platform/sound/audio.h"
#include "platform/speech.h"

namespace {

using Clock = std::chrono::steady_clock;

const char* kMessage =
    "Op\xe7\xe3o inv\xe1lida. Tecle a letra de uma das op\xe7\xf5" "es do menu, ou Esc para voltar ao menu principal.";

void startSpeech() {
  static bool started = false;
  if (started) return;
  started = true;
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  // The headless frontend ends a program that polls for 20 s without waiting for a
  // key; the fixed iteration counts below keep each run far shorter.
  conSetFrontend(makeHeadlessFrontend({}));
  conSetOptions({UiChoice::Headless, SpeechChoice::Espeak});
  installPlatformBackends();
  spkStart(3, "/nonexistent");
}

double seconds(Clock::time_point from, Clock::time_point to) { return std::chrono::duration<double>(to - from).count(); }

void BM_SayToFirstAudio(benchmark::State& state) {
  startSpeech();
  std::optional<Clock::time_point> first;
  audioSetQueueHook([&] {
    if (!first) first = Clock::now();
  });
  for (auto _ : state) {
    first.reset();
    const auto start = Clock::now();
    spkSay(kMessage);
    if (!first) {
      state.SkipWithError("nothing was queued");
      break;
    }
    state.SetIterationTime(seconds(start, *first));
    spkStop();
  }
  audioSetQueueHook(nullptr);
}
BENCHMARK(BM_SayToFirstAudio)->Iterations(100)->UseManualTime()->Unit(benchmark::kMillisecond);

// Silence counted twice: when the queue is empty (what spkBusy reports) and when the
// device has pulled its next, silent buffer (what the listener hears).
void BM_KeyToSilence(benchmark::State& state) {
  startSpeech();
  double deviceSilence = 0;
  for (auto _ : state) {
    spkSay(kMessage);
    const auto start = Clock::now();
    conQueueKey('x');
    while (spkBusy()) {
    }
    const auto queueEmpty = Clock::now();
    const uint64_t renders = audioRenderCount();
    while (audioRenderCount() == renders) std::this_thread::yield();
    deviceSilence += seconds(start, Clock::now());
    state.SetIterationTime(seconds(start, queueEmpty));
    conGetKey();
  }
  state.counters["device_silence_ms"] = benchmark::Counter(deviceSilence * 1000, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_KeyToSilence)->Iterations(100)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
