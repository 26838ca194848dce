// V with a braille display, through the real program headless: the display it simulates
// (--braille-display) records every write, and the transcript what was said.
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "shell/program_run.h"

namespace {

const std::string kBlank = "\xE2\xA0\x80";  // U+2800
const std::string kDot1 = "\xE2\xA0\x81";

std::string cells(int blanksBefore, const std::string& cell = "", int blanksAfter = 0) {
  std::string row;
  for (int i = 0; i < blanksBefore; ++i) row += kBlank;
  row += cell;
  for (int i = 0; i < blanksAfter; ++i) row += kBlank;
  return row;
}

class BrailleViewRun : public ProgramRun {
 protected:
  void SetUp() override { options_ = "--braille-display=linha.txt --picture=shown.png"; }
  std::vector<std::string> displayed() const {
    std::vector<std::string> rows;
    std::istringstream in(readBytes(dir_.file("linha.txt")));
    for (std::string row; std::getline(in, row);) rows.push_back(row);
    return rows;
  }
};

// The display's window follows the cursor: its line keys (Ctrl+Up, Ctrl+Down) move a
// line, its panning (Ctrl+PgUp, Ctrl+PgDn) a display's width; each such move says the
// cell, every move clicks off a dot or sounds on one, and the edge beeps.
TEST_F(BrailleViewRun, TheWindowFollowsTheCursorSaysWhereItIsAndBeepsAtTheEdges) {
  writeBytes(dir_.file("p.pxg"), "PT 0 0\r\n");
  ASSERT_EQ(run("V<Ctrl+Home><PgDn><Ctrl+PgDn><Ctrl+PgDn><Ctrl+Up><Esc>", "p.pxg"), 0);
  const std::vector<std::string> expected = {
      cells(40),            // line 1 as the view starts
      cells(33, kDot1, 6),  // PgDn: line 23, on the point's dot
      cells(40),            // Ctrl+PgDn: cells 41 to 66, and blanks past the page
      cells(40),            // Ctrl+PgDn at the last dot column beeps; Ctrl+Up: line 22
  };
  EXPECT_EQ(displayed(), expected);
  EXPECT_TRUE(heardInOrder({"spell: V", "say: Fileira 1 de 44, coluna 1", "beep", "say: Fileira 23 de 44, coluna 34",
                            "tone: 765", "say: Fileira 23 de 44, coluna 66", "click", "beep",
                            "say: Fileira 22 de 44, coluna 66", "click", "say: Pontelix - Que deseja? "}))
      << transcriptText();
  // The picture is still shown for a sighted helper, and Esc did not reach the menu.
  EXPECT_FALSE(readBytes(dir_.file("shown.png")).empty());
  EXPECT_EQ(timesSaid("Confirma o fim do pontelix? "), 0);
}

// The dot cursor by ear, from the page's top-left dot: Space says where it is and which
// line made the dot (what it draws, in words), T sweeps the figure, a move off the dot clicks and back on it sounds.
TEST_F(BrailleViewRun, TheCursorSoundsOnDotsAndSpaceSaysTheLineThatMadeThem) {
  writeBytes(dir_.file("p.pxg"), "; um ponto\r\nPT -20 15\r\n");
  ASSERT_EQ(run("V tx<Right> <Left><Esc>", "p.pxg"), 0);
  EXPECT_TRUE(heardInOrder({"spell: V", "say: Setas exploram a página ponto a ponto, Control com setas cela a cela; "
                            "Espaço diz o ponto, T percorre a figura, Esc sai.",
                            "say: 1 linha desenhou; o desenho ocupa as fileiras 1 a 1, celas 1 a 1, de uma página de 44 "
                            "fileiras por 66 celas.",
                            "say: Fileira 1 de 44, coluna 1", "say: x -20; y 15. Linha 1: ponto (-20; 15)", "tone: 1320",
                            "say: Pontelix - Que deseja? "}))
      << transcriptText();
  // x is no exploring key: it left the view, and the rest reached the menu.
  EXPECT_EQ(timesSaid("Op\xc3\xa7\xc3\xa3o inv\xc3\xa1lida"), 3);

  // T off the dot says so.
  ASSERT_EQ(run("V<Right>t<Esc>", "p.pxg"), 0);
  EXPECT_EQ(timesSaid("vazio"), 1) << transcriptText();
}

TEST_F(BrailleViewRun, ALineErrorIsReportedOnceAndTheTestDrawingIsShownToo) {
  writeBytes(dir_.file("p.pxg"), "XX 1\r\n");
  ASSERT_EQ(run("V <F1><Ctrl+V><Ctrl+End>x", "p.pxg"), 0);
  EXPECT_EQ(timesSaid("Erro na linha "), 1);
  const std::vector<std::string> rows = displayed();
  ASSERT_EQ(rows.size(), 3u);  // the blank page, then the test drawing's first and last lines
  EXPECT_EQ(rows[0], cells(40));
  EXPECT_NE(rows[1], cells(40));
  EXPECT_TRUE(heardInOrder({"say: Fileira 1 de 44, coluna 1", "say: Fileira 44 de 44, coluna 1"}));
  EXPECT_EQ(timesSaid("Opção inválida"), 0);  // F1 and x ended the views
}

}  // namespace
