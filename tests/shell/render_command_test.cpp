// The batch road through the real program: statuses, outputs, and nothing left behind.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "output/embosser/page_dots.h"
#include "pdf_probe.h"
#include "render/image_decode.h"
#include "shell/render_process.h"

namespace {

const std::string kEmptyStream = "\x1B" "1\r\n\x1B]\x0C";
const fs::path kGolden = fs::path(PONTELIX_SOURCE_DIR) / "tests/output/embosser/golden";

// The rows of a PEF document that xmllint reads, decoded to dots; empty when it does not.
DotLines pefDots(const fs::path& pef) {
  if (std::system(("xmllint --noout '" + pef.string() + "' 2>/dev/null").c_str()) != 0) return {};
  std::ifstream in(pef, std::ios::binary);
  const std::string xml{std::istreambuf_iterator<char>(in), {}};
  std::string text;
  for (size_t at = xml.find("<row"); at != std::string::npos; at = xml.find("<row", at + 1)) {
    const size_t open = xml.find('>', at);
    if (xml[open - 1] != '/') text += xml.substr(open + 1, xml.find("</row>", open) - open - 1);
    text += '\n';
  }
  return pageTextDots(text);
}

TEST_F(RenderCommand, EmptyScriptGivesTheBareStream) {
  write("a.pxg", "");
  const ProcessResult run = render("a.pxg -o a.brf");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(read(dir_ / "a.brf"), kEmptyStream);
}

TEST_F(RenderCommand, PointAtTheOriginAndInTheLastRow) {
  write("o.pxg", "; origem\r\nPT 0 0\r\n");
  ASSERT_EQ(render("o.pxg -o o.BRF").status, 0);
  std::string expected = "\x1B" "1";
  for (int i = 0; i < 22; ++i) expected += "\r\n";
  expected += std::string(33, ' ') + "a\r\n\x1B]\x0C";
  EXPECT_EQ(read(dir_ / "o.BRF"), expected);

  write("b.pxg", "PT 19,9 -14,9\n");
  ASSERT_EQ(render("b.pxg -o b.brf").status, 0);
  const std::string stream = read(dir_ / "b.brf");
  EXPECT_EQ(std::count(stream.begin(), stream.end(), '\n'), 44);
}

TEST_F(RenderCommand, StandardInputAndLineEndsOfEveryKind) {
  const ProcessResult run = render("- -o s.brf", "PT 0 0\rPT 0 0\nPT 0 0");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(read(dir_ / "s.brf").size(), 2 + 22 * 2 + 34 + 2 + 3u);
}

// A NUL byte cuts the script short: said, and the status says a problem was written.
TEST_F(RenderCommand, AScriptCutAtANulByteIsSaidAndIsStatusOne) {
  write("n.pxg", std::string("PT 0 0\n\0PT 5 5\n", 15));
  const ProcessResult run = render("n.pxg -o n.brf");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "pontelix: o roteiro tem um caractere nulo; o que vem depois dele n\xc3\xa3o foi lido.\n");
  const ProcessResult check = render("n.pxg", "", {}, "check");
  EXPECT_EQ(check.status, 1);
}

TEST_F(RenderCommand, LineErrorGoesToStandardErrorAndTheDrawingIsStillWritten) {
  write("e.pxg", "PT 0 0\n\nPT 1 x\nPT 5 5\n");
  const ProcessResult run = render("e.pxg -o e.brf");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "Erro na linha 2: PT 1 x\n");
  const std::string stream = read(dir_ / "e.brf");
  EXPECT_NE(stream.find(std::string(33, ' ') + "a\r\n"), std::string::npos);
  EXPECT_EQ(std::count(stream.begin(), stream.end(), '\n'), 23);  // PT 5 5 never ran
}

TEST_F(RenderCommand, WindowsLettersInAnErrorLineComeOutAsUtf8) {
  write("u.pxg", "XX ma\xE7\xE3\n");
  const ProcessResult run = render("u.pxg -o u.png");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "Erro na linha 0: XX ma\xC3\xA7\xC3\xA3\n");
}

