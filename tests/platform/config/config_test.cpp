#include "platform/config/config.h"
#include "platform/config/ini_cache.h"
#include "platform/console_fixture.h"
#include "platform/text/file_write.h"
#include "platform/text/injected_fault.h"
#include "platform/config/ini_file.h"
#include "scratch.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

namespace {

class ConfigTest : public ConsoleTest {
 protected:
  std::string userIni() { return dir_ + "/config/tramel/Tramel.ini"; }
  std::string systemIni() { return dir_ + "/system/Tramel.ini"; }
  std::string read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
};

}  // namespace

TEST_F(ConfigTest, MissingFileOrKeyReadsEmpty) {
  EXPECT_EQ(cfgReadValue("VIDEO", "CORLETRA"), "");
  EXPECT_TRUE(cfgReadSection("", "Tramel.ini").empty());
  writeFile(userIni(), "[VIDEO]\nCORLETRA=14\n");
  EXPECT_EQ(cfgReadValue("VIDEO", "CORFUNDO"), "");
  EXPECT_EQ(cfgReadValue("VIDEO", "CORLETRA"), "14");
  EXPECT_EQ(cfgReadValue("AUDIO", "CORLETRA"), "");
}

TEST_F(ConfigTest, NamesIgnoreCaseAndTheFirstMatchWins) {
  writeFile(userIni(),
            "; comentario\r\n[Video]\r\n  CorLetra = 12 \r\ncorletra=13\r\n"
            "[TRADUTOR]\r\nDIRLETRAS=\"c:\\tramhome\\som\\letras\"\r\nvoz=a=b\r\n"
            "[video]\r\nCORLETRA=1\r\nCORFUNDO=4\r\n");
  EXPECT_EQ(cfgReadValue("VIDEO", "corletra"), "12");
  EXPECT_EQ(cfgReadValue("VIDEO", "CORFUNDO"), "");  // only the first [video] counts
  EXPECT_EQ(cfgReadValue("tradutor", "DirLetras"), "c:/tramhome/som/letras");  // "\" is "/"
  EXPECT_EQ(cfgReadValue("TRADUTOR", "VOZ"), "a=b");
  EXPECT_EQ(cfgReadSection("", "Tramel.ini"), (std::vector<std::string>{"Video", "TRADUTOR", "video"}));
  EXPECT_EQ(cfgReadSection("VIDEO", "Tramel.ini"), (std::vector<std::string>{"CorLetra", "corletra"}));
}

TEST_F(ConfigTest, LongValuesAreCutAndWindows1252FilesReadAsUtf8) {
  writeFile(userIni(), "[A]\nLONGO=" + std::string(60000, 'x') + "\nNOME=Fun\xc3\xa7\xc3\xa3o\n");
  EXPECT_EQ(cfgReadValue("A", "LONGO").size(), 50000u);
  EXPECT_EQ(cfgReadValue("A", "NOME"), "Função");
  writeFile(userIni(), "[A]\nNOME=Fun\xe7\xe3o\n");
  EXPECT_EQ(cfgReadValue("A", "NOME"), "Função");
}

TEST(IniFile, AWindows1252FileStaysSoUntilItMustHoldACharacterItLacks) {
  IniFile ini = IniFile::parse("[A]\r\nNOME=Fun\xe7\xe3o\r\n");
  ScratchDir dir;
  ini.set("A", "PASTA", "ações");
  ASSERT_EQ(ini.save(dir.file("t.ini")), 0);
  EXPECT_EQ(readBytes(dir.file("t.ini")), "[A]\r\nNOME=Fun\xe7\xe3o\r\nPASTA=a\xe7\xf5" "es\r\n");
  ini.set("A", "PASTA", "π");
  ASSERT_EQ(ini.save(dir.file("t.ini")), 0);
  EXPECT_EQ(readBytes(dir.file("t.ini")), "[A]\r\nNOME=Função\r\nPASTA=π\r\n");
}

TEST_F(ConfigTest, AtExpansions) {
  const std::string program = cfgProgramFolder();
  ASSERT_FALSE(program.empty());
  writeFile(userIni(), "[X]\nAQUI=@\nSUITE=@\\som\\\nUSUARIO=@@\\rascunho\nDOIS=@\\a;@\\b\nLITERAL=a@b\n");
  EXPECT_EQ(cfgReadValue("X", "AQUI"), program);
  EXPECT_EQ(cfgReadValue("X", "SUITE"), program + "/som/");  // no PGMTRAMEL: the program's folder
  EXPECT_EQ(cfgReadValue("X", "USUARIO"), cfgUserFolder() + "/rascunho");
  EXPECT_EQ(cfgReadValue("X", "DOIS"), program + "/a;" + program + "/b");
  EXPECT_EQ(cfgReadValue("X", "LITERAL"), "a@b");
  writeFile(userIni(), "[TRAMEL]\nPGMTRAMEL=/opt/tramel\\\n[X]\nSUITE=@\\som\n");
  EXPECT_EQ(cfgReadValue("X", "SUITE"), "/opt/tramel/som");
  writeFile(userIni(), "[TRAMEL]\nPGMTRAMEL=@\\outra\n[X]\nSUITE=@\\som\n");
  EXPECT_EQ(cfgReadValue("X", "SUITE"), program + "/som");
}

