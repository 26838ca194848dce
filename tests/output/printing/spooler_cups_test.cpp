// The system's print service against a private scheduler: its list, its jobs and the
// refusals a printer can give.
#include <gtest/gtest.h>

#include <cups/cups.h>

#include "output/printing/spooler.h"
#include "output/printing/spooler_cups.h"
#include "private_cups.h"
#include "scheduler_proxy.h"

namespace {

class CupsSpoolerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(cups_.failure(), "");
    cupsSetServer(cups_.server().c_str());
  }
  void TearDown() override { cupsSetServer(nullptr); }
  PrivateCups cups_;
};

TEST_F(CupsSpoolerTest, ListsTheQueuesAndSendsARawJob) {
  DeviceList devices = systemSpooler().listDevices();
  EXPECT_TRUE(devices.serviceAnswered);
  EXPECT_TRUE(devices.names.empty());

  ASSERT_TRUE(cups_.addRawQueue("Braille"));
  ASSERT_TRUE(cups_.addRawQueue("Amostra"));
  devices = systemSpooler().listDevices();
  EXPECT_EQ(devices.names, (std::vector<std::string>{"Amostra", "Braille"}));

  ASSERT_TRUE(systemSpooler().openJob("Braille", "Pontelix", JobFormat::Raw));
  EXPECT_TRUE(systemSpooler().write("\x1B" "1"));
  EXPECT_TRUE(systemSpooler().write("ab\r\n"));
  EXPECT_TRUE(systemSpooler().closeJob(true));
  const auto jobs = cups_.waitForJobs(1);
  ASSERT_EQ(jobs.size(), 1u) << cups_.jobList();
  EXPECT_EQ(jobs[0].bytes, "\x1B" "1ab\r\n");
  EXPECT_EQ(jobs[0].title, "Pontelix");
}

TEST_F(CupsSpoolerTest, AnUnknownPrinterCannotBeOpened) {
  ASSERT_TRUE(cups_.addRawQueue("Braille"));
  EXPECT_FALSE(systemSpooler().openJob("Inexistente", "Pontelix", JobFormat::Raw));
  EXPECT_EQ(cups_.jobList(), "");
}

// The scheduler refuses the finished document of a printer removed meanwhile.
TEST_F(CupsSpoolerTest, AJobRefusedAtTheEndIsNotTakenForPrinted) {
  ASSERT_TRUE(cups_.addRawQueue("Braille"));
  ASSERT_TRUE(systemSpooler().openJob("Braille", "Pontelix", JobFormat::Raw));
  EXPECT_TRUE(systemSpooler().write("\x1B" "1"));
  ASSERT_TRUE(cups_.command("lpadmin -x Braille"));
  EXPECT_FALSE(systemSpooler().closeJob(true)) << cups_.jobList();
  EXPECT_TRUE(cups_.jobs().empty());
}

TEST_F(CupsSpoolerTest, AWithdrawnJobNeverPrints) {
  ASSERT_TRUE(cups_.addRawQueue("Braille"));
  ASSERT_TRUE(systemSpooler().openJob("Braille", "Pontelix", JobFormat::Raw));
  EXPECT_TRUE(systemSpooler().write("\x1B" "1half"));
  EXPECT_FALSE(systemSpooler().closeJob(false));
  const std::string list = cups_.commandOutput("lpstat -W completed -o");
  EXPECT_NE(list.find("Braille-1"), std::string::npos) << list;
  EXPECT_EQ(cups_.commandOutput("lpstat -W not-completed -o"), "");
  EXPECT_TRUE(cups_.jobs().empty());
}

// The page a braille driver lays a BRF document out on is read from the queue's real
// description; an instance asks its queue. (Raw queues: the embosser run tests.)
TEST_F(CupsSpoolerTest, ABrailleDriversQueueGivesThePageItsDriverLaysOut) {
  const struct {
    const char *queue, *model;
    int cells, lines;
  } drivers[] = {{"Generica", "drv:///generic-brf.drv/gen-brf.ppd", 32, 28}, {"IndexV4", "drv:///indexv4.drv/ibasics4.ppd", 33, 29}};
  for (const auto& d : drivers) {
    ASSERT_TRUE(cups_.addQueueFromModel(d.queue, d.model, "-o PageSize=A4")) << cups_.commandOutput("lpinfo -m");
    const BrailleQueue queue = systemSpooler().describeBrailleQueue(d.queue + std::string("/grosso"));
    int cells = 0, lines = 0;
    EXPECT_TRUE(queue.answered && queue.brailleDriver && queue.pageKnown && brailleDriverCells(queue.layout, cells, lines));
    EXPECT_EQ(std::pair(cells, lines), std::pair(d.cells, d.lines)) << d.queue;
  }
  const BrailleQueue unknown = systemSpooler().describeBrailleQueue("Inexistente");
  EXPECT_TRUE(unknown.answered && !unknown.brailleDriver);
}