// Escape sequences in script and data lines are shown, never run by the terminal.
TEST_F(RenderCommand, ControlCharactersOfScriptsAndDataAreShownNotRun) {
  write("esc.dat", "a\x1b[2J\x07" "b 2\n");
  write("esc.pxg", "LD esc.dat\nXX ab\x1b]0;T\x07\x81" "cd\n");
  EXPECT_EQ(render("esc.pxg -o e.png").err, "Erro no dado: a^[[2J^Gb 2\nErro na linha 1: XX ab^[]0;T^G\\x81cd\n");
  EXPECT_NE(render("esc.pxg", "", {}, "check").out.find(": XX ab^[]0;T^G\\x81cd\n"), std::string::npos);
}

TEST_F(RenderCommand, DataFileMessagesGoToStandardError) {
  write("pontos.dat", "1 1\n2 x\n");
  write("d.pxg", "LD pontos.dat\nPT *\nEQ y = x\nLD falta.dat\nPT 0 0\n");
  const ProcessResult run = render("d.pxg -o d.brf");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err,
            "Erro no dado: 2 x\n"
            "Arquivo n\xC3\xA3o existe: falta.dat\n");
}

// Each problem alone is enough for status 1, and the picture still holds the point drawn
// before it.
TEST_F(RenderCommand, EveryReportedProblemGivesStatusOneWithThePictureWritten) {
  write("ruim.dat", "1 1\n2 x\n");
  fs::create_directory(dir_ / "pasta.dat");
  const struct {
    const char* line;
    const char* err;
  } cases[] = {
      {"PT 1 x", "Erro na linha 1: PT 1 x\n"},
      {"PT 1e300 0", "Imposs\xC3\xADvel desenhar na linha 1"},
      {"LD falta.dat", "Arquivo n\xC3\xA3o existe: falta.dat\n"},
      {"LD pasta.dat", "Arquivo n\xC3\xA3o pode ser lido: pasta.dat\n"},
      {"LD ruim.dat", "Erro no dado: 2 x\n"},
      {"EQ y = sen(x", "Erro na linha 1: EQ y = sen(x: falta fechar par\xC3\xAAntese\n"},
  };
  for (const auto& c : cases) {
    write("p.pxg", std::string("PT 0 0\n") + c.line + "\n");
    fs::remove(dir_ / "p.brf");
    const ProcessResult run = render("p.pxg -o p.brf");
    EXPECT_EQ(run.status, 1) << c.line;
    EXPECT_TRUE(run.err.starts_with(c.err)) << c.line << ": " << run.err;
    EXPECT_NE(read(dir_ / "p.brf").find(std::string(33, ' ') + "a\r\n"), std::string::npos) << c.line;
  }
}

TEST_F(RenderCommand, PngAndBmpHoldTheSamePixelsAtTheRequestedSize) {
  write("c.pxg", "CI 0 0 5\nCC 2 1 2\nRT -10 -10 10 10\nRG -15 -12 3 4\n");
  ASSERT_EQ(render("--size=300x200 c.pxg -o c.bmp").status, 0);
  ASSERT_EQ(render("c.pxg --size=300x200 -o c.png").status, 0);
  int bw = 0, bh = 0, pw = 0, ph = 0;
  const auto bmp = decodeBmp(read(dir_ / "c.bmp"), bw, bh);
  const auto png = decodePng(read(dir_ / "c.png"), pw, ph);
  EXPECT_EQ(bw, 300);
  EXPECT_EQ(bh, 200);
  EXPECT_EQ(pw, 300);
  EXPECT_EQ(ph, 200);
  EXPECT_EQ(bmp, png);
  EXPECT_TRUE(std::count(bmp.begin(), bmp.end(), 0xFF0000u) > 0);  // the red diagonal
  EXPECT_TRUE(std::count(bmp.begin(), bmp.end(), 0x000000u) > 0);  // the black circle
}

