#pragma once
// Runs the real program headless with a key script in a scratch directory, and reads
// back what it said (the transcript), what the screen showed and what it left on disk.
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "heard_in_order.h"
#include "scratch.h"

class ProgramRun : public ::testing::Test {
 protected:
  // Runs `pontelix PROJECT` (no argument when project is empty) with the keys; returns
  // the exit status. The working directory is the scratch directory, so relative project
  // names land there. With asOrdinaryUser the superuser runs it as nobody, for whom
  // permissions count.
  int run(const std::string& keys, const std::string& project = "", bool asOrdinaryUser = false) {
    writeBytes(dir_.file("keys.txt"), keys);
    // No run reaches the system's print scheduler: unless a test gives its own, the
    // program looks for one where none listens.
    const std::string printing = printEnvironment_.empty() ? "CUPS_SERVER='" + dir_.path() + "/no-scheduler'"
                                                           : printEnvironment_;
    // The environment comes first, so that it also reaches a program started as nobody.
    std::string command = "cd '" + dir_.path() + "' && XDG_CONFIG_HOME='" + dir_.path() + "/config' " + printing +
                          " " + speechEnvironment_ + " " + environment_ + " ";
    if (asOrdinaryUser && ::geteuid() == 0) {
      ::chmod(dir_.path().c_str(), 0777);
      command += "setpriv --reuid=65534 --regid=65534 --clear-groups ";
    }
    command += std::string(PONTELIX_EXE) + " --ui=headless --speech=" + speech_ +
               " --keys=keys.txt --transcript=t.txt --screen=s.txt " + options_;
    if (!project.empty()) command += " '" + project + "'";
    command += " >out.txt 2>err.txt";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  // False when the superuser's stand-in user can't run the program in the scratch
  // directory (a build below a private home folder, say); such tests are skipped.
  bool ordinaryUserCanRun() {
    if (::geteuid() != 0) return true;
    ::chmod(dir_.path().c_str(), 0777);
    const std::string command = "setpriv --reuid=65534 --regid=65534 --clear-groups sh -c \"test -x '" +
                                std::string(PONTELIX_EXE) + "' && test -w '" + dir_.path() +
                                "'\" 2>/dev/null";
    return std::system(command.c_str()) == 0;
  }

  // The transcript, one event a line ("say: ...", "click").
  std::vector<std::string> heard() const { return transcriptLines(readBytes(dir_.file("t.txt"))); }

  // The screen as the program left it, 25 rows of UTF-8.
  std::string screen() const { return readBytes(dir_.file("s.txt")); }

  // How many times the program said exactly this text.
  long timesSaid(const std::string& text) const {
    const auto lines = heard();
    return std::count(lines.begin(), lines.end(), "say: " + text);
  }

  // True when the events appear in the transcript in this order (others may lie
  // between them).
  bool heardInOrder(std::initializer_list<std::string> events) const { return eventsInOrder(heard(), events); }

  std::string transcriptText() const { return readBytes(dir_.file("t.txt")); }

  ScratchDir dir_;
  // The voice the runs use, and the environment it starts in ("SDL_AUDIODRIVER=dummy").
  std::string speech_ = "none";
  std::string speechEnvironment_;
  // The print scheduler the runs use, as a shell prefix ("CUPS_SERVER=...").
  std::string printEnvironment_;
  // More variables ("TMPDIR=...") and more options ("--picture=p.png") for every run.
  std::string environment_;
  std::string options_;
};
