// Inputs that never end, or are far larger than any drawing, named as the script or as
// its data file: a refusal with its reason in Portuguese, or a run that ends, never a
// hang, and memory that does not grow with the input.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <fstream>
#include <string>

#include "sanitized_build.h"
#include "shell/render_process.h"

namespace {

// The largest resident size of any program this test has waited for, in bytes.
long long largestChildBytes() {
  rusage usage{};
  ::getrusage(RUSAGE_CHILDREN, &usage);
  return usage.ru_maxrss * 1024LL;
}

TEST_F(RenderCommand, PipesDevicesAndHugeScriptsAreRefusedWithTheirReason) {
  ASSERT_EQ(::mkfifo((dir_ / "fila").c_str(), 0600), 0);
  fs::create_symlink("/dev/zero", dir_ / "zero");
  write("ld-fila.pxg", "LD fila\nPO *\n");
  write("ld-zero.pxg", "LD zero\nPO *\n");
  // A line longer than any command: a line error, shown cut.
  write("linha.pxg", "CI 0 0 5\nTB 0 0 " + std::string(70000, 'b') + "\n");
  {
    // Written in pieces: the forked programs start as copies of this one, and count its size.
    std::ofstream longLine(dir_ / "longa.pxg", std::ios::binary);
    longLine << "TB 0 0 ";
    for (int i = 0; i < 50; ++i) longLine << std::string(1 << 20, 'a');
  }
  const struct {
    const char* script;
    int status;
    std::string error;
  } cases[] = {
      {"fila", 2, "pontelix render: n\xc3\xa3o foi poss\xc3\xadvel ler fila: n\xc3\xa3o \xc3\xa9 um arquivo comum\n"},
      {"zero", 2, "pontelix render: n\xc3\xa3o foi poss\xc3\xadvel ler zero: n\xc3\xa3o \xc3\xa9 um arquivo comum\n"},
      {"longa.pxg", 2, "pontelix render: n\xc3\xa3o foi poss\xc3\xadvel ler longa.pxg: arquivo grande demais\n"},
      {"ld-fila.pxg", 1, "Arquivo n\xc3\xa3o pode ser lido: fila"},
      {"ld-zero.pxg", 1, "Arquivo n\xc3\xa3o pode ser lido: zero"},
      {"linha.pxg", 1, "Erro na linha 1: TB 0 0 " + std::string(293, 'b') + "...\n"},
  };
  for (const auto& c : cases) {
    const ProcessResult run = render(std::string(c.script) + " -o a.png");
    EXPECT_EQ(run.status, c.status) << c.script;
    EXPECT_NE(run.err.find(c.error), std::string::npos) << c.script << ": " << run.err;
  }
  // Refused before it is read.
  if (!kSanitizedBuild) {
    EXPECT_LT(largestChildBytes(), 50 << 20);
  }
}

// Ten million lines: the first ones fill the data points, every later one is counted, and
// the reader holds one line at a time.
TEST_F(RenderCommand, ADataFileOfTenMillionLinesEndsInBoundedMemory) {
  {
    std::ofstream data(dir_ / "d.txt", std::ios::binary);
    const std::string block = [] {
      std::string b;
      for (int i = 0; i < 1000; ++i) b += "10 20\n";
      return b;
    }();
    for (int i = 0; i < 10000; ++i) data << block;
  }
  write("s.pxg", "LD d.txt\nPO *\n");
  const ProcessResult run = render("s.pxg -o a.png");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("Erro no dado em mais 9998970 linhas"), std::string::npos) << run.err.substr(0, 400);
  if (!kSanitizedBuild) {
    EXPECT_LT(largestChildBytes(), static_cast<long long>(fs::file_size(dir_ / "d.txt")));
  }
}

