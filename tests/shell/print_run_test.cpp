// I and Tab through the real program and a private print scheduler: the page size said,
// the PDF page the printer receives, and what the user hears on every road.
#include <gtest/gtest.h>

#include <filesystem>

#include "pdf_probe.h"
#include "private_cups.h"
#include "render/image_decode.h"
#include "shell/program_run.h"

namespace {

// The test queue's A4 page: 20990 x 29704 hundredths of a millimetre with margins of
// 1/4 inch left and bottom, 1/2 inch right and 3/4 inch top.
constexpr char kPortraitAt300[] = "2254 x 3208";
constexpr char kLandscapeAt300[] = "3208 x 2254";

class PrintRun : public ProgramRun {
 protected:
  void SetUp() override {
    ASSERT_EQ(cups_.failure(), "");
    printEnvironment_ = cups_.environment();
  }

  bool addInkQueue(const std::string& name) {
    return cups_.addQueueFromPpd(name, std::string(PONTELIX_SOURCE_DIR) + "/tests/output/ink/test-ink.ppd");
  }

  // The captured job kept as a file, for poppler's tools.
  std::string keep(const CapturedJob& job, const std::string& name) {
    writeBytes(dir_.file(name), job.bytes);
    return dir_.file(name);
  }

  // The pixels of the first image of a PDF, and of `pontelix render` of the test
  // drawing at the same side.
  std::vector<std::uint32_t> imageOf(const std::string& pdf, int& width, int& height) {
    return decodePng(readBytes(pdfFirstImageAsPng(pdf, dir_.file("extracted"))), width, height);
  }
  std::vector<std::uint32_t> renderedTestDrawing(int side) {
    const std::string command = std::string(PONTELIX_EXE) + " render --mode=ink --size=" + std::to_string(side) +
                                " --test-drawing -o '" + dir_.file("batch.png") + "' 2>/dev/null";
    std::system(command.c_str());
    int width = 0, height = 0;
    return decodePng(readBytes(dir_.file("batch.png")), width, height);
  }