TEST_F(RenderCommand, DefaultSizesPerMode) {
  write("d.pxg", "");
  int w = 0, h = 0;
  ASSERT_EQ(render("d.pxg -o d.bmp").status, 0);
  decodeBmp(read(dir_ / "d.bmp"), w, h);
  EXPECT_EQ(w, 1040);
  EXPECT_EQ(h, 658);
  ASSERT_EQ(render("--mode=embosser --size=500x500 d.pxg -o e.bmp").status, 0);
  decodeBmp(read(dir_ / "e.bmp"), w, h);
  EXPECT_EQ(w, 132);
  EXPECT_EQ(h, 132);
  ASSERT_EQ(render("--mode=ink --size=400 d.pxg -o i.bmp").status, 0);
  decodeBmp(read(dir_ / "i.bmp"), w, h);
  EXPECT_EQ(w, 400);
  EXPECT_EQ(h, 400);
}

TEST_F(RenderCommand, JpegIsWrittenWithADefaultBaselineHeader) {
  write("j.pxg", "PT 0 0\n");
  ASSERT_EQ(render("j.pxg -o j.JPEG").status, 0);
  const std::string jpeg = read(dir_ / "j.JPEG");
  ASSERT_GE(jpeg.size(), 4u);
  EXPECT_EQ(jpeg.substr(0, 2), "\xFF\xD8");
  EXPECT_NE(jpeg.find("\xFF\xC0"), std::string::npos);  // baseline, not progressive
}

TEST_F(RenderCommand, PageTextIsTheEmbosserPageInBraillePatterns) {
  write("p.pxg", "PT 0 0\n");
  ASSERT_EQ(render("p.pxg -o p.TXT").status, 0);
  std::string expected(22, '\n');
  for (int i = 0; i < 33; ++i) expected += "\xE2\xA0\x80";  // leading blank cells stay
  expected += "\xE2\xA0\x81\n" + std::string(21, '\n');
  EXPECT_EQ(read(dir_ / "p.TXT"), expected);

  ASSERT_EQ(render("--test-drawing -o t.txt").status, 0);
  ASSERT_EQ(render("--test-drawing -o t.brf").status, 0);
  EXPECT_TRUE(sameDots(streamDots(read(dir_ / "t.brf")), pageTextDots(read(dir_ / "t.txt"))));
}

TEST_F(RenderCommand, TestDrawingNeedsNoScript) {
  const ProcessResult run = render("--test-drawing -o t.brf");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_GT(read(dir_ / "t.brf").size(), kEmptyStream.size());
}

TEST_F(RenderCommand, FailuresLeaveNoFileBehind) {
  write("f.pxg", "PT 0 0\n");
  const auto before = files();
  for (const std::string args : {"f.pxg -o f.gif", "f.pxg -o png", "f.pxg", "-o f.png", "f.pxg g.pxg -o f.png",
                                 "--mode=paper f.pxg -o f.png", "--size=0x5 f.pxg -o f.png", "--size=9x f.pxg -o f.png",
                                 "--mode=ink --size=30x40 f.pxg -o f.png", "--bogus f.pxg -o f.png",
                                 "missing.pxg -o f.png", ". -o f.png", "f.pxg -o no/such/dir/f.png", "f.pxg -o .",
                                 "--mode=screen f.pxg -o f.pdf", "--mode=embosser f.pxg -o f.pdf",
                                 "--landscape f.pxg -o f.png", "--size=30x40 f.pxg -o f.pdf",
                                 "--cells=4 f.pxg -o f.brf", "--lines=101 f.pxg -o f.brf", "--lines=x f.pxg -o f.brf",
                                 "--embosser-page=B5 f.pxg -o f.brf", "--braille-mode=relevo f.pxg -o f.pef",
                                 "--cells= f.pxg -o f.brf", "--lines= f.pxg -o f.txt", "--braille-mode= f.pxg -o f.pef",
                                 "--embosser-page= f.pxg -o f.brf", "--line-width= f.pxg -o f.svg",
                                 "--size= f.pxg -o f.png", "--size=100 f.pxg -o f.brf", "--size=90x60 f.pxg -o f.txt"}) {
    const ProcessResult run = render(args);
    EXPECT_EQ(run.status, 2) << args;
    EXPECT_FALSE(run.err.empty()) << args;
    EXPECT_EQ(files(), before) << args;
  }
}

