// Options V, Ctrl+V and G through the real program: what is shown, what is written, what
// is asked and said, and what is left behind.
#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "render/image_decode.h"
#include "shell/program_run.h"

namespace {

namespace fs = std::filesystem;

constexpr int kWidth = 1040, kHeight = 658;  // the headless client area less 42 rows
const std::string kRefused = "Arquivo gráfico não foi salvo.";

struct Picture {
  int width = 0, height = 0;
  std::vector<std::uint32_t> pixels;
  bool allWhite() const {
    return !pixels.empty() && std::all_of(pixels.begin(), pixels.end(), [](std::uint32_t p) { return p == 0xFFFFFF; });
  }
};

// The width and height in a JPEG's start-of-frame segment; 0 x 0 when there is none.
void jpegSize(const std::string& bytes, int& width, int& height) {
  width = height = 0;
  for (size_t at = 2; at + 9 < bytes.size();) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(bytes[i]); };
    if (byte(at) != 0xFF) return;
    const int marker = byte(at + 1);
    if (marker >= 0xC0 && marker <= 0xC2) {
      height = byte(at + 5) << 8 | byte(at + 6);
      width = byte(at + 7) << 8 | byte(at + 8);
      return;
    }
    at += 2 + (byte(at + 2) << 8 | byte(at + 3));
  }
}

class ViewingRun : public ProgramRun {
 protected:
  void SetUp() override {
    fs::create_directory(dir_.file("tmp"));
    environment_ = "TMPDIR='" + dir_.file("tmp") + "'";
    options_ = "--picture=shown.png";
  }

  Picture png(const std::string& name) const {
    Picture picture;
    picture.pixels = decodePng(readBytes(dir_.file(name)), picture.width, picture.height);
    return picture;
  }
  // The picture V showed last.
  Picture shown() const { return png("shown.png"); }

  // The same script drawn by the batch renderer at the size of the headless screen.
  Picture rendered(const std::string& script, const std::string& options = "") {
    writeBytes(dir_.file("batch.pxg"), script);
    const std::string command = "cd '" + dir_.path() + "' && '" + PONTELIX_EXE + "' render --size=1040x658 " +
                                options + " batch.pxg -o batch.png 2>/dev/null";
    EXPECT_NE(std::system(command.c_str()), -1);
    return png("batch.png");
  }

  size_t filesIn(const std::string& folder) const {
    return static_cast<size_t>(std::distance(fs::directory_iterator(dir_.file(folder)), {}));
  }
};

TEST_F(ViewingRun, TheFormatFollowsTheEndOfTheNameInAnyCase) {
  writeBytes(dir_.file("p.pxg"), "CI 0 0 5\r\n");
  // At "Aperte enter..." only Enter or Esc lead back to the menu.
  ASSERT_EQ(run("Ga.jpeg<Enter>q<Down><F1><Enter>Gb.Png<Enter><Esc>Gc.BMP<Enter><Enter>Gd.JpG<Enter><Enter>", "p.pxg"),
            0);
  EXPECT_EQ(timesSaid("OK."), 4);
  EXPECT_TRUE(heardInOrder({"say: Informe o arquivo a gravar: PNG, JPG, BMP ou SVG", "spell: a", "say: OK.",
                            "say: Aperte enter...", "say: Pontelix - Que deseja? ", "spell: G"}));
  EXPECT_EQ(timesSaid("Pontelix - Que deseja? "), 5);
  EXPECT_EQ(timesSaid("Opção inválida"), 0);
  EXPECT_EQ(screen().find("Aperte enter"), std::string::npos);

  int width = 0, height = 0;
  for (const char* name : {"a.jpeg", "d.JpG"}) {
    const std::string jpeg = readBytes(dir_.file(name));
    ASSERT_EQ(jpeg.compare(0, 3, "\xFF\xD8\xFF"), 0) << name;
    jpegSize(jpeg, width, height);
    EXPECT_EQ(width, kWidth) << name;
    EXPECT_EQ(height, kHeight) << name;
  }
  const Picture picture = png("b.Png");
  EXPECT_EQ(picture.width, kWidth);
  EXPECT_EQ(picture.height, kHeight);
  EXPECT_EQ(decodeBmp(readBytes(dir_.file("c.BMP")), width, height), picture.pixels);
  EXPECT_EQ(width, kWidth);
  EXPECT_EQ(height, kHeight);
}

