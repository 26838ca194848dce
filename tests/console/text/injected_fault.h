#pragma once
// A fault of the disk injected through the system-call seam: the nth write, fsync or
// rename of a save fails with an errno, as a full disk or a dying device makes it fail.
// Writes go through in pieces of at most 4 KiB, so that a save of a few pages makes
// several of them, and a piece may land before the failure. The real calls come back
// when the fault goes.
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "console/text/file_write.h"

enum class SaveStep { Write, Fsync, Rename };

class InjectedFault {
 public:
  InjectedFault(SaveStep step, int nth, int error) : saved_(fileSystemCalls()) {
    state() = {step, nth, error, 0, false};
    fileSystemCalls().write = [](int fd, const void* data, size_t size) -> ssize_t {
      if (fails(SaveStep::Write)) return -1;
      return ::write(fd, data, std::min<size_t>(size, 4096));
    };
    fileSystemCalls().fsync = [](int fd) { return fails(SaveStep::Fsync) ? -1 : ::fsync(fd); };
    fileSystemCalls().rename = [](const char* from, const char* to) {
      return fails(SaveStep::Rename) ? -1 : ::rename(from, to);
    };
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
  static bool fails(SaveStep step) {
    State& s = state();
    if (step != s.step || ++s.seen != s.nth) return false;
    s.happened = true;
    errno = s.error;
    return true;
  }
  FileSystemCalls saved_;
};

constexpr SaveStep kSaveSteps[] = {SaveStep::Write, SaveStep::Fsync, SaveStep::Rename};
constexpr int kDiskFaults[] = {ENOSPC, EIO};