TEST_F(RenderCommand, AnUnwritableOutputKeepsTheOldFile) {
  write("k.pxg", "PT 0 0\n");
  write("old.png", "old");
  fs::create_directory(dir_ / "ro");
  write("ro/x.png", "old");
  fs::permissions(dir_ / "ro", fs::perms::owner_read | fs::perms::owner_exec);
  if (access((dir_ / "ro").c_str(), W_OK) == 0) GTEST_SKIP() << "running with rights that ignore permissions";
  EXPECT_EQ(render("k.pxg -o ro/x.png").status, 2);
  EXPECT_EQ(read(dir_ / "ro/x.png"), "old");
  fs::permissions(dir_ / "ro", fs::perms::owner_all);
}

// What the system or a library says of a failure reaches the user in Portuguese words.
TEST_F(RenderCommand, FailuresAreSaidInPortugueseWords) {
  write("k.pxg", "PT 0 0\n");
  EXPECT_EQ(render("k.pxg -o falta/x.png").err,
            "pontelix render: falta/x.png: não foi possível gravar o arquivo: pasta ou arquivo inexistente\n");
  EXPECT_EQ(render("falta.pxg -o x.png").err,
            "pontelix render: não foi possível ler falta.pxg: pasta ou arquivo inexistente\n");
  // The file size limit stops the picture half-way, while libpng is writing it.
  const std::string limited = "cd '" + dir_.string() + "' && trap '' XFSZ && ulimit -f 1 && '" PONTELIX_EXE
                              "' render --test-drawing -o t.png 2>err.txt";
  EXPECT_EQ(WEXITSTATUS(std::system(limited.c_str())), 2);
  EXPECT_EQ(read(dir_ / "err.txt"), "pontelix render: t.png: não foi possível gravar o arquivo: arquivo grande demais\n");
}

// With --language=en the batch commands' own reasons and usage are English.
TEST_F(RenderCommand, TheBatchCommandsSpeakEnglishWhenAsked) {
  write("k.pxg", "PT 0 0\n");
  const struct {
    const char* command;
    const char* args;
    int status;
    const char* start;  // how standard error begins
  } cases[] = {
      {"render", "--language=en --nonsense k.pxg -o x.png", 2,
       "pontelix render: unknown option: --nonsense\nUsage: pontelix render"},
      {"render", "--language=en k.pxg", 2, "pontelix render: the output is missing (-o FILE)\n"},
      {"render", "--language=en -o x.png", 2, "pontelix render: the script is missing\n"},
      {"render", "--language=en k.pxg -o x.gif", 2, "pontelix render: unknown output extension: x.gif (use"},
      {"check", "--language=en --cells=many k.pxg", 2, "pontelix check: --cells needs a number: many\n"},
      {"check", "--language=en --landscape k.pxg", 2, "pontelix check: check checks a script:"},
      {"check", "--language=pt k.pxg --test-drawing", 2, "pontelix check: check confere um roteiro:"},
  };
  for (const auto& c : cases) {
    const ProcessResult run = render(c.args, "", {}, c.command);
    EXPECT_EQ(run.status, c.status) << c.args;
    EXPECT_EQ(run.err.substr(0, std::string(c.start).size()), c.start) << c.args;
  }
  EXPECT_NE(render("--language=en --help").out.find("SCRIPT    command file (.pxg)"), std::string::npos);
}

