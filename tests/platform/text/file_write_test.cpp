#include "platform/text/file_write.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <filesystem>
#include <set>
#include <tuple>

#include <gtest/gtest.h>

#include "platform/text/injected_fault.h"
#include "platform/text/text.h"
#include "scratch.h"

namespace {

TEST(ReplaceFile, ReplacesContentKeepingModeAndLink) {
  ScratchDir dir;
  const std::string real = dir.file("real.pxg");
  writeBytes(real, "old old old old\r\n");
  ::chmod(real.c_str(), 0640);
  std::filesystem::create_symlink("real.pxg", dir.file("link.pxg"));

  ASSERT_EQ(replaceFileAtomically(dir.file("link.pxg"), "PT 1 1\r\n"), 0);
  EXPECT_TRUE(std::filesystem::is_symlink(dir.file("link.pxg")));
  EXPECT_EQ(readBytes(real), "PT 1 1\r\n");
  struct stat st{};
  ASSERT_EQ(::stat(real.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  // Nothing else was left in the directory.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
}

TEST(ReplaceFile, NewFileAndFailuresThatLeaveNothingBehind) {
  ScratchDir dir;
  EXPECT_EQ(replaceFileAtomically(dir.file("new.pxg"), ""), 0);
  EXPECT_EQ(readBytes(dir.file("new.pxg")), "");
  EXPECT_EQ(replaceFileAtomically(dir.file("no/such/dir.pxg"), "x"), ENOENT);
  EXPECT_EQ(replaceFileAtomically(dir.path(), "x"), EISDIR);
  EXPECT_EQ(replaceFileAtomically("", "x"), ENOENT);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

// Makes the directory's sync fail or records it, and puts the real calls back afterwards.
class FailingFileSystem : public ::testing::Test {
 protected:
  void TearDown() override { fileSystemCalls() = saved_; }
  FileSystemCalls saved_ = fileSystemCalls();
};

// A full disk or a failing device at every write, fsync and rename of a save, of bytes
// and of a producer that writes as it goes: the save gives the fault's errno, the old
// file stays whole and nothing else is left beside it.
TEST(ReplaceFile, AFaultAtAnyStepNeverTouchesTheOldFile) {
  ScratchDir dir;
  const std::string path = dir.file("p.pxg");
  const std::string old = "PT 1 1\r\nCI 0 0 5\r\n";
  const std::string fresh(20000, 'x');
  const ByteProducer inPieces = [&](const ByteSink& sink) {
    for (size_t at = 0; at < fresh.size(); at += 3000) {
      if (!sink(fresh.data() + at, std::min<size_t>(3000, fresh.size() - at))) return false;
    }
    return true;
  };
  for (const bool producer : {false, true}) {
    for (const SaveStep step : kSaveSteps) {
      for (const int error : kDiskFaults) {
        for (int nth = 1;; ++nth) {
          SCOPED_TRACE(testing::Message() << producer << " " << static_cast<int>(step) << " " << error << " " << nth);
          writeBytes(path, old);
          const InjectedFault fault(step, nth, error);
          const int result = producer ? replaceFileAtomically(path, inPieces) : replaceFileAtomically(path, fresh);
          EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
          if (!fault.happened()) {
            EXPECT_EQ(result, 0);
            EXPECT_EQ(readBytes(path), fresh);
            // Every write of the 20000 bytes was tried.
            EXPECT_TRUE(step != SaveStep::Write || nth > 5);
            break;
          }
          EXPECT_EQ(result, error);
          EXPECT_EQ(readBytes(path), old);
        }
      }
    }
  }
}

// A kill just before or just after each call of a save: until the rename is done the
// name holds the whole old file, after it the whole new one; a kill between the making
// of the temporary file and the rename leaves it, and the next save removes it.
TEST(ReplaceFile, AKillAtAnyCallLeavesTheWholeOldOrNewFile) {
  ScratchDir dir;
  const std::string path = dir.file("p.pxg");
  const std::string old = "PT 1 1\r\n", fresh(10000, 'x');
  const struct {
    SaveStep step;
    int nth, kill;
    bool renamed;
  } cases[] = {
      {SaveStep::Write, 1, kKilledBefore, false},      {SaveStep::Write, 1, kKilledAfter, false},
      {SaveStep::Write, 3, kKilledAfter, false},       {SaveStep::Fsync, 1, kKilledBefore, false},
      {SaveStep::Fsync, 1, kKilledAfter, false},       {SaveStep::Rename, 1, kKilledBefore, false},
      {SaveStep::Rename, 1, kKilledAfter, true},       {SaveStep::SyncDirectory, 1, kKilledBefore, true},
      {SaveStep::SyncDirectory, 1, kKilledAfter, true},
  };
  const timespec anHourAgo[2] = {{::time(nullptr) - 3600, 0}, {::time(nullptr) - 3600, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << static_cast<int>(c.step) << " " << c.nth << " " << c.kill);
    writeBytes(path, old);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      const InjectedFault fault(c.step, c.nth, c.kill);
      replaceFileAtomically(path, fresh);
      ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    EXPECT_EQ(readBytes(path), c.renamed ? fresh : old);
    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
      if (entry.path() != path) left.push_back(entry.path());
    }
    EXPECT_EQ(left.size(), c.renamed ? 0u : 1u);
    for (const std::string& name : left) ::utimensat(AT_FDCWD, name.c_str(), anHourAgo, 0);
    ASSERT_EQ(replaceFileAtomically(path, old), 0);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
  }
}

TEST_F(FailingFileSystem, TheDirectoryIsSyncedAfterTheRenameAndItsFailureLosesNothing) {
  ScratchDir dir;
  static std::vector<std::string> events;
  events.clear();
  fileSystemCalls().rename = [](const char* from, const char* to) {
    events.push_back("rename");
    return ::rename(from, to);
  };
  fileSystemCalls().syncDirectory = [](const char* folder) {
    events.push_back(folder);
    errno = EIO;
    return -1;
  };
  // The content is whole under its name when the directory fails to sync: no failure.
  EXPECT_EQ(replaceFileAtomically(dir.file("p.pxg"), "new"), 0);
  EXPECT_EQ(events, (std::vector<std::string>{"rename", dir.path()}));
  EXPECT_EQ(readBytes(dir.file("p.pxg")), "new");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

// The temporary name is cut to fit, between characters, and keeps the name's start.
TEST_F(FailingFileSystem, NamesAndPathsAtTheSystemsLimitsCanBeSaved) {
  ScratchDir dir;
  static std::string temporary;
  fileSystemCalls().write = [](int fd, const void* data, size_t size) {
    char name[PATH_MAX];
    const ssize_t n = ::readlink(("/proc/self/fd/" + std::to_string(fd)).c_str(), name, sizeof name);
    temporary = std::filesystem::path(std::string(name, static_cast<size_t>(std::max<ssize_t>(n, 0)))).filename();
    return ::write(fd, data, size);
  };
  std::string accented;
  while (accented.size() < NAME_MAX - 1) accented += "\xc3\xa9";
  std::string deep = dir.path();
  while (deep.size() < PATH_MAX - 200) deep += "/" + std::string(100, 'p');
  std::filesystem::create_directories(deep);
  const std::string nearPathMax = deep + "/" + std::string(PATH_MAX - 6 - deep.size() - 1, 'n');
  for (const std::string& path : {dir.file(std::string(NAME_MAX, 'a')), dir.file(accented + "x"), nearPathMax}) {
    const std::string name = std::filesystem::path(path).filename();
    for (const char* content : {"old", "new"}) {
      ASSERT_EQ(replaceFileAtomically(path, content), 0) << name.size();
      EXPECT_EQ(readBytes(path), content);
      EXPECT_TRUE(isValidUtf8(temporary)) << temporary;
      EXPECT_EQ(temporary.substr(0, 20), "." + name.substr(0, 19));
    }
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(path).parent_path())) {
      EXPECT_NE(entry.path().filename().string()[0], '.');
    }
  }
}

// A save removes what a killed save of the same file left, and nothing else: not a
// temporary file written since this process started or locked by a save under way (a
// stopped one, say), not another file's, not a user's file that only looks like one.
TEST(ReplaceFile, ASaveRemovesTheTemporaryFilesAKilledSaveOfItLeft) {
  ScratchDir dir;
  const std::set<std::string> kept{"p.pxg", ".p.pxg.pontelix-Z9y8X7", ".p.pxg.pontelix-L0cked", ".q.pxg.pontelix-a1B2c3",
                                   ".p.pxg.a1B2c3", ".p.pxg.pontelix-a1B2c!", ".config"};
  for (const std::string& name : kept) writeBytes(dir.file(name), "x");
  const timespec anHourAgo[2] = {{::time(nullptr) - 3600, 0}, {::time(nullptr) - 3600, 0}};
  for (const char* old : {".p.pxg.pontelix-a1B2c3", ".p.pxg.pontelix-L0cked", ".q.pxg.pontelix-a1B2c3",
                          ".p.pxg.a1B2c3", ".p.pxg.pontelix-a1B2c!", ".config"}) {
    writeBytes(dir.file(old), "x");
    ASSERT_EQ(::utimensat(AT_FDCWD, dir.file(old).c_str(), anHourAgo, 0), 0);
  }
  const int writer = ::open(dir.file(".p.pxg.pontelix-L0cked").c_str(), O_RDONLY);
  ASSERT_EQ(::flock(writer, LOCK_EX), 0);
  ASSERT_EQ(replaceFileAtomically(dir.file("p.pxg"), "new"), 0);
  ::close(writer);
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir.path())) names.insert(entry.path().filename());
  EXPECT_EQ(names, kept);
}

