// The external engine: speech-dispatcher through libspeechd. Every call into the
// library runs on a worker thread of its own: a server that stops answering (or a
// library that deadlocks) then stalls only that thread, and the program notices and
// falls back instead of hanging. Speech goes on while the program runs; the server's
// begin and end events tell when it is sounding.
#include <speech-dispatcher/libspeechd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdlib>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/speech/speech_engine.h"
#include "platform/speech/speechd_library.h"
#include "platform/text/language.h"
#include "platform/text/text.h"

namespace {

using Clock = std::chrono::steady_clock;
// A call that has not come back by then means the server (or the library) is stuck.
constexpr auto kCallLimit = std::chrono::seconds(3);
// A message whose start is not reported within this time means the server takes our
// text but cannot sound it (no working output module).
constexpr auto kBeginLimit = std::chrono::seconds(3);
// Nor may speech go on for longer than even the slowest voice needs: a server without
// a working audio output reports the start and never the end.
constexpr auto kSpeechAllowance = std::chrono::seconds(3);
constexpr auto kSpeechPerCharacter = std::chrono::milliseconds(150);
// How long the silent test message at the start may take.
constexpr auto kProbeLimit = std::chrono::milliseconds(1500);

void raiseTo(std::atomic<long>& value, long to) {
  long seen = value.load();
  while (seen < to && !value.compare_exchange_weak(seen, to)) {
  }
}

// Message ids grow; a message is over when an end or cancel event with its id (or a
// later one) has arrived. Events come on libspeechd's own thread, and its callbacks
// carry no context, so these are the one connection's.
std::atomic<long> gLastBegun{0};
std::atomic<long> gLastOver{0};

void onBegin(size_t id, size_t, SPDNotificationType) { raiseTo(gLastBegun, static_cast<long>(id)); }
void onOver(size_t id, size_t, SPDNotificationType) { raiseTo(gLastOver, static_cast<long>(id)); }

bool hasOutputModule(SPDConnection* c) {
  char** modules = speechd().spd_list_modules(c);
  const bool any = modules && modules[0];
  if (modules) speechd().free_spd_modules(modules);
  return any;
}

// The voices of the current module in the language in use, in the server's order:
// SERVFALA/VOZ counts them from 1.
std::vector<std::string> languageVoices(SPDConnection* c) {
  const std::string code = languageCode(currentLanguage());
  std::vector<std::string> names;
  SPDVoice** voices = speechd().spd_list_synthesis_voices(c);
  if (!voices) return names;
  for (SPDVoice** v = voices; *v; ++v) {
    if ((*v)->name && (*v)->language && std::string((*v)->language).rfind(code, 0) == 0) names.push_back((*v)->name);
  }
  speechd().free_spd_voices(voices);
  return names;
}

// The n-th (1-based) voice of the language in use of the current module, or the default.
void chooseVoice(SPDConnection* c, int number) {
  if (number <= 0) return;
  const std::vector<std::string> names = languageVoices(c);
  if (static_cast<size_t>(number) <= names.size()) {
    speechd().spd_set_synthesis_voice(c, names[static_cast<size_t>(number) - 1].c_str());
  }
}

// A server without a working audio output takes texts and reports their start, but
// never their end. A silent one-letter message tells at once whether speech can end.
bool speechEnds(SPDConnection* c) {
  speechd().spd_set_volume(c, -100);
  const int id = speechd().spd_say(c, SPD_TEXT, "a");
  speechd().spd_set_volume(c, 0);
  if (id < 0) return false;
  const auto limit = Clock::now() + kProbeLimit;
  while (gLastOver.load() < id) {
    if (Clock::now() > limit) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

SPDConnection* connectAndSetUp(const DispatcherSettings& settings) {
  if (!speechdLibrary()) return nullptr;
  char* error = nullptr;
  SPDConnection* c = speechd().spd_open2("pontelix", "main", nullptr, SPD_MODE_THREADED, nullptr, 1, &error);
  std::free(error);
  if (!c) return nullptr;
  if (!hasOutputModule(c)) {
    speechd().spd_close(c);
    return nullptr;
  }
  c->callback_begin = onBegin;
  c->callback_end = onOver;
  c->callback_cancel = onOver;
  speechd().spd_set_notification_on(c, SPD_BEGIN);
  speechd().spd_set_notification_on(c, SPD_END);
  speechd().spd_set_notification_on(c, SPD_CANCEL);
  speechd().spd_set_language(c, dispatcherLanguageName());
  chooseVoice(c, settings.voice);
  speechd().spd_set_voice_rate(c, std::clamp(settings.rate, -100, 100));
  speechd().spd_set_voice_pitch(c, std::clamp(settings.pitch, -100, 100));
  if (!speechEnds(c)) {
    speechd().spd_cancel(c);
    speechd().spd_close(c);
    return nullptr;
  }
  return c;
}

// The worker and what it shares with the program's thread. Shared ownership lets an
// abandoned worker finish (or stay stuck) without touching freed memory.
struct Worker {
  using Job = std::function<void(SPDConnection*)>;
  struct Entry {
    Job job;
    bool speech;
  };

  std::mutex mutex;
  std::condition_variable wake;
  std::condition_variable ready;
  std::deque<Entry> jobs;
  // Texts posted and not yet handed to the server (queued, or in the call) since the
  // last stop, and how many stops there were.
  int unsentTexts = 0;
  long stops = 0;
  bool connected = false;
  bool setUpDone = false;
  bool quit = false;
  bool busyWithJob = false;
  Clock::time_point jobStarted;
  std::atomic<long> lastSaid{0};
  std::atomic<bool> failed{false};

  void run(DispatcherSettings settings) {
    SPDConnection* c = connectAndSetUp(settings);
    {
      std::lock_guard lock(mutex);
      connected = c != nullptr;
      setUpDone = true;
      ready.notify_all();
    }
    if (!c) return;
    for (;;) {
      Job job;
      {
        std::unique_lock lock(mutex);
        wake.wait(lock, [&] { return quit || !jobs.empty(); });
        if (jobs.empty()) break;
        job = std::move(jobs.front().job);
        jobs.pop_front();
        busyWithJob = true;
        jobStarted = Clock::now();
      }
      job(c);
      std::lock_guard lock(mutex);
      busyWithJob = false;
    }
    speechd().spd_cancel(c);
    speechd().spd_close(c);
  }

  void post(Job job, bool speech) {
    std::lock_guard lock(mutex);
    jobs.push_back({std::move(job), speech});
    if (speech) ++unsentTexts;
    wake.notify_one();
  }

  // Drops everything queued. A text already in the call counts as sent from now on:
  // the speech it starts is over for the program, and the cancel posted behind it
  // silences it.
  void forgetUnsent() {
    std::lock_guard lock(mutex);
    jobs.clear();
    unsentTexts = 0;
    ++stops;
  }

  // The id of a message the server queued (a negative one means it refused the text),
  // for a text posted after `stopsWhenPosted` stops.
  void said(int id, long stopsWhenPosted) {
    std::lock_guard lock(mutex);
    if (id < 0) {
      failed = true;
    } else {
      // Over before it is known to have been said, so that busy() never sees it.
      if (stopsWhenPosted != stops) raiseTo(gLastOver, id);
      lastSaid = id;
    }
    if (stopsWhenPosted == stops) --unsentTexts;
  }
};

class DispatcherEngine : public SpeechEngine {
 public:
  explicit DispatcherEngine(std::shared_ptr<Worker> worker) : worker_(std::move(worker)) {}
  ~DispatcherEngine() override {
    worker_->forgetUnsent();
    {
      std::lock_guard lock(worker_->mutex);
      worker_->quit = true;
      worker_->wake.notify_one();
    }
    // Not joined: a stuck worker must not hold the program's end.
    thread_.detach();
  }

  void start(DispatcherSettings settings) { thread_ = std::thread([w = worker_, settings] { w->run(settings); }); }

  bool walksText() const override { return false; }

  void say(std::string_view text) override {
    // A blank text would be a message that never begins.
    if (text.find_first_not_of(' ') == std::string_view::npos) return;
    post(asUtf8(text), false);
  }

  // Spelled as a one-character message rather than sent as a character: only messages
  // report the id that their begin and end events carry.
  void sayCharacter(char32_t ch) override { post(utf8Of(ch), true); }

  bool busy() override {
    if (failed()) return false;
    bool pending;
    {
      std::lock_guard lock(worker_->mutex);
      if (worker_->busyWithJob && Clock::now() - worker_->jobStarted > kCallLimit) worker_->failed = true;
      pending = worker_->unsentTexts > 0;
    }
    const long said = worker_->lastSaid.load();
    if (!pending && gLastOver.load() >= said) return false;
    const auto now = Clock::now();
    if ((gLastBegun.load() < said && now - saidAt_ > kBeginLimit) || now > speakingUntil_) worker_->failed = true;
    return !failed();
  }

  void stop() override {
    worker_->forgetUnsent();
    // What was said so far counts as over at once; the server confirms later.
    raiseTo(gLastOver, worker_->lastSaid.load());
    worker_->post(
        [w = worker_.get()](SPDConnection* c) {
          speechd().spd_cancel(c);
          raiseTo(gLastOver, w->lastSaid.load());
        },
        false);
  }

  bool failed() const override { return worker_->failed.load(); }

 private:
  void post(std::string utf8, bool spell) {
    saidAt_ = Clock::now();
    // Texts are spoken one after the other, so their allowances add up.
    speakingUntil_ = std::max(speakingUntil_, saidAt_) + kSpeechAllowance +
                     kSpeechPerCharacter * static_cast<long>(utf8.size());
    long stops;
    {
      std::lock_guard lock(worker_->mutex);
      stops = worker_->stops;
    }
    worker_->post([w = worker_.get(), utf8 = std::move(utf8), spell, stops](SPDConnection* c) {
      if (spell) speechd().spd_set_spelling(c, SPD_SPELL_ON);
      w->said(speechd().spd_say(c, SPD_TEXT, utf8.c_str()), stops);
      if (spell) speechd().spd_set_spelling(c, SPD_SPELL_OFF);
    }, true);
  }

  std::shared_ptr<Worker> worker_;
  std::thread thread_;
  Clock::time_point saidAt_;
  Clock::time_point speakingUntil_;
};

}  // namespace

const char* dispatcherLanguageName() { return currentLanguage() == Language::English ? "en" : "pt-BR"; }

std::unique_ptr<SpeechEngine> makeDispatcherEngine(const DispatcherSettings& settings, int timeoutMs) {
  // The library writes to the server's socket without guarding against a server that
  // has gone away; that must cost the program its external voice, not its life.
  std::signal(SIGPIPE, SIG_IGN);
  // A new server counts its messages from the start again.
  gLastBegun = 0;
  gLastOver = 0;
  auto worker = std::make_shared<Worker>();
  auto engine = std::make_unique<DispatcherEngine>(worker);
  engine->start(settings);
  std::unique_lock lock(worker->mutex);
  const bool answered = worker->ready.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] { return worker->setUpDone; });
  if (!answered || !worker->connected) {
    lock.unlock();
    return nullptr;  // the engine's end tells the worker to close whenever it can
  }
  return engine;
}

std::vector<std::string> listDispatcherVoices(int timeoutMs) {
  // A connection of its own on a thread of its own, as for speaking: a server that
  // does not answer costs the caller the time limit, never a hang.
  struct Answer {
    std::mutex mutex;
    std::condition_variable done;
    bool answered = false;
    std::vector<std::string> names;
  };
  auto answer = std::make_shared<Answer>();
  std::thread([answer] {
    std::signal(SIGPIPE, SIG_IGN);
    char* error = nullptr;
    SPDConnection* c = nullptr;
    if (speechdLibrary()) c = speechd().spd_open2("pontelix", "voices", nullptr, SPD_MODE_SINGLE, nullptr, 1, &error);
    std::free(error);
    std::vector<std::string> names;
    if (c) {
      speechd().spd_set_language(c, dispatcherLanguageName());
      for (const std::string& name : languageVoices(c)) names.push_back(name);
      speechd().spd_close(c);
    }
    std::lock_guard lock(answer->mutex);
    answer->names = std::move(names);
    answer->answered = true;
    answer->done.notify_all();
  }).detach();
  std::unique_lock lock(answer->mutex);
  if (!answer->done.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] { return answer->answered; })) return {};
  return answer->names;
}
