// Asking for the project's name, loading and saving it, on an in-process console.
#include <sys/stat.h>
#include <unistd.h>

#include <functional>

#include "platform/console.h"
#include "platform/console_fixture.h"
#include "platform/text/file_write.h"
#include "platform/text/injected_fault.h"
#include "scratch.h"
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
  EXPECT_NE(transcript().find("say: Arquivo novo\nsay: Aperte F1 para ouvir as opções ou F9 para escolher uma\n"), std::string::npos);
}

// What another program (or another Pontelix) does to the file between the load and the
// save is asked about before it is replaced: S replaces it, N keeps it, says so and
// offers another name. A change of the file's permissions or its removal loses nothing.
TEST_F(ProjectName, AFileChangedOnDiskSinceTheLoadIsAskedAboutBeforeTheSave) {
  const std::string path = dir_ + "/a.pxg";
  const std::string kAsked = "say: O arquivo mudou no disco. Grava assim mesmo? (S/N)\n";
  struct Case {
    const char* what;
    bool exists;  // before the load
    std::function<void(const std::string&)> change;
    const char* keys;
    bool asked, saved;
  };
  const Case cases[] = {
      {"nothing", true, [](const std::string&) {}, "s", false, true},
      {"mode", true, [](const std::string& p) { ::chmod(p.c_str(), 0600); }, "s", false, true},
      {"removed", true, [](const std::string& p) { ::unlink(p.c_str()); }, "s", false, true},
      {"written, S", true, [this](const std::string& p) { writeFile(p, "TB 0 0 outro\r\n"); }, "ss", true, true},
      {"written, N", true, [this](const std::string& p) { writeFile(p, "TB 0 0 outro\r\n"); }, "snn", true, false},
      {"replaced, Esc", true, [](const std::string& p) { replaceFileAtomically(p, "TB 0 0 outro\r\n"); },
       "s<Esc>n", true, false},
      {"made", false, [this](const std::string& p) { writeFile(p, "TB 0 0 outro\r\n"); }, "snn", true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.exists) writeFile(path, "PT 1 1\r\n");
    setProjectFileName("a.pxg");
    loadProject();
    c.change(path);
    const std::string before = readBytes(path);
    commandLines() = {"CI 0 0 5"};
    transcriptClose();
    transcriptOpen(dir_ + "/transcript.txt");
    keys(c.keys);
    saveProject();
    EXPECT_EQ(transcript().find(kAsked) != std::string::npos, c.asked) << transcript();
    EXPECT_EQ(readBytes(path), c.saved ? "CI 0 0 5\r\n" : before);
    EXPECT_EQ(projectHasUnsavedChanges(), !c.saved);
    if (!c.saved) {
      EXPECT_NE(transcript().find("say: O arquivo não foi gravado.\nsay: Os comandos continuam na memória.\n"
                                  "say: Gravar com outro nome? (S/N)\n"),
                std::string::npos)
          << transcript();
      continue;
    }
    // What the save wrote is what the next save expects to find.
    commandLines() = {"CI 0 0 6"};
    keys("s");
    saveProject();
    EXPECT_EQ(readBytes(path), "CI 0 0 6\r\n");
    ::unlink(path.c_str());
  }
}

// A full disk or a failing device at a write, the fsync or the rename of the project's
// save is said with its reason, and loses nothing: the old file and the list stay.
TEST_F(ProjectName, AFaultOfTheDiskIsSaidWithItsReasonAndLosesNothing) {
  const std::string path = dir_ + "/a.pxg";
  const std::string old = "PT 1 1\r\n";
  const std::pair<int, const char*> reasons[] = {{ENOSPC, "disco cheio"}, {EIO, "erro de leitura ou gravação"}};
  for (const SaveStep step : kSaveSteps) {
    for (const auto& [error, words] : reasons) {
      SCOPED_TRACE(testing::Message() << static_cast<int>(step) << " " << words);
      writeFile(path, old);
      setProjectFileName("a.pxg");
      loadProject();
      commandLines().assign(2000, "CI 0 0 5");
      transcriptClose();
      transcriptOpen(dir_ + "/transcript.txt");
      keys("sn");
      {
        const InjectedFault fault(step, step == SaveStep::Write ? 2 : 1, error);
        saveProject();
        EXPECT_TRUE(fault.happened());
      }
      EXPECT_NE(transcript().find("say: Erro ao gravar a.pxg: " + std::string(words) +
                                  ".\nsay: Os comandos continuam na memória.\n"),
                std::string::npos)
          << transcript();
      EXPECT_EQ(readBytes(path), old);
      for (const auto& entry : std::filesystem::directory_iterator(dir_)) {
        EXPECT_FALSE(entry.path().filename().string().starts_with(".a.pxg.")) << entry.path();
      }
      EXPECT_TRUE(projectHasUnsavedChanges());
    }
  }
}

}  // namespace
