// The interface language, chosen by the command line, by Tramel.ini or by the
// environment, in that order.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "platform/text/language.h"
#include "shell/language_choice.h"

namespace {

namespace fs = std::filesystem;

// The variables these tests set, put back as they were, so that the tests after them in
// the same process, and the programs those start, talk as before.
class LanguageChoice : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : kVariables) {
      const char* value = std::getenv(name);
      saved_.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
    }
  }
  void TearDown() override {
    for (const auto& [name, value] : saved_) value ? setenv(name, value->c_str(), 1) : unsetenv(name);
    setCurrentLanguage(Language::Portuguese);
  }

 private:
  static constexpr const char* kVariables[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG", "XDG_CONFIG_HOME"};
  std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
};

struct Choice {
  const char* language;  // the variables; null leaves one unset
  const char* lcAll;
  const char* lcMessages;
  const char* lang;
  const char* configured;  // IDIOMA in Tramel.ini; null for no file
  const char* option;      // the --language argument; null for none
  Language expected;
};

TEST_F(LanguageChoice, TheOptionThenTramelIniThenTheEnvironmentChoose) {
  const Choice choices[] = {
      {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, Language::Portuguese},
      {nullptr, nullptr, nullptr, "en_US.UTF-8", nullptr, nullptr, Language::English},
      {nullptr, nullptr, "en_GB", "pt_BR.UTF-8", nullptr, nullptr, Language::English},
      {nullptr, "pt_BR", "en_GB", "en_US", nullptr, nullptr, Language::Portuguese},
      {"en:pt", "pt_BR", nullptr, nullptr, nullptr, nullptr, Language::English},
      {"", "", "", "en", nullptr, nullptr, Language::English},
      {"de:en", nullptr, nullptr, "en_US", nullptr, nullptr, Language::Portuguese},
      {nullptr, nullptr, nullptr, "C", nullptr, nullptr, Language::Portuguese},
      {nullptr, nullptr, nullptr, "pt_BR", "en", nullptr, Language::English},
      {nullptr, nullptr, nullptr, "en_US", "PT", nullptr, Language::Portuguese},
      {nullptr, nullptr, nullptr, "en_US", "klingon", nullptr, Language::English},
      {nullptr, nullptr, nullptr, "en_US", "pt", "en", Language::English},
      {"en", nullptr, nullptr, nullptr, "en", "pt-BR", Language::Portuguese},
  };
  const fs::path root = fs::path(PONTELIX_TEST_TMP) / "language-choice";
  int n = 0;
  for (const Choice& c : choices) {
    const fs::path config = root / std::to_string(++n);
    fs::create_directories(config / "tramel");
    if (c.configured) std::ofstream(config / "tramel" / "Tramel.ini") << "[PONTELIX]\nIDIOMA=" << c.configured << "\n";
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    const std::pair<const char*, const char*> variables[] = {
        {"LANGUAGE", c.language}, {"LC_ALL", c.lcAll}, {"LC_MESSAGES", c.lcMessages}, {"LANG", c.lang}};
    for (const auto& [name, value] : variables) value ? setenv(name, value, 1) : unsetenv(name);

    std::string option = c.option ? std::string("--language=") + c.option : "--ui=headless";
    std::vector<char*> argv = {const_cast<char*>("pontelix"), option.data(), const_cast<char*>("desenho.pxg"), nullptr};
    int argc = 3;
    std::string error;
    EXPECT_TRUE(chooseLanguage(argc, argv.data(), error)) << "case " << n;
    EXPECT_EQ(currentLanguage(), c.expected) << "case " << n;
    EXPECT_EQ(argc, c.option ? 2 : 3) << "case " << n;
    EXPECT_STREQ(argv[argc - 1], "desenho.pxg");
  }
  fs::remove_all(root);
}

TEST_F(LanguageChoice, AWrongNameIsRefusedInTheLanguageThatHolds) {
  unsetenv("LANGUAGE");
  unsetenv("LC_ALL");
  unsetenv("LC_MESSAGES");
  setenv("LANG", "en_US", 1);
  setenv("XDG_CONFIG_HOME", PONTELIX_TEST_TMP "/no-such-config", 1);
  std::string first = "--language=fr", afterEnd = "--language=xx";
  std::vector<char*> argv = {const_cast<char*>("pontelix"), const_cast<char*>("render"), first.data(),
                             const_cast<char*>("--"), afterEnd.data(), nullptr};
  int argc = 5;
  std::string error;
  EXPECT_FALSE(chooseLanguage(argc, argv.data(), error));
  EXPECT_EQ(error, "--language must be pt or en: fr");
  EXPECT_EQ(currentLanguage(), Language::English);
  // After "--" an argument is a file name, however it looks.
  ASSERT_EQ(argc, 4);
  EXPECT_STREQ(argv[3], "--language=xx");
}

}  // namespace
