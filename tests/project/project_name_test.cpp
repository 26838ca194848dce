// Asking for the project's name and loading it, on an in-process console.
#include <unistd.h>

#include "console/console.h"
#include "console/console_fixture.h"
#include "project/project.h"

namespace {

class ProjectName : public ConsoleTest {
 protected:
  void SetUp() override {
    ConsoleTest::SetUp();
    resetProject();
    setProgramArguments({});
    char here[4096];
    old_ = getcwd(here, sizeof here) ? here : ".";
    ASSERT_EQ(chdir(dir_.c_str()), 0);
  }
  void TearDown() override {
    EXPECT_EQ(chdir(old_.c_str()), 0);
    ConsoleTest::TearDown();
  }
  std::string old_;
};

TEST_F(ProjectName, ATypedNameStandsOnceOnItsLine) {
  conGoto(1, 5);
  keys("figura<Enter>");
  EXPECT_EQ(askProjectFileName(), "figura");
  EXPECT_EQ(row(5), "Informe o nome do arquivo");
  EXPECT_EQ(row(6), "figura");
  EXPECT_EQ(conRow(), 7);
}

TEST_F(ProjectName, ANamePickedFromTheListIsWrittenToo) {
  writeFile(dir_ + "/triangulo.pxg", "PT 0 0\r\n");
  conGoto(1, 5);
  keys("<Down><Enter>");
  EXPECT_EQ(askProjectFileName(), "triangulo.pxg");
  EXPECT_EQ(row(6), "triangulo.pxg");
}

TEST_F(ProjectName, TheCommandLineNamesOnlyTheFirstProject) {
  setProgramArguments({"  aula 3.pxg  ", "ignored"});
  EXPECT_EQ(askProjectFileName(), "aula 3.pxg");
  EXPECT_EQ(transcript().find("Informe"), std::string::npos);
  keys("<Esc>");
  EXPECT_EQ(askProjectFileName(), "");
  EXPECT_NE(transcript().find("say: Informe o nome do arquivo"), std::string::npos);
}

TEST_F(ProjectName, LoadingReplacesTheWholeList) {
  writeFile(dir_ + "/b.pxg", "CI 0 0 2\n");
  commandLines() = {"PT 1 1", "RT 0 0 1 1"};
  setProjectFileName("b");
  EXPECT_TRUE(loadProject());
  EXPECT_EQ(projectFileName(), "b.pxg");
  EXPECT_EQ(commandLines(), std::vector<std::string>{"CI 0 0 2"});
  EXPECT_FALSE(projectHasUnsavedChanges());

  // A name with no file keeps the list as it is, and says so.
  setProjectFileName("nada");
  EXPECT_FALSE(loadProject());
  EXPECT_EQ(commandLines(), std::vector<std::string>{"CI 0 0 2"});
  EXPECT_NE(transcript().find("say: Arquivo novo\nsay: Aperte F9 para ajuda\n"), std::string::npos);
}

}  // namespace
