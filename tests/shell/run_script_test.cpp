// scripts/run.sh builds through scripts/ninja-progress.awk: a listener hears that a
// long first build goes on, a tenth at a time, and nothing when all is up to date.
#include <gtest/gtest.h>

#include <string>

#include "scratch.h"

namespace {

// What the filter makes of the given build output.
std::string heardFrom(const std::string& buildOutput) {
  ScratchDir dir;
  writeBytes(dir.file("in"), buildOutput);
  const std::string command = "awk -f '" PONTELIX_SOURCE_DIR "/scripts/ninja-progress.awk' <'" + dir.file("in") +
                              "' >'" + dir.file("out") + "'";
  EXPECT_EQ(std::system(command.c_str()), 0);
  return readBytes(dir.file("out"));
}

std::string steps(int total) {
  std::string out = "[0/2] Re-checking globbed directories...\n";
  for (int i = 1; i <= total; ++i) {
    out += "[" + std::to_string(i) + "/" + std::to_string(total) + "] Building CXX object src/x" + std::to_string(i) +
           ".o\n";
    if (i == 3) out += "../src/x.cpp:1:1: warning: something the listener need not hear\n";
  }
  return out;
}

}  // namespace

TEST(RunScript, AnUpToDateBuildSaysNothing) {
  EXPECT_EQ(heardFrom("[0/2] Re-checking globbed directories...\nninja: no work to do.\n"), "");
  EXPECT_EQ(heardFrom(""), "");
}

TEST(RunScript, ALongBuildIsToldATenthAtATime) {
  std::string expected = "Pontelix: compilando (179 etapas; isso leva alguns minutos)...\n";
  for (int tenth = 10; tenth <= 100; tenth += 10) expected += "Compilando: " + std::to_string(tenth) + "%\n";
  EXPECT_EQ(heardFrom(steps(179)), expected);
}

TEST(RunScript, AShortRebuildIsOneLine) {
  EXPECT_EQ(heardFrom(steps(12)), "Pontelix: compilando (12 etapas)...\n");
}