TEST_F(ConfigTest, ASelfReferringSuiteFolderEndsInBoundedTime) {
  writeFile(userIni(), "[TRAMEL]\nPGMTRAMEL=x@\\\n[X]\nSUITE=@\\som\n");
  const std::string value = cfgReadValue("X", "SUITE");
  EXPECT_LT(value.size(), 200u);
  EXPECT_EQ(value.substr(value.size() - 4), "/som");
}

TEST_F(ConfigTest, SystemFolderStandsInAndServesLegacyMode) {
  writeFile(systemIni(), "[VIDEO]\nCORLETRA=9\nCORFUNDO=2\n");
  EXPECT_EQ(cfgUserFolder(), dir_ + "/system");  // the user has no Tramel.ini yet
  EXPECT_EQ(cfgReadValue("VIDEO", "CORLETRA"), "9");
  writeFile(userIni(), "[VIDEO]\nCORLETRA=3\nCORFUNDO=\n");
  EXPECT_EQ(cfgReadValue("VIDEO", "CORLETRA"), "3");
  EXPECT_EQ(cfgReadValue("VIDEO", "CORFUNDO"), "");
  cfgSetLegacyMode(true);
  EXPECT_EQ(cfgReadValue("VIDEO", "CORFUNDO"), "2");
  EXPECT_EQ(cfgReadValue("VIDEO", "CORLETRA"), "3");
}

TEST_F(ConfigTest, WritingDefaultsKeepsTheRestOfTheFile) {
  writeFile(userIni(), "; minhas cores\n[VIDEO]\nCORLETRA=14\n\n[TRAMEL]\nFALANDO=Nao\n");
  cfgWriteDefault("VIDEO", "CORFUNDO", "1");
  cfgWriteDefault("tramel", "ECOAROPCAO", "Sim");
  cfgWriteDefault("NOVA", "CHAVE", "v");
  // The file's own line ends are kept.
  EXPECT_EQ(read(userIni()),
            "; minhas cores\n[VIDEO]\nCORLETRA=14\nCORFUNDO=1\n\n[TRAMEL]\nFALANDO=Nao\n"
            "ECOAROPCAO=Sim\n\n[NOVA]\nCHAVE=v\n");
  EXPECT_FALSE(std::filesystem::exists(systemIni()));
}

TEST_F(ConfigTest, LegacyModeWritesTheSystemFileWhenItExists) {
  writeFile(userIni(), "");
  writeFile(systemIni(), "[TRAMEL]\n");
  cfgSetLegacyMode(true);
  cfgWriteDefault("TRAMEL", "FALANDO", "Sim");
  EXPECT_EQ(read(systemIni()), "[TRAMEL]\nFALANDO=Sim\n");
  EXPECT_EQ(cfgReadValue("TRAMEL", "FALANDO"), "Sim");
}

TEST_F(ConfigTest, ServicesWriteTheirThreeSwitchesWhenMissing) {
  writeFile(userIni(), "[TRAMEL]\nFALANDO=nao\n");
  conStartServices();
  EXPECT_FALSE(conSpeaksTyping());
  EXPECT_TRUE(conEchoesKeys());
  EXPECT_EQ(cfgReadValue("TRAMEL", "FALANDO"), "nao");
  EXPECT_EQ(cfgReadValue("TRAMEL", "ECOAROPCAO"), "Sim");
  EXPECT_EQ(cfgReadValue("TRAMEL", "FALARTUDO"), "Sim");
  std::filesystem::remove(userIni());
  conStartServices();
  EXPECT_TRUE(conSpeaksTyping());
}

TEST_F(ConfigTest, WrittenValuesKeepEveryOtherByteAndTheFilesLineEnds) {
  const std::string crlf = "; a minha voz\r\n[TRADUTOR]\r\nVELOCIDADE=2\r\nDIRLETRAS=@\\som\\letras\r\n"
                           "[OUTRA]\r\n  chave estranha =  x ; y\r\n";
  writeFile(userIni(), crlf);
  ASSERT_EQ(cfgWriteValues({{"tradutor", "velocidade", "4"}, {"SERVFALA", "TOM", "-3"}}), 0);
  // The key keeps the file's spelling of its name.
  EXPECT_EQ(read(userIni()), "; a minha voz\r\n[TRADUTOR]\r\nVELOCIDADE=4\r\nDIRLETRAS=@\\som\\letras\r\n"
                             "[OUTRA]\r\n  chave estranha =  x ; y\r\n\r\n[SERVFALA]\r\nTOM=-3\r\n");
  // A file of bare line ends, its last line unended, stays so.
  writeFile(userIni(), "[TRADUTOR]\nVELOCIDADE=2\n;fim");
  ASSERT_EQ(cfgWriteValues({{"TRADUTOR", "VELOCIDADE", "5"}}), 0);
  EXPECT_EQ(read(userIni()), "[TRADUTOR]\nVELOCIDADE=5\n;fim");
}

