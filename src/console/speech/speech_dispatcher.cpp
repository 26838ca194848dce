// The external engine: speech-dispatcher through libspeechd. Speech is handed over and
// goes on while the program runs; its begin and end events tell when it is sounding.
#include <speech-dispatcher/libspeechd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <thread>

#include "console/speech/speech_engine.h"
#include "console/text.h"

namespace {

using Clock = std::chrono::steady_clock;
// A message whose start is not reported within this time means the server takes our
// text but cannot sound it (no output module or no audio): the engine counts as failed.
constexpr auto kBeginLimit = std::chrono::seconds(3);

// Message ids grow; a message is over when an end or cancel event with its id (or a
// later one) has arrived. Events come on libspeechd's own thread.
std::atomic<long> gLastBegun{0};
std::atomic<long> gLastOver{0};

void onBegin(size_t id, size_t, SPDNotificationType) {
  long seen = gLastBegun.load();
  while (seen < static_cast<long>(id) && !gLastBegun.compare_exchange_weak(seen, static_cast<long>(id))) {
  }
}

void onOver(size_t id, size_t, SPDNotificationType) {
  long seen = gLastOver.load();
  while (seen < static_cast<long>(id) && !gLastOver.compare_exchange_weak(seen, static_cast<long>(id))) {
  }
}

// Connecting may spawn the server or wait on a socket that never answers; it runs on a
// thread of its own so that the program waits no longer than the timeout. An attempt
// that comes back too late closes its connection itself.
struct Attempt {
  std::mutex mutex;
  std::condition_variable done;
  bool finished = false;
  bool abandoned = false;
  SPDConnection* connection = nullptr;
};

SPDConnection* connectWithin(int timeoutMs) {
  auto attempt = std::make_shared<Attempt>();
  std::thread([attempt] {
    char* error = nullptr;
    SPDConnection* c = spd_open2("pontelix", "main", nullptr, SPD_MODE_THREADED, nullptr, 1, &error);
    std::free(error);
    std::lock_guard lock(attempt->mutex);
    if (attempt->abandoned) {
      if (c) spd_close(c);
      return;
    }
    attempt->connection = c;
    attempt->finished = true;
    attempt->done.notify_one();
  }).detach();
  std::unique_lock lock(attempt->mutex);
  if (!attempt->done.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] { return attempt->finished; })) {
    attempt->abandoned = true;
    return nullptr;
  }
  return attempt->connection;
}

bool hasOutputModule(SPDConnection* c) {
  char** modules = spd_list_modules(c);
  const bool any = modules && modules[0];
  if (modules) free_spd_modules(modules);
  return any;
}

// The n-th (1-based) Portuguese voice of the current module, or nothing.
void chooseVoice(SPDConnection* c, int number) {
  if (number <= 0) return;
  SPDVoice** voices = spd_list_synthesis_voices(c);
  if (!voices) return;
  int seen = 0;
  for (SPDVoice** v = voices; *v; ++v) {
    if ((*v)->language && std::string((*v)->language).rfind("pt", 0) == 0 && ++seen == number) {
      spd_set_synthesis_voice(c, (*v)->name);
      break;
    }
  }
  free_spd_voices(voices);
}

class DispatcherEngine : public SpeechEngine {
 public:
  explicit DispatcherEngine(SPDConnection* connection) : connection_(connection) {}
  ~DispatcherEngine() override {
    spd_cancel(connection_);
    spd_close(connection_);
  }

  bool walksText() const override { return false; }

  void say(std::string_view text) override { track(spd_say(connection_, SPD_TEXT, cp1252ToUtf8(text).c_str())); }

  void sayCharacter(unsigned char ch) override {
    track(spd_char(connection_, SPD_TEXT, cp1252ToUtf8(std::string(1, static_cast<char>(ch))).c_str()));
  }

  bool busy() override {
    if (gLastOver.load() >= lastSaid_) return false;
    if (gLastBegun.load() < lastSaid_ && Clock::now() - saidAt_ > kBeginLimit) {
      failed_ = true;
      return false;
    }
    return true;
  }

  void stop() override {
    spd_cancel(connection_);
    onOver(static_cast<size_t>(lastSaid_), 0, SPD_EVENT_CANCEL);
  }

  bool failed() const override { return failed_; }

 private:
  void track(int id) {
    if (id < 0) {
      failed_ = true;
      return;
    }
    lastSaid_ = id;
    saidAt_ = Clock::now();
  }

  SPDConnection* connection_;
  long lastSaid_ = 0;
  Clock::time_point saidAt_;
  bool failed_ = false;
};

}  // namespace

std::unique_ptr<SpeechEngine> makeDispatcherEngine(const DispatcherSettings& settings, int timeoutMs) {
  // A new server counts its messages from the start again.
  gLastBegun = 0;
  gLastOver = 0;
  SPDConnection* c = connectWithin(timeoutMs);
  if (!c) return nullptr;
  if (!hasOutputModule(c)) {
    spd_close(c);
    return nullptr;
  }
  c->callback_begin = onBegin;
  c->callback_end = onOver;
  c->callback_cancel = onOver;
  spd_set_notification_on(c, SPD_BEGIN);
  spd_set_notification_on(c, SPD_END);
  spd_set_notification_on(c, SPD_CANCEL);
  spd_set_language(c, "pt-BR");
  chooseVoice(c, settings.voice);
  spd_set_voice_rate(c, std::clamp(settings.rate, -100, 100));
  spd_set_voice_pitch(c, std::clamp(settings.pitch, -100, 100));
  return std::make_unique<DispatcherEngine>(c);
}