// The check keeps a few counts a line, not the line's dots: two hundred grids that each
// ink the whole sheet check in the memory of one. Where memory runs out all the same, the
// command says so and ends with status 2, never with an abort.
TEST_F(RenderCommand, TheChecksMemoryFollowsThePageAndRunningOutIsSaid) {
  std::string grids;
  for (int i = 0; i < 200; ++i) grids += "GR -60 -45 60 45 0,01 0,01\n";
  write("g.pxg", grids);
  const ProcessResult check = render("--cells=100 --lines=100 g.pxg", "", {}, "check");
  EXPECT_EQ(check.status, 1);
  EXPECT_NE(check.out.find("200 linhas desenharam"), std::string::npos) << check.out.substr(0, 400);
  // Two grids a dot apart over the whole page: found at once, and said once.
  write("v.pxg", "DM 0 200 0 300\nGR -150 -150 350 450 2 1\nGR -149 -150 351 450 2 1\n");
  const ProcessResult apart = render("--cells=100 --lines=100 v.pxg", "", {}, "check");
  EXPECT_NE(apart.out.find("Linha 1: encosta na linha 2 (GR -149 -150 351 450 2 1) sem cruzar"), std::string::npos)
      << apart.out;
  // A sanitizer's shadow memory is larger than any limit below.
  if (kSanitizedBuild) return;
  EXPECT_LT(largestChildBytes(), 64 << 20);
  {
    std::ofstream many(dir_ / "ct.pxg", std::ios::binary);
    std::string lines;
    for (int i = 0; i < 1000; ++i) lines += "CT\n";
    for (int i = 0; i < 1000; ++i) many << lines;  // a million lines, the most a script has
  }
  // A script with no room to be read, and a check whose million findings have none.
  {
    std::ofstream labels(dir_ / "tb.pxg", std::ios::binary);
    for (int i = 0; i < 1000000; ++i) labels << "TB 0 0 x\n";
  }
  const struct {
    const char* run;
    const char* err;
  } starved[] = {
      {"ulimit -v 30000 && '" PONTELIX_EXE "' render ct.pxg -o ct.png",
       "pontelix render: n\xc3\xa3o foi poss\xc3\xadvel ler ct.pxg: mem\xc3\xb3ria insuficiente\n"},
      {"ulimit -v 100000 && '" PONTELIX_EXE "' check tb.pxg >/dev/null",
       "pontelix check: Mem\xc3\xb3ria insuficiente para terminar.\n"},
  };
  for (const auto& s : starved) {
    const int raw = std::system(("cd '" + dir_.string() + "' && " + s.run + " 2>err.txt").c_str());
    ASSERT_TRUE(WIFEXITED(raw)) << s.run;
    EXPECT_EQ(WEXITSTATUS(raw), 2) << s.run;
    EXPECT_EQ(read(dir_ / "err.txt"), s.err);
  }
  EXPECT_FALSE(fs::exists(dir_ / "ct.png"));

  // In the talking program, the editor of a million lines runs out; the line the builder
  // added before stays, the end still asks about it, and S saves it.
  write("keys.txt", "Ppt<Enter>1 1<Enter><Esc>E<Esc>SNSS<Esc>S");
  const std::string talking = "cd '" + dir_.string() + "' && ulimit -v 130000 && '" PONTELIX_EXE
                              "' --ui=headless --speech=none --keys=keys.txt --transcript=t.txt ct.pxg";
  ASSERT_EQ(std::system(talking.c_str()), 0);
  const std::string heard = read(dir_ / "t.txt");
  for (const char* said : {"Mem\xc3\xb3ria insuficiente; parou: E - editar os comandos para graficar.",
                           "Os comandos continuam na mem\xc3\xb3ria.", "O projeto ainda n\xc3\xa3o foi salvo.",
                           "Arquivo salvo."})
    EXPECT_NE(heard.find(std::string("say: ") + said), std::string::npos) << said;
  EXPECT_TRUE(read(dir_ / "ct.pxg").ends_with("CT\r\nPT 1 1\r\n"));
}

}  // namespace