TEST_F(RenderCommand, ExamplesRender) {
  const fs::path examples = fs::path(PONTELIX_SOURCE_DIR) / "examples";
  int count = 0;
  for (const auto& entry : fs::directory_iterator(examples)) {
    if (entry.path().extension() != ".pxg") continue;
    ++count;
    const std::string name = entry.path().stem();
    for (const std::string ext : {".png", ".brf", ".txt", ".pef"}) {
      const fs::path out = dir_ / (name + ext);
      const ProcessResult run = render("'" + entry.path().string() + "' -o '" + out.string() + "'", "", examples);
      EXPECT_EQ(run.status, 0) << name << ext << ": " << run.err;
      EXPECT_EQ(run.err, "") << name << ext;
    }
    const std::string stream = read(dir_ / (name + ".brf"));
    const std::string page = read(dir_ / (name + ".txt"));
    EXPECT_GT(stream.size(), kEmptyStream.size()) << name;
    EXPECT_EQ(std::count(page.begin(), page.end(), '\n'), 44) << name;
    EXPECT_TRUE(sameDots(streamDots(stream), pageTextDots(page))) << name;
    // The standard page is the graphics page it always was, byte for byte.
    EXPECT_EQ(stream, read(kGolden / (name + ".brf"))) << name;
    EXPECT_TRUE(sameDots(streamDots(stream), pefDots(dir_ / (name + ".pef")))) << name;
  }
  EXPECT_GE(count, 4);
  ASSERT_EQ(render("--test-drawing -o t.brf").status, 0);
  EXPECT_EQ(read(dir_ / "t.brf"), read(kGolden / "desenho-de-teste.brf"));
}

// A page of 40 cells by 25 lines in mode texto: an 80 x 75 sheet, plain BRF lines that
// hold the cells ImageMagick's own BRF writer reads off the same bitmap.
TEST_F(RenderCommand, TextoPageIsPlainBrfWithTheCellsOfTheBitmap) {
  const std::string parabola = fs::path(PONTELIX_SOURCE_DIR) / "examples" / "parabola.pxg";
  const std::string page = "--cells=40 --lines=25 --braille-mode=texto '" + parabola + "'";
  ASSERT_EQ(render(page + " -o c.brf").status, 0);
  ASSERT_EQ(render("--mode=embosser " + page + " -o c.bmp").status, 0);
  int width = 0, height = 0;
  decodeBmp(read(dir_ / "c.bmp"), width, height);
  EXPECT_EQ(width, 80);
  EXPECT_EQ(height, 75);

  const std::string stream = read(dir_ / "c.brf");
  const DotLines dots = streamDots(stream);
  ASSERT_FALSE(dots.empty()) << "not a plain BRF page";
  EXPECT_LE(dots.size(), 25u);
  for (const auto& line : dots) EXPECT_LE(line.size(), 40u);

  ASSERT_EQ(std::system(("/usr/bin/convert '" + (dir_ / "c.bmp").string() + "' 'BRF:" + (dir_ / "im.brf").string() + "'").c_str()), 0);
  std::string theirs = read(dir_ / "im.brf");
  theirs.erase(0, theirs.find("\n\n") + 2);  // "Width: 80", "Height: 75" and a blank line
  EXPECT_TRUE(sameDots(dots, streamDots(theirs + kEmbosserPageEnd)));
}

// pontelix check: the findings and the summary on standard output; the status says
// whether there were findings; a usage error writes nothing there.
TEST_F(RenderCommand, CheckWritesTheFindingsAndTheStatusSaysWhetherAny) {
  const ProcessResult clean = render("-", "CI 0 0 5\n", {}, "check");
  EXPECT_EQ(clean.status, 0) << clean.err;
  EXPECT_EQ(clean.out, "1 linha desenhou; o desenho ocupa as fileiras 15 a 30, celas 25 a 41, de uma p\xc3\xa1gina de 44 "
                       "fileiras por 66 celas.\n");
  const ProcessResult found = render("--embosser-page=A4 -", "CI 0 0 5\nCI 0 0 30\n", {}, "check");
  EXPECT_EQ(found.status, 1) << found.err;
  EXPECT_EQ(found.out.substr(0, found.out.find('\n')), "Linha 1: o c\xc3\xadrculo fica todo fora da p\xc3\xa1gina: CI 0 0 30");
  EXPECT_NE(found.out.find("de uma p\xc3\xa1gina de 28 fileiras por 32 celas."), std::string::npos) << found.out;
  const ProcessResult usage = render("--test-drawing", "", {}, "check");
  EXPECT_EQ(usage.status, 2);
  EXPECT_EQ(usage.out, "");
}

