// The catalogue's tables: every key once, every text in both languages with the same
// values.
#include <gtest/gtest.h>

#include <cerrno>
#include <set>

#include "platform/text/file_failure.h"
#include "platform/text/language.h"
#include "platform/text/platform_texts.h"
#include "platform/text/text.h"
#include "messages/catalogue_tables.h"
#include "messages/messages.h"

namespace {

// The placeholders a text takes, "%1".."%9".
std::set<char> placeholders(std::string_view text) {
  std::set<char> found;
  for (size_t at = 0; at + 1 < text.size(); ++at) {
    if (text[at] == '%' && text[at + 1] >= '1' && text[at + 1] <= '9') found.insert(text[at + 1]);
  }
  return found;
}

TEST(CatalogueTables, EveryKeyIsUniqueAndSaysTheSameValuesInBothLanguages) {
  std::set<std::string_view> keys;
  for (const std::span<const CatalogueRow> table : catalogueTables()) {
    for (const CatalogueRow& row : table) {
      EXPECT_TRUE(keys.insert(row.key).second) << "key twice: " << row.key;
      EXPECT_FALSE(row.pt.empty()) << row.key;
      EXPECT_TRUE(isValidUtf8(row.pt) && isValidUtf8(row.en)) << row.key;
      EXPECT_FALSE(row.en.empty()) << row.key;
      EXPECT_EQ(placeholders(row.pt), placeholders(row.en)) << row.key;
    }
  }
}

struct LanguageScope {
  explicit LanguageScope(Language language) : saved(currentLanguage()) { setCurrentLanguage(language); }
  ~LanguageScope() { setCurrentLanguage(saved); }
  Language saved;
};

TEST(FileFailureReason, EveryErrorASaveOrALoadMeetsIsSaidInWordsInEitherLanguage) {
  for (const Language language : {Language::Portuguese, Language::English}) {
    const LanguageScope scope(language);
    std::set<std::string> said;
    for (const int error : {EXDEV, EMFILE, ENFILE, ELOOP, ENAMETOOLONG, EROFS, EDQUOT, EIO, ENOSPC, ETXTBSY, EBUSY,
                            ENOTDIR, EACCES, kFolderNotWritable, EISDIR, EINVAL, ENOENT, EEXIST, EFBIG, ENOMEM, ENOEXEC}) {
      const std::string words = fileFailureReason(error);
      EXPECT_EQ(words.find_first_of("0123456789"), std::string::npos) << error << ": " << words;
      said.insert(words);
    }
    // Each of these errors has words of its own.
    EXPECT_EQ(said.size(), 21u);
  }
  EXPECT_EQ(fileFailureReason(4000), "erro do sistema número 4000");
  const LanguageScope english(Language::English);
  EXPECT_EQ(fileFailureReason(4000), "system error number 4000");
  EXPECT_EQ(fileFailureReason(ENOSPC), "the disk is full");
}

// The platform says these in the catalogue's words as soon as the catalogue is linked in.
TEST(PlatformWords, TheClockAndTheTerminalAreSaidInTheUsersLanguage) {
  struct Case {
    Language language;
    PlatformSentence sentence;
    std::initializer_list<std::string_view> values;
    const char* said;  // UTF-8
  };
  const Case cases[] = {
      {Language::Portuguese, PlatformSentence::TimeOfDay, {"14", "5"}, "14 horas e 5 minutos"},
      {Language::English, PlatformSentence::TimeOfDay, {"14", "5"}, "14 hours and 5 minutes"},
      {Language::Portuguese, PlatformSentence::Date, {"9", "3", "2026"}, "9 de março de 2026"},
      {Language::English, PlatformSentence::Date, {"9", "12", "2026"}, "December 9, 2026"},
      {Language::Portuguese, PlatformSentence::TerminalTooSmall, {"60", "20", "80", "25"},
       "O terminal tem 60 colunas e 20 linhas; o Pontelix precisa de 80 por 25: só parte da tela aparece."},
  };
  for (const Case& c : cases) {
    const LanguageScope scope(c.language);
    EXPECT_EQ(platformSentence(c.sentence, c.values), c.said) << c.said;
  }
}

}  // namespace
