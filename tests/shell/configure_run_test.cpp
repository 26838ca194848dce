// Option C through the real program, headless.
#include <sys/stat.h>

#include <filesystem>
#include <tuple>

#include "private_cups.h"
#include "shell/program_run.h"

namespace {

class ConfigureRun : public ProgramRun {
 protected:
  std::string folder() const { return dir_.file("config/tramel"); }
  std::string ini() const { return dir_.file("config/tramel/Tramel.ini"); }
};

}  // namespace

TEST_F(ConfigureRun, AReadOnlyFolderIsSaidAndTheFileStaysWholeThenTheValueIsWritten) {
  if (!ordinaryUserCanRun()) GTEST_SKIP() << "no ordinary user can run the program here";
  const std::string before = "; minha voz\n[TRADUTOR]\nVELOCIDADE=2\n";
  std::filesystem::create_directories(folder());
  writeBytes(ini(), before);
  ::chmod(dir_.file("config").c_str(), 0755);
  ::chmod(ini().c_str(), 0666);
  ::chmod(folder().c_str(), 0555);
  EXPECT_EQ(run("c4<PgDn><Esc>s", "p", true), 0);
  EXPECT_TRUE(heardInOrder({"say: Configuração", "say: Velocidade da fala", "say: 2",
                            "say: Configuração não gravada: sem permissão para gravar na pasta.",
                            "say: Pontelix - Que deseja? "}));
  EXPECT_EQ(readBytes(ini()), before);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder()), {}), 1);

  ::chmod(folder().c_str(), 0777);
  EXPECT_EQ(run("c4<PgDn><Esc>s", "p", true), 0);
  EXPECT_EQ(timesSaid("Configuração gravada."), 1);
  // The services have also written their three switches, as at every start.
  EXPECT_EQ(readBytes(ini()).rfind("; minha voz\n[TRADUTOR]\nVELOCIDADE=4\n\n[TRAMEL]\n", 0), 0u);
  ::chmod(folder().c_str(), 0755);
}

// A Tramel.ini that can't be read is said at start, the program goes on with the
// defaults, and neither the defaults it writes at start nor C write over it.
TEST_F(ConfigureRun, AConfigurationThatCantBeReadIsSaidAndNeverWrittenOver) {
  const struct {
    const char* make;
    std::string reason;
  } cases[] = {{"mkfifo", "não é um arquivo comum"},
               {"ln -s /dev/zero", "não é um arquivo comum"},
               {"truncate -s 5M", "arquivo grande demais"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.make);
    std::filesystem::remove_all(folder());
    std::filesystem::create_directories(folder());
    ASSERT_EQ(std::system((std::string(c.make) + " '" + ini() + "'").c_str()), 0);
    struct stat before{}, after{};
    ::lstat(ini().c_str(), &before);
    EXPECT_EQ(run("c4<PgDn><Esc>s", "p"), 0);
    EXPECT_TRUE(heardInOrder({"say: Configuração não lida, valem os valores padrão: " + ini() + ": " + c.reason + ".",
                              "say: Velocidade da fala", "say: Configuração não gravada: " + c.reason + "."}))
        << transcriptText();
    ::lstat(ini().c_str(), &after);
    EXPECT_EQ(std::tie(after.st_ino, after.st_mode, after.st_size), std::tie(before.st_ino, before.st_mode, before.st_size));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder()), {}), 1);
  }
}

// A bad key of the embosser page is said once, at start, and R checks the standard page.
TEST_F(ConfigureRun, ABadKeyOfThePageIsSaidOnceAndTheStandardPageIsUsed) {
  std::filesystem::create_directories(folder());
  writeBytes(ini(), "[PONTELIX]\nPAGBRAILLE=Personalizada\nCELAS=abc\nLINHAS=20\n");
  writeBytes(dir_.file("p.pxg"), "CI 0 0 5\r\n");
  EXPECT_EQ(run("r<Esc>", "p.pxg"), 0);
  EXPECT_EQ(timesSaid("CELAS=abc não vale; a página é a Padrão."), 1);
  EXPECT_NE(transcriptText().find("página de 44 fileiras por 66 celas."), std::string::npos);
}

// The printer chosen in C is where the list of B starts: Enter there embosses on it.
TEST_F(ConfigureRun, BStartsOnThePrinterChosenInC) {
  PrivateCups cups;
  ASSERT_EQ(cups.failure(), "");
  ASSERT_TRUE(cups.addRawQueue("Alfa"));
  ASSERT_TRUE(cups.addRawQueue("Braille"));
  printEnvironment_ = cups.environment();
  writeBytes(dir_.file("figura.pxg"), "PT 1 2\r\n");
  EXPECT_EQ(run("c<Enter><Enter><Enter><Enter><Enter><F9><Down><Enter><PgDn>b<Enter><Esc>s", "figura.pxg"), 0);
  const auto jobs = cups.waitForJobs(1);
  ASSERT_EQ(jobs.size(), 1u) << cups.jobList();
  EXPECT_EQ(jobs[0].queue, "Braille");
  EXPECT_NE(readBytes(ini()).find("[PONTELIX]\r\nIMPBRAILLE=Braille\r\n"), std::string::npos);
  // The printer's field was empty, and said so; the list of B is heard from the
  // configured printer on, never from the first.
  EXPECT_TRUE(heardInOrder({"say: Impressora Braille", "say: vazio", "say: Configuração gravada.", "say: Selecione a impressora Braille", "say: Braille",
                            "say: Imprimindo em ", "say: Braille"}))
      << transcriptText();
  EXPECT_EQ(timesSaid("Alfa"), 1);
}