// A data file is found beside its script, from any folder.
TEST_F(RenderCommand, DataFilesAreFoundBesideTheScript) {
  fs::create_directories(dir_ / "sub");
  write("sub/d.pxg", "LD d.dat\nPO *\n");
  write("sub/d.dat", "0 0\n1.5 2\n3,5 -1\n");
  const ProcessResult run = render("sub/d.pxg -o d.png");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
}

// An output that is an input of the run (the script, a data file it reads, the project
// or a project still to be made) is refused before anything is written, and so is one
// behind another user's link in a shared folder.
TEST_F(RenderCommand, AnOutputThatIsAnInputOrAnothersLinkIsRefused) {
  write("draw.txt", "LD pts.txt\nPO *\n");
  write("pts.txt", "0 0\n1 2\n");
  write("p.pxg", "PT 1 1\n");
  write("victim.conf", "secret");
  fs::create_directories(dir_ / "tmp");
  fs::permissions(dir_ / "tmp", fs::perms::all | fs::perms::sticky_bit);
  fs::create_symlink(dir_ / "victim.conf", dir_ / "tmp/out.png");
  const bool root = ::geteuid() == 0 && ::lchown((dir_ / "tmp/out.png").c_str(), 65534, 65534) == 0;
  const struct {
    const char *command, *args, *why;
  } cases[] = {{"render", "draw.txt -o draw.txt", "render: a saída draw.txt é o próprio roteiro; nada"},
               {"render", "draw.txt -o ./pts.txt", "a saída ./pts.txt é o arquivo de dados pts.txt, lido pelo LD"},
               {"--ui=headless --speech=none --transcript=p.pxg", "p", "--transcript=p.pxg é o próprio projeto"},
               {"--ui=headless --speech=none --screen=./n.pxg", "n.pxg", "--screen=./n.pxg é o próprio projeto"},
               {"render", "p.pxg -o tmp/out.png", "o link simbólico tmp/out.png é de nobody, numa pasta em que todos"}};
  const auto before = files();
  for (const auto& c : cases) {
    if (std::string(c.why).starts_with("o link") && !root) continue;
    const ProcessResult run = render(c.args, "", {}, c.command);
    EXPECT_EQ(run.status, 2) << c.args;
    EXPECT_NE(run.err.find(c.why), std::string::npos) << run.err;
    EXPECT_EQ(read(dir_ / "draw.txt") + read(dir_ / "pts.txt") + read(dir_ / "p.pxg") + read(dir_ / "victim.conf"),
              "LD pts.txt\nPO *\n0 0\n1 2\nPT 1 1\nsecret");
    EXPECT_EQ(files(), before);
  }
}

// Tramel.ini chooses the page; the command line wins over it.
TEST_F(RenderCommand, TheConfiguredPageAndTheCommandLinesOwn) {
  fs::create_directories(dir_ / "tramel");
  write("tramel/Tramel.ini", "[PONTELIX]\r\nPAGBRAILLE=a4\r\n");
  write("l.pxg", "TB 0 0 abc\n");
  setenv("XDG_CONFIG_HOME", dir_.c_str(), 1);
  const ProcessResult a4 = render("l.pxg -o a4.txt");
  const ProcessResult standard = render("--embosser-page=padrao l.pxg -o p.txt");
  unsetenv("XDG_CONFIG_HOME");
  ASSERT_EQ(a4.status, 0) << a4.err;
  ASSERT_EQ(standard.status, 0) << standard.err;
  const DotLines a4Dots = pageTextDots(read(dir_ / "a4.txt"));
  EXPECT_EQ(a4Dots.size(), 28u);
  const std::vector<unsigned> abc = {1, 3, 9};  // the label's cells, one embossed cell each
  EXPECT_EQ(std::count_if(a4Dots.begin(), a4Dots.end(), [&](const auto& line) {
              return std::search(line.begin(), line.end(), abc.begin(), abc.end()) != line.end();
            }), 1);
  EXPECT_EQ(pageTextDots(read(dir_ / "p.txt")).size(), 44u);
}

