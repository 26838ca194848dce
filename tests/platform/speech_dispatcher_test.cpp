// The external engine against a small stand-in speech server on a private socket.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/speech/speech_engine.h"
#include "platform/temp_dir.h"

namespace {

// Answers the speech server's protocol just enough for the client library: every
// command is acknowledged, SPEAK queues a message that starts at once, and the test
// decides when it ends. A message at volume -100 (the client's silent test) ends at
// once when the server's audio works.
struct ServerKind {
  bool answers = true;
  bool withModule = true;
  bool audioWorks = true;
};

class FakeSpeechServer {
 public:
  explicit FakeSpeechServer(ServerKind kind = {}) : kind_(kind) {
    dir_ = makeTempDir("speechd");
    const std::string path = dir_ + "/speechd.sock";
    listener_ = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", path.c_str());
    bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
    listen(listener_, 1);
    setenv("SPEECHD_ADDRESS", ("unix_socket:" + path).c_str(), 1);
    thread_ = std::thread([this] { serve(); });
  }
  ~FakeSpeechServer() {
    releaseAnswers();
    shutdown(listener_, SHUT_RDWR);
    close(listener_);
    if (client_ >= 0) shutdown(client_, SHUT_RDWR);
    thread_.join();
    if (client_ >= 0) close(client_);
    unsetenv("SPEECHD_ADDRESS");
    std::filesystem::remove_all(dir_);
  }

  int messagesQueued() const { return lastId_.load(); }
  // Reports the end of the last queued message.
  void endLastMessage() { event(702, "END"); }
  // While held, the text of a SPEAK is taken and its answer waits for the release: the
  // client stays inside its call.
  void holdAnswers() {
    std::lock_guard lock(mutex_);
    held_ = true;
  }
  void releaseAnswers() {
    std::lock_guard lock(mutex_);
    held_ = false;
    released_.notify_all();
  }

  std::vector<std::string> commands() {
    std::lock_guard lock(mutex_);
    return commands_;
  }
  std::vector<std::string> texts() {
    std::lock_guard lock(mutex_);
    return texts_;
  }

 private:
  void send(const std::string& text) {
    std::lock_guard lock(writeMutex_);
    [[maybe_unused]] const ssize_t n = ::send(client_, text.data(), text.size(), MSG_NOSIGNAL);
  }
  void event(int code, const char* what) {
    const std::string id = std::to_string(lastId_.load());
    send(std::to_string(code) + "-" + id + "\r\n" + std::to_string(code) + "-1\r\n" + std::to_string(code) + " " + what + "\r\n");
  }

  bool readLine(std::string& line) {
    line.clear();
    char c;
    while (read(client_, &c, 1) == 1) {
      if (c == '\n') {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        return true;
      }
      line += c;
    }
    return false;
  }

  void queueMessage() {
    const int id = ++lastId_;
    send("225-" + std::to_string(id) + "\r\n225 OK MESSAGE QUEUED\r\n");
    event(701, "BEGIN");
    if (silent_ && kind_.audioWorks) event(702, "END");
  }

  void serve() {
    client_ = accept(listener_, nullptr, nullptr);
    if (client_ < 0 || !kind_.answers) return;
    std::string line;
    while (readLine(line)) {
      // Commands are case-insensitive; they are kept in upper case.
      std::transform(line.begin(), line.end(), line.begin(), [](unsigned char c) { return std::toupper(c); });
      {
        std::lock_guard lock(mutex_);
        commands_.push_back(line);
      }
      if (line == "SPEAK") {
        send("230 OK RECEIVING DATA\r\n");
        while (readLine(line) && line != ".") {
          std::lock_guard lock(mutex_);
          texts_.push_back(line);
        }
        {
          std::unique_lock lock(mutex_);
          released_.wait(lock, [this] { return !held_; });
        }
        queueMessage();
      } else if (line.rfind("SET SELF VOLUME ", 0) == 0) {
        silent_ = line == "SET SELF VOLUME -100";
        send("200 OK\r\n");
      } else if (line == "LIST OUTPUT_MODULES") {
        send(kind_.withModule ? "250-espeak-ng\r\n250 OK MODULE LIST SENT\r\n" : "250 OK MODULE LIST SENT\r\n");
      } else if (line == "LIST SYNTHESIS_VOICES") {
        send("249-Raquel\tpt-BR\tnone\r\n249-Anna\tde\tnone\r\n249-Let\xc3\xad" "cia\tpt\tnone\r\n"
             "249 OK VOICE LIST SENT\r\n");
      } else if (line == "QUIT") {
        send("231 HAPPY HACKING\r\n");
        return;
      } else {
        send("200 OK\r\n");
      }
    }
  }

