// pontelix print against a private print scheduler: the list, both kinds of printer, and
// the exit statuses that outside scripts rely on.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <filesystem>
#include <string>

#include "pdf_probe.h"
#include "private_cups.h"
#include "scratch.h"

namespace {

struct PrintResult {
  int status = -1;
  std::string out;
  std::string err;
};

class PrintCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(cups_.failure(), "");
    ASSERT_TRUE(cups_.addRawQueue("Braille"));
    ASSERT_TRUE(cups_.addQueueFromPpd("Tinta", std::string(PONTELIX_SOURCE_DIR) + "/tests/output/ink/test-ink.ppd"));
  }

  // Runs a pontelix command line (after "pontelix ") in the scratch directory.
  PrintResult pontelix(const std::string& args, const std::string& environment = "") {
    const std::string command = "cd '" + dir_.path() + "' && " + (environment.empty() ? cups_.environment() : environment) +
                                " '" PONTELIX_EXE "' " + args + " >out.txt 2>err.txt </dev/null";
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readBytes(dir_.file("out.txt")), readBytes(dir_.file("err.txt"))};
  }

  std::string keep(const CapturedJob& job, const std::string& name) {
    writeBytes(dir_.file(name), job.bytes);
    return dir_.file(name);
  }

  PrivateCups cups_;
  ScratchDir dir_;
};

TEST_F(PrintCommand, ListWritesThePrintersOneALine) {
  const PrintResult run = pontelix("print --list");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "Braille\nTinta\n");
  EXPECT_EQ(run.err, "");
}

// The queue's name in any case, as the print service takes it.
TEST_F(PrintCommand, TheEmbosserGetsTheStreamRenderWrites) {
  writeBytes(dir_.file("f.pxg"), "CI 0 0 5\r\nPT 1 2\r\n");
  ASSERT_EQ(pontelix("render f.pxg -o f.brf").status, 0);
  const PrintResult run = pontelix("print --printer=braille f.pxg");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  const auto jobs = cups_.waitForJobs(1);
  ASSERT_EQ(jobs.size(), 1u) << cups_.jobList();
  EXPECT_EQ(jobs[0].queue, "Braille");
  EXPECT_EQ(jobs[0].title, "Pontelix");
  EXPECT_EQ(jobs[0].bytes, readBytes(dir_.file("f.brf")));
}

// An Index V4 queue: its driver's header tells the embosser the page, and the drawing
// follows as BRF on exactly that page.
TEST_F(PrintCommand, AnIndexQueueGetsBrfOnThePageItsDriverTellsTheEmbosser) {
  ASSERT_TRUE(cups_.addQueueFromModel("IndexV4", "drv:///indexv4.drv/ibasics4.ppd", "-o PageSize=A4"));
  writeBytes(dir_.file("f.pxg"), "CI 0 0 5\r\nPT 1 2\r\n");
  ASSERT_EQ(pontelix("render --embosser-page=Personalizada --cells=33 --lines=29 --braille-mode=texto f.pxg -o f.brf").status, 0);
  const PrintResult run = pontelix("print --printer=IndexV4 f.pxg");
  EXPECT_EQ(run.status, 0) << run.err;
  const auto jobs = cups_.waitForJobs(1);
  ASSERT_EQ(jobs.size(), 1u) << cups_.jobList() << cups_.errorLog();
  const std::string& bytes = jobs[0].bytes;
  const size_t headerEnd = bytes.find(';');
  ASSERT_TRUE(bytes.starts_with("\x1B" "D") && headerEnd != std::string::npos) << bytes;
  EXPECT_NE(bytes.substr(0, headerEnd).find(",CH33,LP29,"), std::string::npos) << bytes;
  EXPECT_EQ(bytes.substr(headerEnd + 1), readBytes(dir_.file("f.brf")) + "\x1A");
}

TEST_F(PrintCommand, TheInkPrinterGetsThePageAtItsResolution) {
  PrintResult run = pontelix("print --printer=Tinta --mode=ink --test-drawing");
  EXPECT_EQ(run.status, 0) << run.err;
  run = pontelix("print --printer=Tinta --mode=ink --landscape --test-drawing");
  EXPECT_EQ(run.status, 0) << run.err;
  const auto jobs = cups_.waitForJobs(2);
  ASSERT_EQ(jobs.size(), 2u) << cups_.jobList();
  for (size_t i = 0; i < 2; ++i) {
    const auto images = pdfImages(keep(jobs[i], "job" + std::to_string(i) + ".pdf"));
    ASSERT_EQ(images.size(), 1u) << i;
    EXPECT_EQ(images[0].width, 2254) << i;
    EXPECT_EQ(images[0].height, 2254) << i;
    EXPECT_EQ(images[0].xPpi, 300) << i;
  }
}