// Tramel.ini's page is read whole or not at all, a bad key said with status 1, as is a
// Tramel.ini that can't be read; Personalizada on the command line is the file's own page.
TEST_F(RenderCommand, TheConfiguredPageIsReadWholeOrSaidAndReplaced) {
  const std::string bad = " n\xc3\xa3o vale; a p\xc3\xa1gina \xc3\xa9 a Padr\xc3\xa3o.\n", standard = "44 fileiras por 66";
  const struct { std::string ini, args; int status; std::string page, err; } cases[] = {
      {"PAGBRAILLE=A4\nCELAS=50\nLINHAS=50\n", "--embosser-page=Personalizada", 0, "50 fileiras por 50", ""},
      {"PAGBRAILLE=Personalizada\nCELAS=1e308\nLINHAS=20\n", "", 1, standard, "CELAS=1e308" + bad},
      {"PAGBRAILLE=B5\n", "", 1, standard, "PAGBRAILLE=B5" + bad},
      {"PAGBRAILLE=A4\nCELAS=abc\n", "", 0, "28 fileiras por 32", ""},
  };
  setenv("XDG_CONFIG_HOME", dir_.c_str(), 1);
  fs::create_directories(dir_ / "tramel");
  for (const auto& c : cases) {
    write("tramel/Tramel.ini", "[PONTELIX]\n" + c.ini);
    const ProcessResult run = render(c.args + " -", "CI 0 0 5\n", {}, "check");
    EXPECT_EQ(run.status, c.status) << c.ini;
    EXPECT_NE(run.out.find(c.page), std::string::npos) << c.ini << run.out;
    EXPECT_EQ(run.err, c.err) << c.ini;
  }
  fs::remove(dir_ / "tramel/Tramel.ini");
  fs::create_directories(dir_ / "tramel/Tramel.ini");
  const int unread = render("-", "CI 0 0 5\n", {}, "check").status;
  unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(unread, 1);
}

TEST_F(RenderCommand, PdfIsTheA4InkPageAt300Dots) {
  write("p.pxg", "CI 0 0 5\nCC 1 1 2\nRT -10 -10 10 10\n");
  ASSERT_EQ(render("p.pxg -o p.pdf").status, 0);
  const PdfPage page = pdfPage((dir_ / "p.pdf").string());
  EXPECT_EQ(page.pages, 1);
  EXPECT_NEAR(page.width, 595.28, 0.01);
  EXPECT_NEAR(page.height, 841.89, 0.01);
  const std::vector<PdfImage> images = pdfImages((dir_ / "p.pdf").string());
  ASSERT_EQ(images.size(), 1u);
  EXPECT_EQ(images[0].width, 2480);
  EXPECT_EQ(images[0].height, 2480);
  EXPECT_EQ(images[0].xPpi, 300);
  EXPECT_EQ(images[0].yPpi, 300);

  // Landscape turns the page; a side of one's own changes the resolution, not the paper.
  ASSERT_EQ(render("--landscape --size=1240 --mode=ink p.pxg -o l.PDF").status, 0);
  const PdfPage turned = pdfPage((dir_ / "l.PDF").string());
  EXPECT_NEAR(turned.width, 841.89, 0.01);
  EXPECT_NEAR(turned.height, 595.28, 0.01);
  const std::vector<PdfImage> coarse = pdfImages((dir_ / "l.PDF").string());
  ASSERT_EQ(coarse.size(), 1u);
  EXPECT_EQ(coarse[0].width, 1240);
  EXPECT_EQ(coarse[0].xPpi, 150);
}

}  // namespace
