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

}  // namespace
