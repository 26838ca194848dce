// The real program killed (SIGKILL) at instants spread over a save: whatever the instant,
// the file under its name is the whole old file or the whole new one, and the temporary
// file a kill leaves is removed by the next save.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "sanitized_build.h"
#include "scratch.h"

namespace {

using Clock = std::chrono::steady_clock;
// In the checking tree each kill costs several times as much: fewer instants still cover
// the write, while the real build takes all of them.
constexpr int kKills = kSanitizedBuild ? 25 : 200;

// The program started in a folder it may write, and what happens to the target's name
// there, seen through inotify.
class WatchedRun {
 public:
  WatchedRun(const std::string& dir, const std::string& folder, const std::string& target,
             const std::vector<std::string>& args)
      : stem_("." + target + "."), target_(target) {
    ::inotify_add_watch(inotify_, folder.c_str(), IN_CREATE | IN_MOVED_TO);
    pid_ = ::fork();
    if (pid_ != 0) return;
    if (::chdir(dir.c_str()) != 0) ::_exit(127);
    ::setenv("XDG_CONFIG_HOME", (dir + "/config").c_str(), 1);
    ::setenv("CUPS_SERVER", (dir + "/no-scheduler").c_str(), 1);
    const int null = ::open("/dev/null", O_RDWR);
    ::dup2(null, 1);
    ::dup2(null, 2);
    std::vector<char*> argv{const_cast<char*>(PONTELIX_EXE)};
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    ::execv(PONTELIX_EXE, argv.data());
    ::_exit(127);
  }
  ~WatchedRun() {
    kill();
    ::close(inotify_);
  }
  // Each waits for its event, or for the program's end (false). A program that neither
  // saves nor ends is a failure of its own: a minute is far beyond any run.
  bool temporaryMade() { return waitFor(IN_CREATE, stem_, true); }
  bool targetRenamed() { return waitFor(IN_MOVED_TO, target_, false); }
  void kill() {
    if (ended_) return;
    ::kill(pid_, SIGKILL);
    ended_ = ::waitpid(pid_, &status_, 0) == pid_;
  }
  int status() {
    if (!ended_) ended_ = ::waitpid(pid_, &status_, 0) == pid_;
    return WIFEXITED(status_) ? WEXITSTATUS(status_) : -1;
  }

 private:
  // Events read but not yet looked at wait in `unread_`: one read can bring both the
  // temporary file's making and the rename of a quick save.
  bool waitFor(uint32_t mask, const std::string& name, bool prefix) {
    const auto deadline = Clock::now() + std::chrono::minutes(1);
    while (Clock::now() < deadline) {
      while (!unread_.empty()) {
        const auto* e = reinterpret_cast<const inotify_event*>(unread_.data());
        const std::string got = e->len ? e->name : "";
        unread_.erase(0, sizeof(inotify_event) + e->len);
        if ((e->mask & mask) && (prefix ? got.starts_with(name) : got == name)) return true;
      }
      alignas(inotify_event) char buffer[4096];
      pollfd p{inotify_, POLLIN, 0};
      if (::poll(&p, 1, 10) == 1) {
        const ssize_t n = ::read(inotify_, buffer, sizeof buffer);
        if (n > 0) unread_.append(buffer, static_cast<size_t>(n));
      } else if (ended_) {
        return false;
      } else if (::waitpid(pid_, &status_, WNOHANG) == pid_) {
        // It may have saved and ended since the last look: one more look at the queue.
        ended_ = true;
      }
    }
    ADD_FAILURE() << "no " << name << " and no end in a minute";
    return false;
  }

  int inotify_ = ::inotify_init1(IN_CLOEXEC | IN_NONBLOCK);
  pid_t pid_ = -1;
  int status_ = 0;
  bool ended_ = false;
  std::string stem_, target_;
  std::string unread_;
};

struct Road {
  const char* what;
  std::string folder, target, old;  // the folder relative to the scratch folder
  std::vector<std::string> args;
};

std::vector<std::string> temporariesOf(const std::string& folder, const std::string& target) {
  std::vector<std::string> found;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().filename().string().starts_with("." + target + ".")) found.push_back(entry.path());
  }
  return found;
}

