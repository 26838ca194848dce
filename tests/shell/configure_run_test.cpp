// Option C through the real program, headless.
#include <sys/stat.h>

#include <filesystem>

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
                            "say: Configuração não gravada: sem permissão.", "say: Pontelix - Que deseja? "}));
  EXPECT_EQ(readBytes(ini()), before);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder()), {}), 1);

  ::chmod(folder().c_str(), 0777);
  EXPECT_EQ(run("c4<PgDn><Esc>s", "p", true), 0);
  EXPECT_EQ(timesSaid("Configuração gravada."), 1);
  // The services have also written their three switches, as at every start.
  EXPECT_EQ(readBytes(ini()).rfind("; minha voz\n[TRADUTOR]\nVELOCIDADE=4\n\n[TRAMEL]\n", 0), 0u);
  ::chmod(folder().c_str(), 0755);
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
  // The list of B is heard from the configured printer on, never from the first.
  EXPECT_TRUE(heardInOrder({"say: Configuração gravada.", "say: Selecione a impressora Braille", "say: Braille",
                            "say: Imprimindo em ", "say: Braille"}))
      << transcriptText();
  EXPECT_EQ(timesSaid("Alfa"), 1);
}
