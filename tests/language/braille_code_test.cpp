// Braille codes through liblouis, checked cell for cell against liblouis's own program.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

#include "language/braille_code.h"
#include "scratch.h"

namespace {

// Standard output of a shell command fed `input` on standard input; empty when it fails.
std::string outputOf(const std::string& command, const std::string& input) {
  const ScratchDir dir;
  const std::string in = dir.file("in.txt");
  writeBytes(in, input);
  FILE* pipe = popen((command + " < '" + in + "' 2>&1").c_str(), "r");
  if (!pipe) return {};
  std::string out;
  std::array<char, 4096> buffer;
  for (size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;) out.append(buffer.data(), n);
  return pclose(pipe) == 0 ? out : "failed: " + out;
}

const char* const kTexts =
    "hello world\n"
    "Capital Letters and ALL CAPS\n"
    "0123456789 and 3.14, 1/2\n"
    "Punctuation: yes; no! why? (maybe) \"quoted\" - end.\n"
    "a1 b2 x3y 25kg\n";

// `braille --code` gives liblouis's cells line for line, and so does a label drawn on an
// embosser page of whole cells (a label without blanks, read off the page's blank cells).
TEST(BrailleCode, CellsAgreeWithLiblouisOwnProgram) {
  if (std::system("command -v lou_translate > /dev/null") != 0) GTEST_SKIP() << "lou_translate is not installed";
  const std::string label = "Bob's-12kg,3.5!";
  const ScratchDir dir;
  for (const char* code : {"en-ueb-g1", "en-ueb-g2", "es-g1", "de-g0"}) {
    const std::string theirs = "lou_translate --forward unicode.dis," + findBrailleCode(code).value_or(BrailleCode{}).table;
    EXPECT_EQ(outputOf(std::string(PONTELIX_EXE) + " braille --code=" + code, kTexts), outputOf(theirs, kTexts)) << code;
    writeBytes(dir.file("label.pxg"), std::string("CB ") + code + "\nTB -19 0 " + label + "\n");
    outputOf(std::string(PONTELIX_EXE) + " render --braille-mode=texto " + dir.file("label.pxg") + " -o " + dir.file("page.txt"), "");
    std::string page = readBytes(dir.file("page.txt"));
    for (size_t blank; (blank = page.find("\u2800")) != std::string::npos;) page.erase(blank, 3);
    std::erase(page, '\n');
    EXPECT_EQ(page + "\n", outputOf(theirs, label + "\n")) << code;
  }
}

TEST(BrailleCode, NamesAreFoundOrRefusedWithTheirReason) {
  const struct {
    const char* name;
    bool found;
    const char* table;
  } cases[] = {
      {"pt-br", true, ""},          {"EN-UEB-G2", true, "en-ueb-g2.ctb"}, {"de-g0.utb", true, "de-g0.utb"},
      {"it", true, "it-it-comp6.utb"}, {"", false, ""},                  {"xx-nada", false, ""},
      {"../../etc/passwd", false, ""}, {"en-ueb-g1.ctb,de-g0.utb", false, ""},
  };
  for (const auto& c : cases) {
    BrailleCodeProblem problem;
    const std::optional<BrailleCode> code = findBrailleCode(c.name, &problem);
    EXPECT_EQ(code.has_value(), c.found) << c.name;
    EXPECT_EQ(problem, c.found ? BrailleCodeProblem::None : BrailleCodeProblem::Unknown) << c.name;
    EXPECT_EQ(code.value_or(BrailleCode{}).table, c.table) << c.name;
  }
}

TEST(BrailleCode, WhatATableCannotWriteIsLeftOutAndTold) {
  const std::optional<BrailleCode> spanish = findBrailleCode("es-g1");
  ASSERT_TRUE(spanish);
  // The minus sign and the en dash, which the Spanish table lacks, are written as hyphens.
  EXPECT_EQ(translateBraille(*spanish, "3\u22122 a\u2013b").cells, translateBraille(*spanish, "3-2 a-b").cells);
  const BrailleText smiling = translateBraille(*spanish, "a\u263Ab");
  EXPECT_EQ(smiling.withoutCell, U'\u263A');
  EXPECT_EQ(smiling.cells, translateBraille(*spanish, "ab").cells);
  EXPECT_EQ(translateBraille(*spanish, "ab").withoutCell, 0u);
  // A NUL, which liblouis would take for the end of the text, is a blank like any control.
  EXPECT_EQ(translateBraille(*spanish, std::string("a\0b", 3)).cells, translateBraille(*spanish, "a b").cells);
}

}  // namespace
