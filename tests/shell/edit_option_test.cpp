// Option E through the real program: the paragraph editor on the project's command lines.
#include <gtest/gtest.h>

#include "shell/program_run.h"

namespace {

using EditOption = ProgramRun;

const std::string kNotSaved = "O projeto ainda não foi salvo.";

std::string longCommand() {
  std::string line = "PO";
  for (int i = 0; line.size() < 196; ++i) line += " " + std::to_string(i % 10) + ",5";
  return line.substr(0, 200);
}

TEST_F(EditOption, EditsTheLinesInPlaceAndTheChangeMustBeSaved) {
  writeBytes(dir_.file("a.pxg"), "PT 1 2\r\n" + longCommand() + "\r\nCI 0 0 5\r\n");
  EXPECT_EQ(run("E<Ctrl+PgDn><End> 1<Enter>RT 0 0 1 1<Esc>s<Esc>sn<Esc>s", "a.pxg"), 0);
  EXPECT_TRUE(heardInOrder({"say: Editando: digite os comandos", "say: Editando, F9 ajuda", "say: PT 1 2",
                            "click", "say: CI 0 0 5", "say: Nova linha", "say: Confirma fim da edição? ",
                            "say: Confirma o fim do pontelix? ", "say: " + kNotSaved, "say: Cancelado"}));
  // The editor wrote nothing; S does, the long line whole.
  EXPECT_EQ(readBytes(dir_.file("a.pxg")), "PT 1 2\r\n" + longCommand() + "\r\nCI 0 0 5\r\n");
  EXPECT_EQ(run("E<Ctrl+PgDn><End> 1<Enter>RT 0 0 1 1<Esc>sSs<Esc>s", "a.pxg"), 0);
  EXPECT_EQ(readBytes(dir_.file("a.pxg")),
            "PT 1 2\r\n" + longCommand() + "\r\nCI 0 0 5 1\r\nRT 0 0 1 1\r\n");
  EXPECT_EQ(timesSaid(kNotSaved), 0);
  // Only looking changes nothing, so leaving asks once.
  EXPECT_EQ(run("E<Down><Down><Ctrl+Down><Esc>s<Esc>s", "a.pxg"), 0);
  EXPECT_EQ(timesSaid(kNotSaved), 0);
  EXPECT_EQ(timesSaid("Fim de leitura"), 1);
}

TEST_F(EditOption, TheWindowStandsBelowThePromptAndAnEmptyProjectIsOneLine) {
  EXPECT_EQ(run("E", "novo"), 0);
  const std::string shown = screen();
  EXPECT_NE(shown.find("Que deseja? E\nEditando: digite os comandos\n\n"), std::string::npos) << shown;
  EXPECT_EQ(run("E<Esc>sSs<Esc>s", "novo"), 0);
  EXPECT_EQ(readBytes(dir_.file("novo.pxg")), "\r\n");
}

TEST_F(EditOption, TheDraftGoesToRascunhoUnlessNamed) {
  writeBytes(dir_.file("a.pxg"), "PT 1 2\r\n");
  EXPECT_EQ(run("E<End>3<F2><Enter><Esc>s<Esc>ss", "a.pxg"), 0);
  EXPECT_EQ(readBytes(dir_.file("rascunho.$$$")), "PT 1 23\r\n");
  EXPECT_EQ(readBytes(dir_.file("a.pxg")), "PT 1 2\r\n");
  EXPECT_EQ(timesSaid("Rascunho gravado."), 1);
}

}  // namespace