  ServerKind kind_;
  bool silent_ = false;
  std::string dir_;
  int listener_ = -1;
  std::atomic<int> client_{-1};
  std::thread thread_;
  std::atomic<int> lastId_{0};
  std::mutex mutex_, writeMutex_;
  std::condition_variable released_;
  bool held_ = false;
  std::vector<std::string> commands_;
  std::vector<std::string> texts_;
};

bool waitFor(const std::function<bool()>& condition) {
  const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (!condition()) {
    if (std::chrono::steady_clock::now() > limit) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  return true;
}

TEST(SpeechDispatcher, SpeaksThroughTheServerAndFollowsItsEvents) {
  FakeSpeechServer server;
  auto engine = makeDispatcherEngine({0, 50, -20}, 2000);
  ASSERT_TRUE(engine);
  EXPECT_FALSE(engine->walksText());
  EXPECT_FALSE(engine->busy());
  // Busy from the moment the text is handed over until the server reports its end.
  engine->say("Op\xe7\xe3o");
  EXPECT_TRUE(engine->busy());
  ASSERT_TRUE(waitFor([&] { return server.messagesQueued() == 2; }));
  EXPECT_TRUE(engine->busy());
  server.endLastMessage();
  EXPECT_TRUE(waitFor([&] { return !engine->busy(); }));

  auto sent = [&](const std::string& command) {
    return waitFor([&] {
      const std::vector<std::string> commands = server.commands();
      return std::find(commands.begin(), commands.end(), command) != commands.end();
    });
  };
  // A stop silences at once, even while the text is still inside the library's call:
  // the server has it, and its answer is held back.
  server.holdAnswers();
  engine->sayCharacter('a');
  ASSERT_TRUE(waitFor([&] { return server.texts().size() == 3; }));
  EXPECT_TRUE(engine->busy());
  engine->stop();
  EXPECT_FALSE(engine->busy());
  server.releaseAnswers();
  // The cancel runs after the call came back with the message's id.
  ASSERT_TRUE(sent("CANCEL SELF"));
  EXPECT_EQ(server.messagesQueued(), 3);
  EXPECT_FALSE(engine->busy());
  EXPECT_FALSE(engine->failed());

  // Speech after the stop is followed again.
  engine->say("fim");
  ASSERT_TRUE(waitFor([&] { return server.messagesQueued() == 4; }));
  EXPECT_TRUE(engine->busy());
  server.endLastMessage();
  EXPECT_TRUE(waitFor([&] { return !engine->busy(); }));
  EXPECT_TRUE(sent("SET SELF LANGUAGE PT-BR"));
  EXPECT_TRUE(sent("SET SELF RATE 50"));
  EXPECT_TRUE(sent("SET SELF PITCH -20"));
  EXPECT_TRUE(sent("SET SELF NOTIFICATION END ON"));
  EXPECT_TRUE(sent("SET SELF SPELLING ON"));
  // The silent test message, then ours.
  EXPECT_EQ(server.texts(), (std::vector<std::string>{"a", "Op\xc3\xa7\xc3\xa3o", "a", "fim"}));
}

TEST(SpeechDispatcher, AServerThatCannotSpeakIsNotUsed) {
  {
    FakeSpeechServer server({.withModule = false});
    EXPECT_FALSE(makeDispatcherEngine({}, 3000));
  }
  FakeSpeechServer server({.audioWorks = false});
  EXPECT_FALSE(makeDispatcherEngine({}, 3000));
  EXPECT_EQ(server.messagesQueued(), 1);
}

TEST(SpeechDispatcher, ThePortugueseVoicesAreListedAndChosenByTheirNumber) {
  {
    FakeSpeechServer server;
    EXPECT_EQ(listDispatcherVoices(2000), (std::vector<std::string>{"Raquel", "Letícia"}));
  }
  FakeSpeechServer server;
  auto engine = makeDispatcherEngine({2, 0, 0}, 2000);
  ASSERT_TRUE(engine);
  const std::vector<std::string> commands = server.commands();
  EXPECT_NE(std::find(commands.begin(), commands.end(), "SET SELF SYNTHESIS_VOICE LET\xc3\xad" "CIA"), commands.end());
}

TEST(SpeechDispatcher, AServerThatNeverAnswersIsGivenUpInTime) {
  FakeSpeechServer server({.answers = false});
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(makeDispatcherEngine({}, 300));
  EXPECT_TRUE(listDispatcherVoices(300).empty());
  // Bounded: the wait ends with the timeout, not with the server.
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}

}  // namespace