// The file's own write permission decides, not the directory's: renaming over a file
// the user made read-only would quietly defeat that protection.
TEST(ReplaceFile, ReadOnlyFileInAWritableDirectoryIsNotReplaced) {
  ScratchDir dir;
  const std::string path = dir.file("ro.pxg");
  writeBytes(path, "PT 1 1\r\n");
  ::chmod(dir.path().c_str(), 0777);
  ::chmod(path.c_str(), 0444);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    // The superuser may write anything, so the check runs as an ordinary user.
    if (::geteuid() == 0 && ::setuid(65534) != 0) ::_exit(2);
    // A scratch folder below a private folder can't even be reached.
    if (::access(dir.path().c_str(), W_OK) != 0) ::_exit(3);
    ::_exit(replaceFileAtomically(path, "new") == EACCES ? 0 : 1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  if (WEXITSTATUS(status) == 3) GTEST_SKIP() << "the scratch folder is out of an ordinary user's reach";
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(readBytes(path), "PT 1 1\r\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(ReplaceFile, AProducerThatGivesUpLeavesTheOldFile) {
  ScratchDir dir;
  const std::string path = dir.file("out.png");
  writeBytes(path, "old");
  // Half an image, then the encoder fails.
  EXPECT_EQ(replaceFileAtomically(path, [](const ByteSink& sink) { return sink("par", 3) && false; }), EIO);
  EXPECT_EQ(readBytes(path), "old");
  // Devices and pipes are never replaced by a regular file.
  ASSERT_EQ(::mkfifo(dir.file("fifo.pxg").c_str(), 0644), 0);
  EXPECT_EQ(replaceFileAtomically(dir.file("fifo.pxg"), "x"), EINVAL);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
}

// In a shared folder (sticky, anyone may write) a link is followed only when it is ours
// or the folder owner's, as the system's protection has it; a loop, or a link into a
// missing folder, is refused. A refused link stays a link and its target stays whole.
TEST(ReplaceFile, LinksAreFollowedOnlyWhereTheSystemWouldAndNeverReplaced) {
  if (::geteuid() != 0) GTEST_SKIP() << "links of another user need the superuser";
  ScratchDir dir;
  const std::string victim = dir.file("victim.conf"), shared = dir.file("shared"), open = dir.file("open");
  std::filesystem::create_directories(shared);
  std::filesystem::create_directories(open);
  ::chmod(shared.c_str(), 01777);
  ::chmod(open.c_str(), 0777);
  const struct {
    std::string link, aim;
    uid_t owner;
    int error;
  } cases[] = {{shared + "/out.png", victim, 65534, EACCES}, {shared + "/mine.png", victim, 0, 0},
               {open + "/out.png", victim, 65534, 0},        {shared + "/loop.png", shared + "/loop.png", 0, ELOOP},
               {shared + "/far.png", dir.file("none/x"), 0, ENOENT}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.link);
    writeBytes(victim, "secret");
    std::filesystem::create_symlink(c.aim, c.link);
    ASSERT_EQ(::lchown(c.link.c_str(), c.owner, c.owner), 0);
    SaveReport report;
    EXPECT_EQ(replaceFileAtomically(c.link, "PNG", &report), c.error);
    EXPECT_TRUE(std::filesystem::is_symlink(c.link));
    EXPECT_EQ(readBytes(victim), c.error == 0 ? "PNG" : "secret");
    EXPECT_EQ(report.refusedLink, c.error == EACCES ? c.link : "");
    EXPECT_EQ(report.linkOwner, c.error == EACCES ? 65534u : 0u);
  }
}

// The superuser gives a replaced file back to its owner and group, with its mode; an
// ordinary user can't, and the report says whose the file became.
TEST(ReplaceFile, AReplacedFileKeepsItsOwnerGroupAndModeWherePossible) {
  if (::geteuid() != 0) GTEST_SKIP() << "files of another user need the superuser";
  ScratchDir dir;
  const std::string theirs = dir.file("theirs.png"), daemons = dir.file("daemons.png");
  writeBytes(theirs, "old");
  ASSERT_EQ(::chown(theirs.c_str(), 65534, 65534), 0);
  ::chmod(theirs.c_str(), 0600);
  SaveReport report;
  ASSERT_EQ(replaceFileAtomically(theirs, "new", &report), 0);
  struct stat st{};
  ASSERT_EQ(::stat(theirs.c_str(), &st), 0);
  EXPECT_EQ(std::tuple(st.st_uid, st.st_gid, st.st_mode & 07777, report.ownershipKept), std::tuple(65534u, 65534u, 0600u, true));
  writeBytes(daemons, "old");
  ASSERT_EQ(::chown(daemons.c_str(), 1, 1), 0);
  ::chmod(daemons.c_str(), 0666);
  ::chmod(dir.path().c_str(), 0777);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(2);
    if (::access(dir.path().c_str(), W_OK) != 0) ::_exit(3);
    SaveReport told;
    const bool said = replaceFileAtomically(daemons, "new", &told) == 0 && !told.ownershipKept;
    ::_exit(said && told.formerOwner == 1 && told.newOwner == 65534 ? 0 : 1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  if (WEXITSTATUS(status) == 3) GTEST_SKIP() << "the scratch folder is out of an ordinary user's reach";
  EXPECT_EQ(WEXITSTATUS(status), 0);
  ASSERT_EQ(::stat(daemons.c_str(), &st), 0);
  EXPECT_EQ(std::tuple(st.st_uid, st.st_mode & 07777), std::tuple(65534u, 0666u));
}

}  // namespace