// Whatever the drawing wrote to standard error makes status 1, on either printer, and the
// job still goes with what was drawn; the printer's own answers do not count. (The check
// before the job is left out here: the next test has it.)
TEST_F(PrintCommand, EveryDrawingProblemIsStatusOneAndTheJobStillGoes) {
  writeBytes(dir_.file("ruim.dat"), "1 1\n2 x\n");
  const struct {
    const char* line;
    const char* err;
  } cases[] = {
      {"PT 1 x", "Erro na linha 1: PT 1 x\n"},
      {"LD falta.dat", "Arquivo n\xC3\xA3o existe: falta.dat\n"},
      {"LD ruim.dat", "Erro no dado: 2 x\n"},
  };
  size_t jobs = 0;
  for (const auto& c : cases) {
    writeBytes(dir_.file("e.pxg"), std::string("PT 0 0\n") + c.line + "\n");
    for (const char* mode : {"--printer=Braille", "--printer=Tinta --mode=ink"}) {
      const PrintResult run = pontelix(std::string("print --no-check ") + mode + " e.pxg");
      EXPECT_EQ(run.status, 1) << c.line << ' ' << mode;
      EXPECT_EQ(run.err, c.err) << mode;
      EXPECT_EQ(cups_.waitForJobs(++jobs).size(), jobs) << cups_.jobList();
    }
  }
}

// The page is checked first, as B and I check it: its findings go to standard error
// before the job, the status is 1 and the job still goes; --no-check prints without it.
TEST_F(PrintCommand, TheCheckSaysItsFindingsAndTheJobStillGoes) {
  writeBytes(dir_.file("c.pxg"), "RT -15 -10 -5 -10\r\nCI 14 0 8\r\n");
  size_t jobs = 0;
  for (const char* mode : {"--printer=Braille", "--printer=Tinta --mode=ink"}) {
    PrintResult run = pontelix(std::string("print ") + mode + " c.pxg");
    EXPECT_EQ(run.status, 1) << mode;
    EXPECT_EQ(run.err, "Linha 1: parte do c\xC3\xADrculo fica fora da p\xC3\xA1gina: CI 14 0 8\n") << mode;
    run = pontelix(std::string("print --no-check ") + mode + " c.pxg");
    EXPECT_EQ(run.status, 0) << mode;
    EXPECT_EQ(run.err, "") << mode;
    EXPECT_EQ(cups_.waitForJobs(jobs += 2).size(), jobs) << cups_.jobList();
  }
}

TEST_F(PrintCommand, WithoutAPrinterTheOneSetInTheConfigurationForTheModeIsUsed) {
  const std::string environment = cups_.environment() + " XDG_CONFIG_HOME='" + dir_.file("config") + "'";
  PrintResult run = pontelix("print --test-drawing", environment);
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("falta a impressora"), std::string::npos) << run.err;

  std::filesystem::create_directories(dir_.file("config/tramel"));
  writeBytes(dir_.file("config/tramel/Tramel.ini"), "[PONTELIX]\nIMPBRAILLE=Braille\nIMPTINTA=Tinta\n");
  run = pontelix("print --test-drawing", environment);
  EXPECT_EQ(run.status, 0) << run.err;
  run = pontelix("print --mode=ink --test-drawing", environment);
  EXPECT_EQ(run.status, 0) << run.err;
  const auto jobs = cups_.waitForJobs(2);
  ASSERT_EQ(jobs.size(), 2u) << cups_.jobList();
  EXPECT_EQ(jobs[0].queue, "Braille");
  EXPECT_EQ(jobs[1].queue, "Tinta");
}

TEST_F(PrintCommand, UnknownPrinterRefusalUsageAndNoSchedulerAreStatusTwo) {
  writeBytes(dir_.file("f.pxg"), "PT 0 0\n");
  ASSERT_TRUE(cups_.command("cupsreject Tinta"));
  for (const std::string args :
       {"print --printer=Nenhuma f.pxg", "print --printer=Tinta --mode=ink f.pxg", "print f.pxg",
        "print --printer=Braille", "print --printer=Braille --landscape f.pxg", "print --printer=Braille --mode=x f.pxg",
        "print --list f.pxg", "print --printer=Braille falta.pxg", "print --bogus"}) {
    const PrintResult run = pontelix(args);
    EXPECT_EQ(run.status, 2) << args;
    EXPECT_FALSE(run.err.empty()) << args;
  }
  const PrintResult unheard = pontelix("print --list", "CUPS_SERVER='" + dir_.path() + "/nobody-listens'");
  EXPECT_EQ(unheard.status, 2);
  EXPECT_NE(unheard.err.find("n\xc3\xa3o responde"), std::string::npos) << unheard.err;
  EXPECT_EQ(cups_.jobList(), "");
}

}  // namespace