TEST_F(ConfigTest, WrittenValuesGoToTheUsersOwnFileAndAFailureLeavesTheOldOne) {
  // The system file stands in for a user who has none; the user's own file starts
  // from its lines, and the system file is not touched.
  writeFile(systemIni(), "[VIDEO]\nCORLETRA=14\n");
  // The new folders' names are flushed in their parents, and the file's in its folder.
  static std::vector<std::string> synced;
  synced.clear();
  const FileSystemCalls real = fileSystemCalls();
  fileSystemCalls().syncDirectory = [](const char* folder) { synced.push_back(folder); return 0; };
  ASSERT_EQ(cfgWriteValues({{"TRADUTOR", "SAPI", "Sim"}}), 0);
  fileSystemCalls() = real;
  EXPECT_EQ(synced, (std::vector<std::string>{dir_ + "/config", dir_, dir_ + "/config/tramel"}));
  EXPECT_EQ(read(systemIni()), "[VIDEO]\nCORLETRA=14\n");
  EXPECT_EQ(read(userIni()), "[VIDEO]\nCORLETRA=14\n\n[TRADUTOR]\nSAPI=Sim\n");
  EXPECT_EQ(cfgUserFolder(), dir_ + "/config/tramel");
  EXPECT_EQ(cfgReadValue("VIDEO", "CORLETRA"), "14");

  // A full disk or a failing device at any step of the save keeps the old file whole.
  for (const SaveStep step : kSaveSteps) {
    for (const int error : kDiskFaults) {
      const InjectedFault fault(step, 1, error);
      EXPECT_EQ(cfgWriteValues({{"TRADUTOR", "SAPI", "Nao"}}), error);
    }
  }
  EXPECT_EQ(read(userIni()), "[VIDEO]\nCORLETRA=14\n\n[TRADUTOR]\nSAPI=Sim\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_ + "/config/tramel"), {}), 1);
}

// Two programs setting their own keys at the same time keep each other's, also when the
// first of them makes the user's file from the system's.
TEST_F(ConfigTest, TwoWritersAtOnceKeepEachOthersKeys) {
  writeFile(systemIni(), "[VIDEO]\nCORLETRA=14\n");
  constexpr int kKeys = 40;
  pid_t writers[2];
  for (int w = 0; w < 2; ++w) {
    writers[w] = ::fork();
    ASSERT_GE(writers[w], 0);
    if (writers[w] == 0) {
      int failures = 0;
      for (int i = 0; i < kKeys; ++i) failures += cfgWriteValues({{"A", "K" + std::to_string(w * kKeys + i), "x"}}) != 0;
      ::_exit(failures);
    }
  }
  for (const pid_t writer : writers) {
    int status = 0;
    ASSERT_EQ(::waitpid(writer, &status, 0), writer);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  EXPECT_EQ(cfgReadValue("VIDEO", "CORLETRA"), "14");
  EXPECT_EQ(cfgReadSection("A", "Tramel.ini").size(), 2u * kKeys) << read(userIni());
}

// Many keys cost one read; a change on disk, or a write of our own, is read again.
TEST_F(ConfigTest, TheFileIsReadOncePerChange) {
  writeFile(userIni(), "[VIDEO]\nCORLETRA=14\n[TRAMEL]\nPGMTRAMEL=/opt/t\n[X]\nSOM=@\\som\n");
  const long before = cachedIniReads();
  for (int i = 0; i < 30; ++i) {
    EXPECT_EQ(cfgReadValue("VIDEO", "CORLETRA"), "14");
    EXPECT_EQ(cfgReadValue("X", "SOM"), "/opt/t/som");
    EXPECT_EQ(cfgReadSection("VIDEO", "Tramel.ini").size(), 1u);
  }
  EXPECT_EQ(cachedIniReads() - before, 1);

  writeFile(userIni(), "[VIDEO]\nCORLETRA=7\n");
  EXPECT_EQ(cfgReadValue("VIDEO", "CORLETRA"), "7");
  ASSERT_EQ(cfgWriteValues({{"VIDEO", "CORLETRA", "8"}}), 0);
  EXPECT_EQ(cfgReadValue("VIDEO", "CORLETRA"), "8");
  EXPECT_EQ(cachedIniReads() - before, 3);
}

TEST_F(ConfigTest, WholeNumbers) {
  int n = 7;
  EXPECT_TRUE(cfgWholeNumber(" -10 ", n));
  EXPECT_EQ(n, -10);
  for (const char* wrong : {"", "  ", "3a", "2.5", "+", "99999999999"}) {
    EXPECT_FALSE(cfgWholeNumber(wrong, n)) << wrong;
    EXPECT_EQ(n, -10);
  }
}