// One uninterrupted run measures how long the write lasts, from the temporary file's
// making to the rename; the kills then fall after the making at fractions of that span,
// up to a quarter past it. A slower or faster run under load shifts where they fall, and
// every instant is one that must hold.
void killAtInstantsOfTheSave(const ScratchDir& dir, const Road& road) {
  const std::string folder = dir.file(road.folder), target = folder + "/" + road.target;
  std::filesystem::create_directories(folder);
  writeBytes(target, road.old);
  Clock::duration span{};
  // The measuring run is tried up to three times: under a full, parallel suite a run's
  // events have been seen to go missing, and the instants only need one measure.
  bool measured = false;
  std::string why;
  for (int attempt = 0; attempt < 3 && !measured; ++attempt) {
    writeBytes(target, road.old);
    WatchedRun run(dir.path(), folder, road.target, road.args);
    const bool made = run.temporaryMade();
    const auto madeAt = Clock::now();
    measured = made && run.targetRenamed();
    span = Clock::now() - madeAt;
    const int status = run.status();
    why += " [run " + std::to_string(attempt + 1) + ": " + (made ? "no rename" : "no temporary file") + ", status " +
           std::to_string(status) + "]";
    if (measured) {
      ASSERT_EQ(status, 0);
    }
  }
  ASSERT_TRUE(measured) << why;
  const std::string fresh = readBytes(target);
  ASSERT_NE(fresh, road.old);
  // Each kill's temporary files are made to look an hour old, as a kill long ago would
  // leave them; the next run that gets as far as its own temporary file has removed them.
  const timespec anHourAgo[2] = {{::time(nullptr) - 3600, 0}, {::time(nullptr) - 3600, 0}};
  std::set<std::string> stale;
  int old = 0, whole = 0, left = 0;
  for (int i = 0; i < kKills; ++i) {
    writeBytes(target, road.old);
    WatchedRun run(dir.path(), folder, road.target, road.args);
    const bool saving = run.temporaryMade();
    if (saving) std::this_thread::sleep_for(span * 5 * i / (4 * kKills));
    run.kill();
    const std::string now = readBytes(target);
    ASSERT_TRUE(now == road.old || now == fresh) << "kill " << i << ": " << now.size() << " bytes";
    (now == road.old ? old : whole)++;
    std::set<std::string> found;
    for (const std::string& name : temporariesOf(folder, road.target)) {
      if (saving) {
        EXPECT_EQ(stale.count(name), 0u) << "kill " << i << " found " << name;
      }
      left += stale.count(name) == 0;
      ::utimensat(AT_FDCWD, name.c_str(), anHourAgo, AT_SYMLINK_NOFOLLOW);
      found.insert(name);
    }
    stale = std::move(found);
  }
  WatchedRun after(dir.path(), folder, road.target, road.args);
  EXPECT_EQ(after.status(), 0);
  EXPECT_EQ(readBytes(target), fresh);
  EXPECT_TRUE(temporariesOf(folder, road.target).empty());
  std::printf("%s: %d kills, %d left the old file, %d the new one; %d temporary files left, all removed\n", road.what,
              kKills, old, whole, left);
}

std::string manyLines() {
  std::string text;
  for (int i = 0; i < 40000; ++i) text += "PT " + std::to_string(i % 10) + " 1\nCI 0 0 " + std::to_string(i % 5 + 1) + "\n";
  return text;
}

// The talking program on its keys.txt, with this project.
std::vector<std::string> talking(const std::string& project) {
  return {"--ui=headless", "--speech=none", "--keys=keys.txt", "--transcript=t.txt", project};
}

TEST(KilledSave, TheProjectIsTheOldOrTheNewFile) {
  ScratchDir dir;
  // LF line ends, written back as CR LF.
  writeBytes(dir.file("keys.txt"), "Ss<Esc>s");
  killAtInstantsOfTheSave(dir, {"project", ".", "a.pxg", manyLines(), talking("a.pxg")});
}

TEST(KilledSave, RenderedPicturesAndPagesAreTheOldOrTheNewFile) {
  ScratchDir dir;
  writeBytes(dir.file("s.pxg"), "CI 0 0 5\nRT -10 -5 10 5\nTX 0 0 ola\n");
  for (const char* output : {"p.png", "p.pdf"}) {
    SCOPED_TRACE(output);
    killAtInstantsOfTheSave(dir, {output, ".", output, "old", {"render", "--size=1200", "s.pxg", "-o", output}});
  }
}

// Option C sets the speech speed in a large Tramel.ini (whose switches are all there, so
// that the start writes nothing).
TEST(KilledSave, TheConfigurationIsTheOldOrTheNewFile) {
  ScratchDir dir;
  writeBytes(dir.file("keys.txt"), "c4<PgDn><Esc>s");
  std::string ini = "[TRAMEL]\nFALANDO=Sim\nECOAROPCAO=Sim\nFALARTUDO=Sim\n[NOTAS]\n";
  for (int i = 0; i < 10000; ++i) ini += "NOTA" + std::to_string(i) + "=valor guardado\n";
  killAtInstantsOfTheSave(dir, {"Tramel.ini", "config/tramel", "Tramel.ini", ini, talking("p")});
}

// G replaces a picture of that name once S answers.
TEST(KilledSave, ThePictureGSavesIsTheOldOrTheNewFile) {
  ScratchDir dir;
  writeBytes(dir.file("keys.txt"), "Gx.png<Enter>s<Enter>");
  writeBytes(dir.file("p.pxg"), "CI 0 0 5\r\nRT -10 -5 10 5\r\n");
  killAtInstantsOfTheSave(dir, {"G", ".", "x.png", "velho", talking("p.pxg")});
}

}  // namespace
