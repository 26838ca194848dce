// Naming, loading and saving projects through the real program.
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "shell/program_run.h"

namespace {

using ProjectRun = ProgramRun;

// Saves the project as it was loaded and ends.
const std::string kSaveAndEnd = "Ss<Esc>s";
const std::string kCutAtNul = "Atenção: o arquivo tem um caractere nulo; o que vem depois dele não foi carregado.";

// A project without a name: its file, zz.pxg, is too large to be read, so the list starts
// empty and S asks for a name. Returns the name to start the program with.
std::string unnamedProject(const ScratchDir& dir) {
  std::ofstream big(dir.file("zz.pxg"), std::ios::binary);
  big.seekp(20 * 1024 * 1024);
  big.put('x');
  return "zz";
}

TEST_F(ProjectRun, ExtensionIsCompletedUnlessItIsPxg) {
  EXPECT_EQ(run(kSaveAndEnd, "figura"), 0);
  EXPECT_TRUE(std::filesystem::exists(dir_.file("figura.pxg")));
  EXPECT_EQ(run(kSaveAndEnd, "outra.PxG"), 0);
  EXPECT_TRUE(std::filesystem::exists(dir_.file("outra.PxG")));
  EXPECT_FALSE(std::filesystem::exists(dir_.file("outra.PxG.pxg")));
  EXPECT_EQ(run(kSaveAndEnd, "dados.txt"), 0);
  EXPECT_TRUE(std::filesystem::exists(dir_.file("dados.txt.pxg")));
}

TEST_F(ProjectRun, EnterOnAnEmptyNameAssumesDesenho) {
  EXPECT_EQ(run("<Enter>" + kSaveAndEnd), 0);
  EXPECT_TRUE(heardInOrder({"say: Informe o nome do arquivo", "say: Assumido desenho.pxg",
                            "say: Arquivo novo"}));
  EXPECT_TRUE(std::filesystem::exists(dir_.file("desenho.pxg")));
}

TEST_F(ProjectRun, AnyLineEndLoadsAndSavesAsCrLf) {
  for (const char* form : {"PT 1 1\nCI 0 0 5\n\nTB 1 1 a\n", "PT 1 1\rCI 0 0 5\r\rTB 1 1 a",
                                  "PT 1 1\r\nCI 0 0 5\n\rTB 1 1 a\r\n"}) {
    writeBytes(dir_.file("a.pxg"), form);
    EXPECT_EQ(run(kSaveAndEnd, "a.pxg"), 0);
    EXPECT_EQ(timesSaid("Arquivo carregado"), 1);
    EXPECT_EQ(readBytes(dir_.file("a.pxg")), "PT 1 1\r\nCI 0 0 5\r\n\r\nTB 1 1 a\r\n") << form;
  }
}

TEST_F(ProjectRun, EmptyFileIsLoadedAndNothingFollowsANul) {
  writeBytes(dir_.file("vazio.pxg"), "");
  EXPECT_EQ(run(kSaveAndEnd, "vazio.pxg"), 0);
  EXPECT_EQ(timesSaid("Arquivo carregado"), 1);
  EXPECT_EQ(timesSaid("Aperte F1 para ouvir as opções ou F9 para escolher uma"), 0);
  EXPECT_EQ(readBytes(dir_.file("vazio.pxg")), "");

  writeBytes(dir_.file("nul.pxg"), std::string("PT 1 1\r\nRT 0\0 0 1 1\r\nCI 0 0 1\r\n", 29));
  EXPECT_EQ(run(kSaveAndEnd, "nul.pxg"), 0);
  EXPECT_EQ(readBytes(dir_.file("nul.pxg")), "PT 1 1\r\nRT 0\r\n");
  // A file whose end was not loaded (one in UTF-16, say) says so before a save can lose it.
  EXPECT_TRUE(heardInOrder({"say: Arquivo carregado", "say: " + kCutAtNul, "say: Pontelix - Que deseja? "}));
  EXPECT_EQ(run(kSaveAndEnd, "vazio.pxg"), 0);
  EXPECT_EQ(timesSaid(kCutAtNul), 0);
}

TEST_F(ProjectRun, EachFileKeepsItsEncoding) {
  writeBytes(dir_.file("ansi.pxg"), "TB 0 0 a\xe7\xe3o\n");
  writeBytes(dir_.file("utf8.pxg"), "TB 0 0 ação\n");
  EXPECT_EQ(run(kSaveAndEnd, "ansi.pxg"), 0);
  EXPECT_EQ(run(kSaveAndEnd, "utf8.pxg"), 0);
  EXPECT_EQ(readBytes(dir_.file("ansi.pxg")), "TB 0 0 a\xe7\xe3o\r\n");
  EXPECT_EQ(readBytes(dir_.file("utf8.pxg")), "TB 0 0 ação\r\n");
  // A file of plain ASCII given an accented label is written as UTF-8.
  writeBytes(dir_.file("ascii.pxg"), "PT 1 1\n");
  EXPECT_EQ(run("ptb0 0<Enter>ação<Esc><Esc>" + kSaveAndEnd, "ascii.pxg"), 0);
  EXPECT_EQ(readBytes(dir_.file("ascii.pxg")), "PT 1 1\r\nTB 0 0 ação\r\n");

  // A byte-order mark is kept, and kept out of the first command.
  writeBytes(dir_.file("marca.pxg"), "\xef\xbb\xbfPT 1 1\r\nTB 0 0 ação\r\n");
  EXPECT_EQ(run(kSaveAndEnd, "marca.pxg"), 0);
  EXPECT_EQ(readBytes(dir_.file("marca.pxg")), "\xef\xbb\xbfPT 1 1\r\nTB 0 0 ação\r\n");

  // Characters no single-byte code page has come back byte for byte.
  writeBytes(dir_.file("sinais.pxg"), "TX 0 0 área π ≤ ∞\r\n");
  EXPECT_EQ(run(kSaveAndEnd, "sinais.pxg"), 0);
  EXPECT_EQ(readBytes(dir_.file("sinais.pxg")), "TX 0 0 área π ≤ ∞\r\n");
  // A Windows-1252 project given a character that code page lacks is saved as UTF-8,
  // and that is said once: from then on the project is a UTF-8 one.
  const std::string savedAsUtf8 = "O projeto tem caracteres que o código antigo não guarda; foi gravado em UTF-8.";
  EXPECT_EQ(timesSaid(savedAsUtf8), 0);
  EXPECT_EQ(run("ptb0 0<Enter>π<Esc><Esc>Ss" + kSaveAndEnd, "ansi.pxg"), 0);
  EXPECT_EQ(readBytes(dir_.file("ansi.pxg")), "TB 0 0 ação\r\nTB 0 0 π\r\n");
  EXPECT_EQ(timesSaid(savedAsUtf8), 1);
}

TEST_F(ProjectRun, LoadingReplacesTheList) {
  writeBytes(dir_.file("a.pxg"), "PT 1 1\r\n");
  writeBytes(dir_.file("b.pxg"), "CI 0 0 2\r\n");
  // New project: decline saving a.pxg, name b; then save b.
  EXPECT_EQ(run("Nnb<Enter>" + kSaveAndEnd, "a.pxg"), 0);
  EXPECT_EQ(timesSaid("Arquivo carregado"), 2);
  EXPECT_EQ(readBytes(dir_.file("b.pxg")), "CI 0 0 2\r\n");
  EXPECT_EQ(readBytes(dir_.file("a.pxg")), "PT 1 1\r\n");
}

TEST_F(ProjectRun, AProjectFirstNamedBySavingKeepsTheNameAsTyped) {
  EXPECT_EQ(run("Ssfigura<Enter><Esc>s", unnamedProject(dir_)), 0);
  EXPECT_EQ(timesSaid("Informe o nome do arquivo"), 1);
  EXPECT_TRUE(std::filesystem::exists(dir_.file("figura")));
  EXPECT_FALSE(std::filesystem::exists(dir_.file("figura.pxg")));
}

TEST_F(ProjectRun, NamingAnExistingFileWhileSavingAsksBeforeReplacingIt) {
  const std::string kReplace = "say: Arquivo já existe, sobrescreve? ";
  writeBytes(dir_.file("a.pxg"), "PT 1 1\n");
  writeBytes(dir_.file("desenho.pxg"), "CI 0 0 5\n");
  // An unnamed project with a line not saved. Picked from the list, typed, or assumed at
  // Enter: an existing file is kept on N, and the project stays unnamed, so S asks again.
  const std::string unnamed = unnamedProject(dir_);
  EXPECT_EQ(run("ptb0 0<Enter>x<Esc><Esc>Ss<Down><Enter>nSsa.pxg<Enter>nSs<Enter>n<Esc>ss", unnamed), 0);
  EXPECT_EQ(timesSaid("Arquivo já existe, sobrescreve? "), 3);
  EXPECT_EQ(timesSaid("Informe o nome do arquivo"), 3);
  EXPECT_TRUE(heardInOrder({"say: a.pxg", kReplace, "say: Desistiu...", kReplace, "say: Desistiu...",
                            "say: Assumido desenho.pxg", kReplace, "say: Desistiu...",
                            "say: O projeto ainda não foi salvo."}));
  EXPECT_EQ(readBytes(dir_.file("a.pxg")), "PT 1 1\n");
  EXPECT_EQ(readBytes(dir_.file("desenho.pxg")), "CI 0 0 5\n");

  // A declined replacement stops a new project, as a failed save does: the list stays.
  EXPECT_EQ(run("Nsa.pxg<Enter>n<Esc>ss", unnamed), 0);
  EXPECT_EQ(timesSaid("Informe o nome do arquivo"), 1);
  EXPECT_EQ(readBytes(dir_.file("a.pxg")), "PT 1 1\n");

  // S replaces it, and the project takes the name.
  EXPECT_EQ(run("Ssa.pxg<Enter>s<Esc>s", unnamed), 0);
  EXPECT_EQ(readBytes(dir_.file("a.pxg")), "");
  EXPECT_EQ(timesSaid("O projeto ainda não foi salvo."), 0);
  // A new name asks nothing.
  EXPECT_EQ(run("Ssnovo<Enter><Esc>s", unnamed), 0);
  EXPECT_EQ(timesSaid("Arquivo já existe, sobrescreve? "), 0);
  EXPECT_TRUE(std::filesystem::exists(dir_.file("novo")));
}

TEST_F(ProjectRun, EscInTheFileListGivesUpLikeEscOnTheLine) {
  writeBytes(dir_.file("a.pxg"), "PT 1 1\n");
  writeBytes(dir_.file("desenho.pxg"), "CI 0 0 5\n");
  // An unnamed project; saving it, the user browses the list and leaves it.
  EXPECT_EQ(run("Ss<Down><Esc><Esc>s", unnamedProject(dir_)), 0);
  EXPECT_TRUE(heardInOrder({"say: Quer salvar o arquivo (S/N)? ", "say: Informe o nome do arquivo",
                            "say: a.pxg", "say: Desistiu..."}));
  EXPECT_EQ(timesSaid("Assumido desenho.pxg"), 0);
  EXPECT_EQ(readBytes(dir_.file("desenho.pxg")), "CI 0 0 5\n");

  // At start-up it ends the program.
  EXPECT_EQ(run("<Down><Esc>"), 0);
  EXPECT_TRUE(heardInOrder({"say: Informe o nome do arquivo", "say: a.pxg", "say: Desistiu..."}));
  EXPECT_EQ(timesSaid("Pontelix - Que deseja? "), 0);
}

TEST_F(ProjectRun, DecliningToSaveWritesNothing) {
  writeBytes(dir_.file("a.pxg"), "PT 1 1\n");
  EXPECT_EQ(run("Sn<Esc>s", "a.pxg"), 0);
  EXPECT_TRUE(heardInOrder({"say: Quer salvar o arquivo (S/N)? ", "say: Desistiu..."}));
  EXPECT_EQ(readBytes(dir_.file("a.pxg")), "PT 1 1\n");
}

TEST_F(ProjectRun, AFailedSaveIsSaidAndLosesNothing) {
  if (!ordinaryUserCanRun()) GTEST_SKIP() << "no ordinary user can run the program here";
  std::filesystem::create_directory(dir_.file("fechada"));
  writeBytes(dir_.file("fechada/a.pxg"), "PT 1 1\n");
  ::chmod(dir_.file("fechada/a.pxg").c_str(), 0666);
  ::chmod(dir_.file("fechada").c_str(), 0555);
  // S fails, and no other name is wanted; N's offer to save fails too, so the project is
  // not replaced by a new one.
  EXPECT_EQ(run("SsnNsn<Esc>s", "fechada/a.pxg", true), 0);
  EXPECT_EQ(timesSaid("Erro ao gravar fechada/a.pxg: sem permissão para gravar na pasta."), 2);
  EXPECT_EQ(timesSaid("Os comandos continuam na memória."), 2);
  EXPECT_EQ(timesSaid("Gravar com outro nome? (S/N)"), 2);
  EXPECT_EQ(timesSaid("Informe o nome do arquivo"), 0);
  EXPECT_EQ(readBytes(dir_.file("fechada/a.pxg")), "PT 1 1\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.file("fechada")), {}), 1);
  // Another name keeps the work: the lines go there, and leaving asks nothing more.
  EXPECT_EQ(run("Ssssalvo<Enter><Esc>s", "fechada/a.pxg", true), 0);
  EXPECT_TRUE(heardInOrder({"say: Gravar com outro nome? (S/N)", "say: Informe o nome do arquivo",
                            "say: Arquivo salvo.", "say: Confirma o fim do pontelix? ", "say: Fim do Pontelix"}))
      << transcriptText();
  EXPECT_EQ(readBytes(dir_.file("salvo.pxg")), "PT 1 1\r\n");
  ::chmod(dir_.file("fechada").c_str(), 0755);
}

// A new project is written in UTF-8, as the system's editors read it.
TEST_F(ProjectRun, ANewProjectIsWrittenInUtf8) {
  EXPECT_EQ(run("ptb0 0<Enter>ação<Esc><Esc>Ss<Esc>s", "novo"), 0);
  EXPECT_EQ(readBytes(dir_.file("novo.pxg")), "TB 0 0 a\xc3\xa7\xc3\xa3o\r\n") << transcriptText();
}

// Esc at either question of N gives N up: the list, its name and its unsaved line stay,
// and what is typed next is a menu key again, not a file name.
TEST_F(ProjectRun, EscAtEitherQuestionOfNKeepsTheProject) {
  // Declining to save says "Desistiu..." once more.
  for (const auto& [giveUp, gaveUp] : {std::pair<std::string, int>{"N<Esc>", 1}, {"Nn<Esc>", 2}}) {
    writeBytes(dir_.file("a.pxg"), "PT 1 1\r\n");
    EXPECT_EQ(run("ptb0 0<Enter>novo<Esc><Esc>" + giveUp + "Ss<Esc>s", "a"), 0) << giveUp;
    EXPECT_EQ(readBytes(dir_.file("a.pxg")), "PT 1 1\r\nTB 0 0 novo\r\n") << giveUp << transcriptText();
    EXPECT_EQ(timesSaid("Desistiu..."), gaveUp) << giveUp;
  }
}

TEST_F(ProjectRun, AProjectInAFolderThatDoesNotExistIsSaidAtStart) {
  EXPECT_EQ(run("<Esc>s", "nao/existe/x.pxg"), 0);
  EXPECT_TRUE(heardInOrder({"say: Arquivo novo", "say: A pasta nao/existe não existe: para gravar, dê outro nome."}))
      << transcriptText();
}

TEST_F(ProjectRun, AFileThatCannotBeLoadedIsNeverReplaced) {
  std::filesystem::create_directory(dir_.file("pasta.pxg"));
  {
    std::ofstream big(dir_.file("grande.pxg"), std::ios::binary);
    big.seekp(20 * 1024 * 1024);
    big.put('x');
  }
  // S asks for a name, as for a project that has none; Esc there gives up.
  EXPECT_EQ(run("Ss<Esc><Esc>s", "pasta.pxg"), 0);
  EXPECT_EQ(timesSaid("Erro ao ler pasta.pxg: o nome é de uma pasta."), 1);
  EXPECT_EQ(run("Ss<Esc><Esc>s", "grande.pxg"), 0);
  EXPECT_EQ(timesSaid("Erro ao ler grande.pxg: arquivo grande demais."), 1);
  EXPECT_TRUE(heardInOrder({"say: Quer salvar o arquivo (S/N)? ", "say: Informe o nome do arquivo",
                            "say: Desistiu..."}));
  EXPECT_TRUE(std::filesystem::is_directory(dir_.file("pasta.pxg")));
  EXPECT_EQ(std::filesystem::file_size(dir_.file("grande.pxg")), 20u * 1024 * 1024 + 1);
  // A pipe that nobody writes and a device without end are refused at once.
  ASSERT_EQ(::mkfifo(dir_.file("fila.pxg").c_str(), 0600), 0);
  std::filesystem::create_symlink("/dev/zero", dir_.file("zero.pxg"));
  for (const std::string name : {"fila.pxg", "zero.pxg"}) {
    EXPECT_EQ(run("<Esc>s", name), 0);
    EXPECT_EQ(timesSaid("Erro ao ler " + name + ": não é um arquivo comum."), 1) << transcriptText();
  }
}

}  // namespace
