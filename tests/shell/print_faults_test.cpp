// The print service failing in the middle of a job, behind a proxy of the test's: B, I
// and `pontelix print` give up within seconds, say why, and print nothing by halves.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>

#include "private_cups.h"
#include "scheduler_proxy.h"
#include "shell/program_run.h"

namespace {

using Then = SchedulerProxy::Then;
using Clock = std::chrono::steady_clock;

class PrintFaults : public ProgramRun {
 protected:
  // `pontelix print` of one point to the embosser through a proxy that calls `fault` at
  // request `at`; its status and standard error.
  int print(int at, const std::function<Then()>& fault, std::string& err) {
    SchedulerProxy proxy(dir_.file("proxy.sock"), cups_->server(), at, fault);
    writeBytes(dir_.file("f.pxg"), "PT 0 0\r\n");
    const std::string command = "CUPS_SERVER='" + proxy.server() + "' '" PONTELIX_EXE "' print --printer=Braille '" +
                                dir_.file("f.pxg") + "' 2>'" + dir_.file("err.txt") + "' </dev/null";
    const int raw = std::system(command.c_str());
    err = readBytes(dir_.file("err.txt"));
    requests_ = proxy.requests();
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  }
  void restart() {
    cups_ = std::make_unique<PrivateCups>();
    ASSERT_EQ(cups_->failure(), "");
    ASSERT_TRUE(cups_->addRawQueue("Braille"));
  }

  std::unique_ptr<PrivateCups> cups_;
  int requests_ = 0;
};

// The requests of a print run are the list's, the queue's description, and then the
// job's three: a question, Create-Job, and the document.
TEST_F(PrintFaults, PrintGivesUpWithinSecondsAndSaysWhy) {
  restart();
  std::string err;
  ASSERT_EQ(print(0, [] { return Then::GoOn; }, err), 0) << err;
  const int document = requests_, jobStart = requests_ - 2;
  const struct {
    int at;
    std::function<Then(PrivateCups&)> fault;
    std::vector<std::string> said;  // one of these
  } cases[] = {
      {1, [](PrivateCups&) { return Then::Silence; }, {"não responde"}},
      {jobStart, [](PrivateCups& c) { return c.command("lpadmin -x Braille"), Then::GoOn; }, {"Problemas na impressora."}},
      {document, [](PrivateCups& c) { return c.signal(SIGSTOP), Then::GoOn; }, {"Erro no dispositivo"}},
      // Killed while the document goes, or before the job's end is answered.
      {document, [](PrivateCups& c) { return c.signal(SIGKILL), Then::GoOn; }, {"Problemas na impressora.", "Erro no dispositivo"}},
      {document, [](PrivateCups&) { return Then::FreezeConnection; }, {"Erro no dispositivo"}},
  };
  for (const auto& c : cases) {
    restart();
    const auto start = Clock::now();
    EXPECT_EQ(print(c.at, [&] { return c.fault(*cups_); }, err), 2) << c.at << err;
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(30)) << c.at;
    EXPECT_TRUE(std::any_of(c.said.begin(), c.said.end(), [&](const std::string& s) { return err.find(s) != std::string::npos; }))
        << c.at << err;
    cups_->signal(SIGCONT);
  }
}

// B with the scheduler stopped at the document, and I with one that never answers.
TEST_F(PrintFaults, BAndIGiveUpSayWhyAndTheMenuComesBack) {
  restart();
  writeBytes(dir_.file("f.pxg"), "PT 0 0\r\n");
  int document = 0;
  for (const bool stop : {false, true}) {
    SchedulerProxy proxy(dir_.file("proxy.sock"), cups_->server(), stop ? document : 0, [this] { return cups_->signal(SIGSTOP), Then::GoOn; });
    printEnvironment_ = "CUPS_SERVER='" + proxy.server() + "'";
    const auto start = Clock::now();
    EXPECT_EQ(run("b<Enter><Esc>s", "f.pxg"), 0);
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(30));
    document = proxy.requests();
  }
  EXPECT_TRUE(heardInOrder({"say: Erro no dispositivo", "say: Pontelix - Que deseja? "}))
      << transcriptText();
  cups_->signal(SIGCONT);

  MuteScheduler mute(dir_.file("mute.sock"));
  printEnvironment_ = "CUPS_SERVER='" + mute.server() + "'";
  EXPECT_EQ(run("i<Esc>s", "f.pxg"), 0);
  EXPECT_TRUE(heardInOrder({"say: Selecione a impressora a tinta", "say: O serviço de impressão não responde.",
                            "say: Pontelix - Que deseja? "}))
      << transcriptText();
}

}  // namespace
