// B and Ctrl+B through the real program and a private print scheduler: what reaches the
// embosser, and what the user hears on every road.
#include <gtest/gtest.h>

#include "private_cups.h"
#include "shell/program_run.h"

namespace {

class EmbossRun : public ProgramRun {
 protected:
  void SetUp() override {
    ASSERT_EQ(cups_.failure(), "");
    printEnvironment_ = cups_.environment();
  }

  // The stream `pontelix render` writes for the script (or the test drawing), on the
  // page its `options` give.
  std::string renderedStream(const std::string& script, bool testDrawing = false, const std::string& options = "") {
    writeBytes(dir_.file("batch.pxg"), script);
    const std::string command = std::string(PONTELIX_EXE) + " render " + options + (testDrawing ? "--test-drawing " : "") +
                                "'" + dir_.file("batch.pxg") + "' -o '" + dir_.file("batch.brf") + "' 2>/dev/null";
    std::system(command.c_str());
    return readBytes(dir_.file("batch.brf"));
  }

  // Presses B with the script as the project and picks the first printer; `findings`
  // when the check of the page will ask, and S prints anyway.
  std::vector<CapturedJob> embossScript(const std::string& script, size_t jobsBefore, bool findings = false) {
    writeBytes(dir_.file("figura.pxg"), script);
    EXPECT_EQ(run(findings ? "b<Enter>s<Esc>s" : "b<Enter><Esc>s", "figura.pxg"), 0);
    return cups_.waitForJobs(jobsBefore + 1);
  }