TEST_F(ViewingRun, AnyOtherNameIsRefusedAndNothingIsWritten) {
  writeBytes(dir_.file("p.pxg"), "CI 0 0 5\r\n");
  writeBytes(dir_.file("velho.gif"), "GIF89a");
  // An existing .gif is offered for replacement, as any file is, and then refused.
  ASSERT_EQ(run("Gvelho.gif<Enter>s<Enter>Ga<Enter><Enter>Gnovo.gif<Enter><Enter>", "p.pxg"), 0);
  EXPECT_EQ(timesSaid(kRefused), 3);
  // Each time with the names that are taken.
  EXPECT_EQ(timesSaid("Motivo: o nome deve terminar em .png, .jpg, .jpeg, .bmp ou .svg."), 3);
  EXPECT_EQ(timesSaid("OK."), 0);
  EXPECT_EQ(readBytes(dir_.file("velho.gif")), "GIF89a");
  EXPECT_FALSE(fs::exists(dir_.file("a")));
  EXPECT_FALSE(fs::exists(dir_.file("novo.gif")));
  EXPECT_EQ(filesIn("tmp"), 0u);
}

TEST_F(ViewingRun, EscAndAnyAnswerButSGiveUpWithoutWriting) {
  writeBytes(dir_.file("p.pxg"), "CI 0 0 5\r\n");
  ASSERT_EQ(run("G<Esc><Enter>G<Enter><Enter>Gdigitado.png<Esc><Enter>", "p.pxg"), 0);
  EXPECT_EQ(timesSaid("Desistiu..."), 3);
  EXPECT_EQ(timesSaid("Aperte enter..."), 1);  // after Esc the menu comes back at once
  EXPECT_FALSE(fs::exists(dir_.file("digitado.png")));
  for (const std::string answer : {"n", "<Esc>", "x", "<Down><Down><Enter>"}) {
    writeBytes(dir_.file("x.png"), "velho");
    ASSERT_EQ(run("Gx.png<Enter>" + answer + "<Enter>", "p.pxg"), 0);
    EXPECT_TRUE(heardInOrder({"say: Arquivo já existe, sobrescreve? ", "say: Desistiu...", "say: Aperte enter..."}))
        << answer;
    EXPECT_EQ(readBytes(dir_.file("x.png")), "velho") << answer;
  }
  for (const std::string answer : {"s", "S", "<Down><Enter>"}) {
    writeBytes(dir_.file("x.png"), "velho");
    ASSERT_EQ(run("Gx.png<Enter>" + answer + "<Enter>", "p.pxg"), 0);
    EXPECT_TRUE(heardInOrder({"say: Arquivo já existe, sobrescreve? ", "say: OK."})) << answer;
    EXPECT_EQ(png("x.png").width, kWidth) << answer;
  }
}

TEST_F(ViewingRun, AnEmptyScriptIsViewedAsAWhitePictureThatLeavesNoFile) {
  // Any key that does not explore ends the view, and no part of it reaches the menu: Del
  // (0, 83) would be S.
  ASSERT_EQ(run("<Enter>V<Shift+Down>V<Del>V<Down><Esc>"), 0);
  const Picture picture = shown();
  EXPECT_EQ(picture.width, kWidth);
  EXPECT_EQ(picture.height, kHeight);
  EXPECT_TRUE(picture.allWhite());
  EXPECT_EQ(filesIn("tmp"), 0u);
  EXPECT_EQ(timesSaid("Pontelix - Que deseja? "), 4);
  EXPECT_EQ(timesSaid("Opção inválida"), 0);
  EXPECT_EQ(timesSaid("Quer salvar o arquivo (S/N)? "), 0);
  // While the picture is shown, only how to explore it and what the page holds are said;
  // Down moves the cursor off no dot (a click) and stays in the view.
  const auto lines = heard();
  int views = 0;
  for (size_t i = 0; i + 3 < lines.size(); ++i) {
    if (lines[i] != "spell: V") continue;
    ++views;
    EXPECT_EQ(lines[i + 1].substr(0, 35), "say: Setas exploram a página ponto");
    EXPECT_EQ(lines[i + 2], "say: Nenhuma linha desenhou na página.");
    EXPECT_EQ(lines[i + 3], views == 3 ? "click" : "say: Pontelix - Que deseja? ");
  }
  EXPECT_EQ(views, 3);
}

TEST_F(ViewingRun, CtrlVShowsTheTestDrawingWhileGSavesTheScript) {
  ASSERT_EQ(run("<Enter><Ctrl+V><Esc>Gx.png<Enter><Enter>"), 0);
  const Picture test = shown();
  EXPECT_FALSE(test.allWhite());
  EXPECT_EQ(test.pixels, rendered("", "--test-drawing").pixels);
  EXPECT_TRUE(png("x.png").allWhite());
}

