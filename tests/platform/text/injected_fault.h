#pragma once
// A fault injected through the system-call seam at the nth write, fsync, rename or
// directory sync of a save: the call fails with an errno, as a full disk or a dying
// device makes it fail, or the process is killed (SIGKILL) just before or just after it.
// Writes go through in pieces of at most 4 KiB, so that a save of a few pages makes
// several of them, and a piece may land before the fault. The real calls come back when
// the fault goes.
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "platform/text/file_write.h"

enum class SaveStep { Write, Fsync, Rename, SyncDirectory };

// In place of an errno.
constexpr int kKilledBefore = -1, kKilledAfter = -2;

class InjectedFault {
 public:
  InjectedFault(SaveStep step, int nth, int error) : saved_(fileSystemCalls()) {
    state() = {step, nth, error, 0, false};
    fileSystemCalls().write = [](int fd, const void* data, size_t size) {
      return at(SaveStep::Write, [&] { return ::write(fd, data, std::min<size_t>(size, 4096)); });
    };
    fileSystemCalls().fsync = [](int fd) { return at(SaveStep::Fsync, [&] { return ::fsync(fd); }); };
    fileSystemCalls().rename = [](const char* from, const char* to) {
      return at(SaveStep::Rename, [&] { return ::rename(from, to); });
    };
    fileSystemCalls().syncDirectory = [](const char* folder) {
      return at(SaveStep::SyncDirectory, [&] { return saved().syncDirectory(folder); });
    };
    saved() = saved_;
  }
  ~InjectedFault() { fileSystemCalls() = saved_; }
  InjectedFault(const InjectedFault&) = delete;
  InjectedFault& operator=(const InjectedFault&) = delete;

  // False when the save made fewer such calls than nth: it went through untouched.
  bool happened() const { return state().happened; }

 private:
  struct State {
    SaveStep step;
    int nth, error, seen;
    bool happened;
  };
  static State& state() {
    static State s;
    return s;
  }
  static FileSystemCalls& saved() {
    static FileSystemCalls calls;
    return calls;
  }
  template <class Call>
  static auto at(SaveStep step, const Call& call) -> decltype(call()) {
    State& s = state();
    if (step != s.step || ++s.seen != s.nth) return call();
    s.happened = true;
    if (s.error == kKilledBefore) ::raise(SIGKILL);
    if (s.error > 0) {
      errno = s.error;
      return -1;
    }
    const auto result = call();
    ::raise(SIGKILL);
    return result;
  }
  FileSystemCalls saved_;
};

constexpr SaveStep kSaveSteps[] = {SaveStep::Write, SaveStep::Fsync, SaveStep::Rename};
constexpr int kDiskFaults[] = {ENOSPC, EIO};