  PrivateCups cups_;
};

TEST_F(PrintRun, ISaysThePageSizeAndSendsOnePdfPageAtThePrintersResolution) {
  ASSERT_TRUE(addInkQueue("Tinta"));
  writeBytes(dir_.file("figura.pxg"), "CI 0 0 5\r\nRT -10 -10 10 10\r\n");
  EXPECT_EQ(run("i<Enter>nc<Esc>s", "figura.pxg"), 0);
  const auto jobs = cups_.waitForJobs(1);
  ASSERT_EQ(jobs.size(), 1u) << cups_.jobList();
  EXPECT_EQ(jobs[0].title, "Pontelix");
  EXPECT_EQ(jobs[0].queue, "Tinta");
  EXPECT_TRUE(heardInOrder({"say: Selecione a impressora a tinta", "say: Tinta", "say: Imprime com papel deitado? (S/N) ",
                            "say: Imprimindo em ", "say: Tinta", "say: Tamanho do papel (em pixels): ",
                            std::string("say: ") + kPortraitAt300, "say: Página enviada para a impressora.",
                            "say: Pontelix - Que deseja? "}))
      << transcriptText();
  const std::string pdf = keep(jobs[0], "job.pdf");
  const PdfPage page = pdfPage(pdf);
  EXPECT_EQ(page.pages, 1);
  EXPECT_NEAR(page.width, 595, 1);
  EXPECT_NEAR(page.height, 842, 1);
  const auto images = pdfImages(pdf);
  ASSERT_EQ(images.size(), 1u);
  EXPECT_EQ(images[0].width, 2254);
  EXPECT_EQ(images[0].height, 2254);
  EXPECT_EQ(images[0].xPpi, 300);
  EXPECT_EQ(images[0].yPpi, 300);
}

TEST_F(PrintRun, LandscapeSwapsTheSizeSaidButNotTheSide) {
  ASSERT_TRUE(addInkQueue("Tinta"));
  EXPECT_EQ(run("i<Enter>ssc<Esc>s", "p"), 0);  // S: the empty page all the same; S: landscape
  EXPECT_EQ(timesSaid(kLandscapeAt300), 1) << transcriptText();
  const auto jobs = cups_.waitForJobs(1);
  ASSERT_EQ(jobs.size(), 1u);
  const auto images = pdfImages(keep(jobs[0], "job.pdf"));
  ASSERT_EQ(images.size(), 1u);
  EXPECT_EQ(images[0].width, 2254);
  EXPECT_EQ(images[0].xPpi, 300);
}

TEST_F(PrintRun, TabPrintsTheTestDrawingPixelForPixel) {
  ASSERT_TRUE(addInkQueue("Tinta"));
  ASSERT_TRUE(cups_.command("lpadmin -p Tinta -o Resolution=600dpi -o PageSize=Letter"));
  EXPECT_EQ(run("<Tab><Enter>nc<Esc>s", "p"), 0);
  // Letter at 600 dpi with margins of 1/4 inch left and right, 1/2 inch top and bottom.
  EXPECT_EQ(timesSaid("4800 x 6000"), 1) << transcriptText();
  const auto jobs = cups_.waitForJobs(1);
  ASSERT_EQ(jobs.size(), 1u) << cups_.jobList();
  const std::string pdf = keep(jobs[0], "job.pdf");
  EXPECT_NEAR(pdfPage(pdf).width, 612, 1);
  int width = 0, height = 0;
  const auto printed = imageOf(pdf, width, height);
  EXPECT_EQ(width, 4800);
  EXPECT_EQ(height, 4800);
  EXPECT_TRUE(printed == renderedTestDrawing(4800)) << "the printed image is not the test drawing";
}

TEST_F(PrintRun, SwellPaperGetsTheDrawingAsPathsAndEscAtThePaperSpendsNone) {
  ASSERT_TRUE(addInkQueue("Tinta"));
  EXPECT_EQ(run("<Tab><Enter>n<Esc><Esc>s", "p"), 0);
  EXPECT_TRUE(heardInOrder({"say: Papel comum ou papel microcapsulado? (C/M) ", "say: Cancelado"})) << transcriptText();
  EXPECT_EQ(cups_.jobList(), "");
  // Enter takes the paper Tramel.ini sets.
  std::filesystem::create_directories(dir_.file("config/tramel"));
  writeBytes(dir_.file("config/tramel/Tramel.ini"), "[PONTELIX]\nPAPELTINTA=Microcapsulado\n");
  EXPECT_EQ(run("<Tab><Enter>n<Enter><Esc>s", "p"), 0);
  EXPECT_TRUE(heardInOrder({"say: Papel microcapsulado: linhas e pontos em relevo, no tamanho real.",
                            "say: Página enviada para a impressora."}))
      << transcriptText();
  const auto jobs = cups_.waitForJobs(1);
  ASSERT_EQ(jobs.size(), 1u);
  // Paths, not a page-sized picture: the paper rises only where the lines are.
  EXPECT_TRUE(pdfImages(keep(jobs[0], "tactile.pdf")).empty());
  EXPECT_GT(jobs[0].bytes.size(), 10000u);
}

TEST_F(PrintRun, EscInTheChooserPrintsNothingAndSaysNothing) {
  ASSERT_TRUE(addInkQueue("Tinta"));
  EXPECT_EQ(run("i<Esc><Esc>s", "p"), 0);
  EXPECT_TRUE(heardInOrder({"say: Selecione a impressora a tinta", "say: Pontelix - Que deseja? "}));
  EXPECT_EQ(timesSaid("Imprime com papel deitado? (S/N) "), 0);
  // Esc at the paper's side cancels too (the empty page accepted with S first).
  EXPECT_EQ(run("i<Enter>s<Esc><Esc>s", "p"), 0);
  EXPECT_TRUE(heardInOrder({"say: Imprime com papel deitado? (S/N) ", "say: Cancelado", "say: Pontelix - Que deseja? "}))
      << transcriptText();
  EXPECT_EQ(cups_.jobList(), "");
}

TEST_F(PrintRun, ARawQueueGetsA4At300AndSaysSo) {
  ASSERT_TRUE(cups_.addRawQueue("Crua"));
  EXPECT_EQ(run("<Tab><Enter>nc<Esc>s", "p"), 0);
  EXPECT_TRUE(heardInOrder({"say: Imprimindo em ", "say: Crua",
                            "say: A impressora não informa o papel nem a resolução: assumido papel A4 a 300 pontos "
                            "por polegada.",
                            "say: Tamanho do papel (em pixels): ", "say: 2480 x 3507"}))
      << transcriptText();
  const auto jobs = cups_.waitForJobs(1);
  ASSERT_EQ(jobs.size(), 1u);
  const auto images = pdfImages(keep(jobs[0], "job.pdf"));
  ASSERT_EQ(images.size(), 1u);
  EXPECT_EQ(images[0].width, 2480);
}

TEST_F(PrintRun, ARefusedJobOrNoSchedulerIsSaidAndTheMenuComesBack) {
  ASSERT_TRUE(addInkQueue("Tinta"));
  ASSERT_TRUE(cups_.command("cupsreject Tinta"));
  EXPECT_EQ(run("i<Enter>snc<Esc>s", "p"), 0);  // S: the empty page all the same; N: upright; C: plain paper
  EXPECT_TRUE(heardInOrder({"say: Tamanho do papel (em pixels): ", "say: Problemas na impressora.",
                            "say: Pontelix - Que deseja? ", "say: Fim do Pontelix"}))
      << transcriptText();
  EXPECT_EQ(timesSaid("Página enviada para a impressora."), 0);
  EXPECT_TRUE(cups_.jobs().empty());

  printEnvironment_ = "CUPS_SERVER='" + dir_.path() + "/nobody-listens'";
  EXPECT_EQ(run("<Tab><Esc>s", "p"), 0);
  EXPECT_TRUE(heardInOrder({"say: Selecione a impressora a tinta", "say: O serviço de impressão não responde.",
                            "say: Pontelix - Que deseja? "}))
      << transcriptText();
}

}  // namespace