// A scheduler that falls silent at any request of a job costs one step's wait and a
// short try at withdrawing the job, never the library's own minutes.
TEST_F(CupsSpoolerTest, ASchedulerFallingSilentAtAnyRequestIsGivenUpInSeconds) {
  ASSERT_TRUE(cups_.addRawQueue("Braille"));
  ScratchDir dir;
  int requests = 0;
  for (int at = 0; at == 0 || at <= requests; ++at) {
    SchedulerProxy proxy(dir.file("proxy.sock"), cups_.server(), at, [] { return SchedulerProxy::Then::Silence; });
    ASSERT_TRUE(proxy.listening());
    cupsSetServer(proxy.server().c_str());
    const auto start = std::chrono::steady_clock::now();
    const bool listed = systemSpooler().listDevices().serviceAnswered;
    const bool opened = systemSpooler().openJob("Braille", "Pontelix", JobFormat::Raw);
    const bool accepted = systemSpooler().write("\x1B" "1") && systemSpooler().closeJob(true);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(25)) << "silent from request " << at;
    EXPECT_EQ(listed && opened && accepted, at == 0) << "silent from request " << at;
    if (at == 0) requests = proxy.requests();
  }
  EXPECT_GE(requests, 3);
}

// A job given up is withdrawn over a fresh connection: a scheduler that never got its
// document keeps no empty job; one that is stopped after the whole page went may print
// it, and that is told; one that is killed got no whole page.
TEST_F(CupsSpoolerTest, AJobGivenUpIsWithdrawnOrToldThatItMayPrint) {
  ASSERT_TRUE(cups_.addRawQueue("Braille"));
  ScratchDir dir;
  {
    // The third request of a job is its document.
    SchedulerProxy proxy(dir.file("proxy.sock"), cups_.server(), 3, [] { return SchedulerProxy::Then::FreezeConnection; });
    cupsSetServer(proxy.server().c_str());
    const bool sent = systemSpooler().openJob("Braille", "Pontelix", JobFormat::Raw) && systemSpooler().write("x");
    EXPECT_FALSE(sent && systemSpooler().closeJob(true));
    EXPECT_FALSE(systemSpooler().jobMayStillPrint());
    EXPECT_EQ(cups_.commandOutput("lpstat -W not-completed -o"), "");
  }
  cupsSetServer(cups_.server().c_str());
  for (const int fault : {SIGSTOP, SIGKILL}) {
    ASSERT_TRUE(systemSpooler().openJob("Braille", "Pontelix", JobFormat::Raw));
    EXPECT_TRUE(systemSpooler().write("\x1B" "1"));
    cups_.signal(fault);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(systemSpooler().closeJob(true)) << fault;
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(15));
    EXPECT_EQ(systemSpooler().jobMayStillPrint(), fault == SIGSTOP);
    cups_.signal(SIGCONT);
  }
}

// A scheduler that takes the connection and never answers is given up, not waited for.
TEST(SystemSpooler, ASchedulerThatNeverAnswersIsGivenUp) {
  ScratchDir dir;
  MuteScheduler mute(dir.file("cups.sock"));
  ASSERT_TRUE(mute.listening());
  cupsSetServer(mute.server().c_str());

  const DeviceList devices = systemSpooler().listDevices();
  EXPECT_FALSE(devices.serviceAnswered);
  EXPECT_TRUE(devices.names.empty());
  EXPECT_FALSE(systemSpooler().openJob("Braille", "Pontelix", JobFormat::Raw));
  EXPECT_FALSE(systemSpooler().write("x"));
  EXPECT_FALSE(systemSpooler().describeInkPage("Tinta").answered);
  EXPECT_FALSE(systemSpooler().describeBrailleQueue("Braille").answered);

  cupsSetServer(nullptr);
}

}  // namespace
