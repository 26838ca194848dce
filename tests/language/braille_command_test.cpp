// The "pontelix braille" command, run as the real program.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

#include "language/braille_command.h"
#include "scratch.h"

namespace {

struct Output {
  std::string out;
  int status = -1;
};

// Runs the program through the shell; `stdinText` is fed from a file when given, in a
// folder of this run's own: the suite runs these tests side by side.
Output runPontelix(const std::string& args, const std::string* stdinText = nullptr, bool withErrors = false) {
  std::string command = std::string(PONTELIX_EXE) + " " + args;
  const ScratchDir dir;
  if (stdinText) {
    const std::string input = dir.file("stdin.txt");
    writeBytes(input, *stdinText);
    command += " < '" + input + "'";
  } else {
    command += " < /dev/null";
  }
  command += withErrors ? " 2>&1" : " 2>/dev/null";
  Output run;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;
  std::array<char, 4096> buffer;
  size_t n;
  while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) run.out.append(buffer.data(), n);
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

TEST(BrailleCommand, DotsFormat) {
  const Output run = runPontelix("braille --format=dots Casa 12");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "46 14 1 234 1 0 3456 1 12\n");
}

TEST(BrailleCommand, AsciiFormatGivesDeviceCharacters) {
  // ç (1-2-3-4-6) prints as "&", the capital sign (4-6) as ".", "ã" (3-4-5) as ">".
  const Output run = runPontelix("braille --format=ascii 'Maçã'");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, ".ma&>\n");
}

TEST(BrailleCommand, UnicodeIsTheDefault) {
  const Output run = runPontelix("braille 'é 2'");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "\u283F\u2800\u283C\u2803\n");
}

TEST(BrailleCommand, ACharacterWithoutACellIsToldWithItsLine) {
  const std::string input = "a\nπ ≤\n";
  const Output run = runPontelix("braille --format=dots", &input, true);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "pontelix braille: Linha 2: o caractere π não tem cela Braille; a cela de \"?\" ficou no lugar "
                     "dele.\n1\n26 0 26\n");
}

TEST(BrailleCommand, EachInputLineIsOneOutputLine) {
  const std::string input = "Sol\r\n\n3.14\nna\xC3\xAFve \xE2\x82\xAC \xE2\x88\x9A\n";
  const Output run = runPontelix("braille --format dots", &input);
  EXPECT_EQ(run.status, 0);
  // The empty line stays an empty line; "√" is outside Windows-1252 and becomes "?".
  EXPECT_EQ(run.out,
            "46 234 135 123\n"
            "\n"
            "3456 14 3 3456 1 145\n"
            "1345 1 12456 1236 15 0 4 15 0 26\n");
}

TEST(BrailleCommand, LinesAcrossReadBlocksComeOutWhole) {
  // Lines of changing lengths put the block boundaries inside lines, inside CR LF pairs
  // and inside two-byte letters; the last line is longer than a block and has no end.
  std::string input, expected;
  for (int i = 0; i < 30000; ++i) {
    const std::string tail(i % 7, 'a');
    input += "Ma\xC3\xA7\xC3\xA3" + tail + (i % 2 ? "\r\n" : "\n");
    expected += ".ma&>" + tail + "\n";
  }
  const std::string longLine(200000, 'b');
  input += longLine;
  expected += longLine + "\n";
  const Output run = runPontelix("braille --format=ascii", &input);
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(run.out == expected) << run.out.size() << " bytes instead of " << expected.size();
}

TEST(BrailleCommand, UnreadableInputIsAnError) {
  const std::string command = std::string(PONTELIX_EXE) + " braille < / >/dev/null 2>/dev/null";
  const int status = std::system(command.c_str());
  EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 1);
}

TEST(BrailleCommand, BadUsageIsRefused) {
  EXPECT_EQ(runPontelix("braille --format=braille x").status, 2);
  EXPECT_EQ(runPontelix("braille --format").status, 2);
  EXPECT_EQ(runPontelix("braille --cor x").status, 2);
  const Output dashes = runPontelix("braille --format=ascii -- --x");
  EXPECT_EQ(dashes.status, 0);
  EXPECT_EQ(dashes.out, "--x\n");
}

TEST(BrailleFormat, FormatsOfTheBlankAndFullCells) {
  EXPECT_EQ(formatBraille(" \xE9", BrailleFormat::Dots), "0 123456");
  EXPECT_EQ(formatBraille(" \xE9", BrailleFormat::Ascii), " =");
  EXPECT_EQ(formatBraille(" \xE9", BrailleFormat::Unicode), "\u2800\u283F");
  EXPECT_EQ(formatBraille("", BrailleFormat::Dots), "");
}

// --code on `braille` and on the drawing commands, where the script has no CB: our
// Portuguese code writes ß, the Spanish table does not; an unknown code is a usage error.
TEST(BrailleCommand, TheCodeOptionChoosesTheCodeOrIsRefused) {
  const std::string script = "TB -15 10 a\u00DFb\n";
  EXPECT_EQ(runPontelix("check -", &script).out.find("\u00DF"), std::string::npos);
  EXPECT_NE(runPontelix("check --code=es-g1 -", &script).out.find("o caractere \u00DF, que não tem braille no código es-g1"), std::string::npos);
  for (const char* command : {"braille", "check"}) {
    const Output unknown = runPontelix(std::string(command) + " --code=xx-nada -", &script, true);
    EXPECT_EQ(unknown.status, 2) << command;
    EXPECT_NE(unknown.out.find(std::string("pontelix ") + command + ": código braille desconhecido: xx-nada;"), std::string::npos) << unknown.out;
  }
}

}  // namespace