TEST_F(ViewingRun, ViewAndSaveGiveThePixelsOfTheBatchRenderer) {
  const std::string script =
      "DM -6 6 -6 10\r\nEX -6 0 6 0 1\r\nPN 2 1 0 -4 -3,5 3,5\r\nCI 0 0 2\r\nRG -5 -5 -3 -2\r\n"
      "TX 1 8 Olá\r\nTB 4,2 1,5 x\r\n";
  writeBytes(dir_.file("p.pxg"), script);
  ASSERT_EQ(run("V<Esc>Gx.png<Enter><Enter>", "p.pxg"), 0);
  const Picture batch = rendered(script);
  ASSERT_EQ(batch.width, kWidth);
  EXPECT_FALSE(batch.allWhite());
  EXPECT_EQ(shown().pixels, batch.pixels);
  EXPECT_EQ(png("x.png").pixels, batch.pixels);
}

TEST_F(ViewingRun, AnEscapeSequenceInALineIsHeardAsLetters) {
  writeBytes(dir_.file("p.pxg"), "XX ab\x1b[2J\x07" "cd\r\n");
  ASSERT_EQ(run("V", "p.pxg"), 0);
  EXPECT_EQ(timesSaid("XX ab^[[2J^Gcd"), 1);
}

TEST_F(ViewingRun, ALineErrorIsReportedAndWhatWasDrawnIsKept) {
  writeBytes(dir_.file("p.pxg"), "CI 0 0 5\r\nXX 1\r\nPT 1 1\r\n");
  // One key for each report, Esc for the picture.
  ASSERT_EQ(run("V <Esc>Gx.png<Enter> <Enter>", "p.pxg"), 0);
  EXPECT_TRUE(heardInOrder({"spell: V", "say: Erro na linha ", "say: 1", "say: XX 1", "spell: G",
                            "say: Erro na linha ", "say: 1", "say: XX 1", "say: OK."}));
  const Picture drawn = rendered("CI 0 0 5\r\n");
  EXPECT_FALSE(drawn.allWhite());
  EXPECT_EQ(shown().pixels, drawn.pixels);
  EXPECT_EQ(png("x.png").pixels, drawn.pixels);

  // The report stands on the last rows while the user reads it.
  ASSERT_EQ(run("V", "p.pxg"), 0);
  EXPECT_NE(screen().find("\nErro na linha 1\nXX 1\n\n"), std::string::npos);
}

// The page felt or heard is drawn again after the picture: a data file's complaint is
// heard once all the same.
TEST_F(ViewingRun, ADataFilesMessageIsHeardOnce) {
  writeBytes(dir_.file("p.pxg"), "LD falta.dat\r\nPO *\r\n");
  ASSERT_EQ(run("V<Esc>", "p.pxg"), 0);
  EXPECT_EQ(timesSaid("Arquivo não existe: falta.dat"), 1) << transcriptText();
}

TEST_F(ViewingRun, AWriterThatFailsIsSaidAndTheOldFileStays) {
  writeBytes(dir_.file("p.pxg"), "CI 0 0 5\r\n");
  fs::create_directory(dir_.file("pasta.png"));
  ASSERT_EQ(run("Gpasta.png<Enter>s<Enter>", "p.pxg"), 0);
  EXPECT_TRUE(heardInOrder({"say: " + kRefused, "say: Motivo: o nome é de uma pasta.", "say: Aperte enter..."}));
  EXPECT_EQ(timesSaid("OK."), 0);
  EXPECT_TRUE(fs::is_directory(dir_.file("pasta.png")));
}

TEST_F(ViewingRun, AFileThatMayNotBeWrittenStaysWhole) {
  if (!ordinaryUserCanRun()) GTEST_SKIP() << "no ordinary user can run the program here";
  fs::create_directory(dir_.file("fechada"));
  writeBytes(dir_.file("fechada/x.png"), "velho");
  ::chmod(dir_.file("fechada/x.png").c_str(), 0666);
  ::chmod(dir_.file("fechada").c_str(), 0555);
  ::chmod(dir_.file("tmp").c_str(), 0777);
  writeBytes(dir_.file("p.pxg"), "CI 0 0 5\r\n");
  ASSERT_EQ(run("Gfechada/x.png<Enter>s<Enter>", "p.pxg", true), 0);
  EXPECT_TRUE(heardInOrder({"say: " + kRefused, "say: Motivo: sem permissão para gravar na pasta."}));
  EXPECT_EQ(readBytes(dir_.file("fechada/x.png")), "velho");
  EXPECT_EQ(filesIn("fechada"), 1u);
  ::chmod(dir_.file("fechada").c_str(), 0755);
}

}  // namespace
