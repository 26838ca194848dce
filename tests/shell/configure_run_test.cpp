// Option C through the real program, headless.
#include <sys/stat.h>

#include <filesystem>

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