  PrivateCups cups_;
};

TEST_F(EmbossRun, BSendsTheScriptAsOneRawJobNamedPontelix) {
  ASSERT_TRUE(cups_.addRawQueue("Braille"));
  const std::string script = "CI 0 0 5\r\nPT 1 2\r\nRT -10 -10 10 10\r\n";
  const auto jobs = embossScript(script, 0);
  ASSERT_EQ(jobs.size(), 1u) << cups_.jobList();
  EXPECT_EQ(jobs[0].title, "Pontelix");
  EXPECT_EQ(jobs[0].queue, "Braille");
  EXPECT_EQ(jobs[0].bytes, renderedStream(script));
  EXPECT_TRUE(heardInOrder({"say: Selecione a impressora Braille", "say: Braille", "say: Imprimindo em ",
                            "say: Braille", "say: Impressora ok. Iniciando impressão.",
                            "say: Página enviada para o impressor braille.", "say: Pontelix - Que deseja? "}))
      << transcriptText();
  EXPECT_EQ(timesSaid("Erro no dispositivo"), 0);
}

// A script with findings is asked about before any job is opened; F9 lists them. N
// spends no paper; S sends what was drawn before a line error, which is then reported
// again as it is drawn.
TEST_F(EmbossRun, FindingsAreAskedAboutBeforeTheJobAndOnlyYesPrints) {
  ASSERT_TRUE(cups_.addRawQueue("Braille"));
  writeBytes(dir_.file("figura.pxg"), "PT 0 0\r\nXX 1 2\r\nPT 5 5\r\n");
  EXPECT_EQ(run("b<Enter><F9><Enter>n<Esc>s", "figura.pxg"), 0);
  EXPECT_TRUE(heardInOrder({"say: O desenho tem 1 aviso.",
                            "say: Linha 1: comando ou número errado; o desenho para aqui: XX 1 2",
                            "say: Imprime assim mesmo? (S/N)",
                            "say: Linha 1: comando ou número errado; o desenho para aqui: XX 1 2",
                            "say: Imprime assim mesmo? (S/N)", "say: Cancelado"}))
      << transcriptText();
  EXPECT_EQ(timesSaid("Impressora ok. Iniciando impress\xc3\xa3o."), 0);
  // Esc in the list goes back to the question without a word; only N then gives up.
  EXPECT_EQ(run("b<Enter><F9><Esc>n<Esc>s", "figura.pxg"), 0);
  EXPECT_EQ(timesSaid("Imprime assim mesmo? (S/N)"), 2);
  EXPECT_EQ(timesSaid("Cancelado"), 1);

  EXPECT_EQ(run("b<Enter>s<Enter><Esc>s", "figura.pxg"), 0);
  EXPECT_TRUE(heardInOrder({"say: Imprime assim mesmo? (S/N)", "say: Impressora ok. Iniciando impressão.",
                            "say: Erro na linha "}))
      << transcriptText();
  const auto jobs = cups_.waitForJobs(1);
  ASSERT_EQ(jobs.size(), 1u) << cups_.jobList();
  EXPECT_EQ(jobs[0].bytes, renderedStream("PT 0 0\r\n"));
}

TEST_F(EmbossRun, CtrlBSendsTheTestDrawingToTheChosenPrinter) {
  ASSERT_TRUE(cups_.addRawQueue("Primeira"));
  ASSERT_TRUE(cups_.addRawQueue("Segunda"));
  EXPECT_EQ(run("<Ctrl+B><Down><Enter><Esc>s", "p"), 0);
  const auto jobs = cups_.waitForJobs(1);
  ASSERT_EQ(jobs.size(), 1u) << cups_.jobList();
  EXPECT_EQ(jobs[0].queue, "Segunda");
  EXPECT_EQ(jobs[0].bytes, renderedStream("", true));
}

TEST_F(EmbossRun, ASavedInstanceIsListedByItsFullNameAndPrintsOnItsQueue) {
  ASSERT_TRUE(cups_.addRawQueue("Braille"));
  std::filesystem::create_directories(dir_.file("home/.cups"));
  writeBytes(dir_.file("home/.cups/lpoptions"), "Dest Braille/grosso copies=1\n");
  printEnvironment_ = cups_.environment() + " HOME='" + dir_.file("home") + "'";
  EXPECT_EQ(run("b<Down><Enter>s<Esc>s", "p"), 0);
  EXPECT_TRUE(heardInOrder({"say: Braille", "say: Braille/grosso", "say: Imprimindo em ", "say: Braille/grosso",
                            "say: Impressora ok. Iniciando impressão."}))
      << transcriptText();
  const auto jobs = cups_.waitForJobs(1);
  ASSERT_EQ(jobs.size(), 1u) << cups_.jobList();
  EXPECT_EQ(jobs[0].queue, "Braille");
}

TEST_F(EmbossRun, EscInTheChooserSendsNothingAndSaysNothing) {
  ASSERT_TRUE(cups_.addRawQueue("Braille"));
  EXPECT_EQ(run("b<Esc><Esc>s", "p"), 0);
  EXPECT_TRUE(heardInOrder({"say: Selecione a impressora Braille", "say: Pontelix - Que deseja? "}));
  EXPECT_EQ(timesSaid("Imprimindo em "), 0);
  EXPECT_EQ(timesSaid("Problemas na impressora."), 0);
  // The program has ended, so any job it made would be known to the scheduler by now.
  EXPECT_EQ(cups_.jobList(), "");
}

TEST_F(EmbossRun, ARejectingQueueIsAProblemAndGetsNoJob) {
  ASSERT_TRUE(cups_.addRawQueue("Braille"));
  ASSERT_TRUE(cups_.command("cupsreject Braille"));
  EXPECT_EQ(run("b<Enter>s<Esc>s", "p"), 0);
  EXPECT_EQ(timesSaid("Problemas na impressora."), 1) << transcriptText();
  EXPECT_EQ(timesSaid("Impressora ok. Iniciando impressão."), 0);
  EXPECT_EQ(cups_.jobList(), "");
  EXPECT_TRUE(cups_.jobs().empty());
}

TEST_F(EmbossRun, NoPrinterOrNoSchedulerIsSaidAndTheProgramGoesOn) {
  EXPECT_EQ(run("b<Esc>s", "p"), 0);
  EXPECT_TRUE(heardInOrder({"say: Selecione a impressora Braille", "say: Nenhuma impressora instalada.",
                            "say: Pontelix - Que deseja? ", "say: Fim do Pontelix"}))
      << transcriptText();

  printEnvironment_ = "CUPS_SERVER='" + dir_.path() + "/nobody-listens'";
  EXPECT_EQ(run("<Ctrl+B><Esc>s", "p"), 0);
  EXPECT_TRUE(heardInOrder({"say: Selecione a impressora Braille", "say: O serviço de impressão não responde.",
                            "say: Pontelix - Que deseja? ", "say: Fim do Pontelix"}))
      << transcriptText();
}

// A scheduler that takes the connection and never answers is given up after a few
// seconds, like one that is not there.
TEST_F(EmbossRun, ASchedulerThatNeverAnswersDoesNotHoldTheProgram) {
  MuteScheduler mute(dir_.file("mute.sock"));
  ASSERT_TRUE(mute.listening());
  printEnvironment_ = "CUPS_SERVER='" + mute.server() + "'";
  EXPECT_EQ(run("b<Esc>s", "p"), 0);
  EXPECT_TRUE(heardInOrder({"say: O serviço de impressão não responde.", "say: Pontelix - Que deseja? ",
                            "say: Fim do Pontelix"}))
      << transcriptText();
}

TEST_F(EmbossRun, TheEdgesOfTheSheetArriveByteExact) {
  ASSERT_TRUE(cups_.addRawQueue("Braille"));
  // An empty script: one empty line (the check's "empty page" answered with S).
  auto jobs = embossScript("", 0, true);
  ASSERT_EQ(jobs.size(), 1u);
  EXPECT_EQ(jobs[0].bytes, "\x1B" "1\r\n\x1B]\x0C");

  // One point at the origin, pixel (66, 66): 22 bare lines, then dot 1 of cell 33.
  std::string expected = "\x1B" "1";
  for (int line = 0; line < 22; ++line) expected += "\r\n";
  expected += std::string(33, ' ') + "a\r\n\x1B]\x0C";
  jobs = embossScript("PT 0 0\r\n", 1);
  ASSERT_EQ(jobs.size(), 2u);
  EXPECT_EQ(jobs[1].bytes, expected);

  // A dot in the last pixel row: all 44 lines go.
  const std::string lastRow = "PT 19,9 -14,9\r\n";
  jobs = embossScript(lastRow, 2);
  ASSERT_EQ(jobs.size(), 3u);
  EXPECT_EQ(jobs[2].bytes, renderedStream(lastRow));
  size_t lines = 0;
  for (size_t at = jobs[2].bytes.find("\r\n"); at != std::string::npos; at = jobs[2].bytes.find("\r\n", at + 2))
    ++lines;
  EXPECT_EQ(lines, 44u);
}

// A queue made from the generic braille driver gets the drawing as BRF on the driver's
// A4 page, through the driver's filters; a raw queue next still gets the configured sheet.
TEST_F(EmbossRun, ABrailleDriversQueueGetsItsOwnPageAndARawQueueNextTheConfiguredOne) {
  ASSERT_TRUE(cups_.addRawQueue("Braille"));
  ASSERT_TRUE(cups_.addQueueFromModel("Generica", "drv:///generic-brf.drv/gen-brf.ppd", "-o PageSize=A4"));
  const std::string script = "CI 0 0 5\r\nPT 1 2\r\n";
  writeBytes(dir_.file("figura.pxg"), script);
  EXPECT_EQ(run("b<Down><Enter>b<Enter><Esc>s", "figura.pxg"), 0);
  EXPECT_TRUE(heardInOrder({"say: Generica", "say: Impressora ok. Iniciando impressão.",
                            "say: Página de 32 celas por 28 linhas.", "say: Braille",
                            "say: Impressora ok. Iniciando impressão.", "say: Página de 66 celas por 44 linhas."}))
      << transcriptText();
  const auto jobs = cups_.waitForJobs(2);
  ASSERT_EQ(jobs.size(), 2u) << cups_.jobList() << cups_.errorLog();
  // The generic driver ends the last line, the form feed's, with CR and the job with SUB.
  EXPECT_EQ(jobs[0].bytes, renderedStream(script, false, "--embosser-page=A4 ") + "\r\x1A");
  EXPECT_EQ(jobs[1].bytes, renderedStream(script));
}

}  // namespace
