// askKey: a typed character answers at once; other keys open the popup of allowed keys.
#include "widgets/forms/askkey.h"
#include "platform/popup_fixture.h"
#include "platform/text/in_language.h"

namespace {

using AskKeyTest = PopupTest;

TEST_F(AskKeyTest, ATypedLetterAnswersAtOnceUpperCased) {
  user("n");
  conWrite("Quer? ");
  EXPECT_EQ(askKey("SN"), 'N');
  EXPECT_EQ(row(1), "Quer? n");
  EXPECT_EQ(conRow(), 2);
  EXPECT_EQ(conColumn(), 1);

  // Not checked against the allowed characters: the caller compares.
  user("\xc3\xa7");  // ç
  EXPECT_EQ(askKey("SN"), 0xC7);
}

TEST_F(AskKeyTest, AnArrowOpensThePopupOfAllowedKeys) {
  paintBackground();
  conGoto(1, 3);
  conClearEol();
  conWrite("Quer? ");
  user("<Down><Down><Enter>");
  EXPECT_EQ(askKey("sN"), 'N');
  EXPECT_EQ(heard(), (std::vector<std::string>{"say: s", "say: N"}));
  EXPECT_EQ(row(3), "Quer? N");
  // The rows the popup covered are back.
  EXPECT_EQ(row(4), std::string(79, 'a' + 4));
  EXPECT_EQ(conRow(), 4);

  user("<Up><Enter>");
  EXPECT_EQ(askKey("sN"), 's');  // as the allowed characters spell it
}

TEST_F(AskKeyTest, EscInThePopupCancels) {
  user("<Down><Esc>");
  conWrite("Quer? ");
  EXPECT_EQ(askKey("SN"), 27);
  EXPECT_EQ(row(1), "Quer?");
  EXPECT_EQ(conRow(), 2);
  EXPECT_EQ(conColumn(), 1);
}

TEST_F(AskKeyTest, ControlCharactersAreNamedAndThePopupMakesRoomAtTheBottom) {
  conGoto(1, 25);
  conWrite("Tecla: ");
  user("<Left><Down><Enter>");
  EXPECT_EQ(askKey("\x13\x0e"), 0x0E);
  EXPECT_EQ(heard().at(0), "say: Ctrl-S");
  EXPECT_EQ(heard().at(1), "say: Ctrl-N");
  // Two rows were made for the two items: the prompt moved up to row 23.
  EXPECT_EQ(row(23), "Tecla: Ctrl-N");
  EXPECT_EQ(conRow(), 24);
}

TEST_F(AskKeyTest, AControlCharacterChosenIsWrittenByItsName) {
  // Written as the byte itself it would beep, or move the cursor back over the prompt.
  for (const auto& [allowed, shown] : {std::pair{"\x07", "Ctrl-G"}, {"\x08", "Ctrl-H"}}) {
    conReset();
    transcriptOpen(dir_ + "/transcript.txt");
    conWrite("Tecla: ");
    user("<Down><Enter>");
    EXPECT_EQ(askKey(allowed), allowed[0]);
    EXPECT_EQ(row(1), std::string("Tecla: ") + shown);
    EXPECT_EQ(transcript().find("beep"), std::string::npos);
  }
}

TEST_F(AskKeyTest, PopupItemsPlayTheSharedLetterRecordings) {
  startSpeechWithRecordings({"_83", "_78"});
  user("<Down><Down><Esc>");
  EXPECT_EQ(askKey("SN"), 27);
  EXPECT_EQ(heard(), (std::vector<std::string>{"play: _83.wav", "play: _78.wav"}));
}

TEST_F(AskKeyTest, InEnglishOnlyTheRecordingsOfTheEnglishFolderPlay) {
  const InLanguage english(Language::English);
  startSpeechWithRecordings({"_89", "_78"});
  std::filesystem::create_directories(dir_ + "/letras/en");
  std::filesystem::copy_file(dir_ + "/letras/_78.wav", dir_ + "/letras/en/_78.wav");
  user("<Down><Down><Esc>");
  EXPECT_EQ(askKey(yesNoLetters()), 27);
  EXPECT_EQ(heard(), (std::vector<std::string>{"say: Y", "play: _78.wav"}));
}

TEST_F(AskKeyTest, YesIsSInPortugueseAndYInEnglishInEitherCase) {
  const struct {
    Language language;
    const char* keys;
    bool yes;
  } cases[] = {
      {Language::Portuguese, "s", true},          {Language::Portuguese, "S", true},
      {Language::Portuguese, "y", false},         {Language::Portuguese, "n", false},
      {Language::English, "y", true},             {Language::English, "Y", true},
      {Language::English, "s", false},            {Language::English, "n", false},
      {Language::English, "<Down><Enter>", true}, {Language::English, "<Down><Esc>", false},
  };
  for (const auto& c : cases) {
    const InLanguage language(c.language);
    user(c.keys);
    EXPECT_EQ(askYesNo(), c.yes) << c.keys;
  }
  const InLanguage english(Language::English);
  EXPECT_TRUE(isNoKey('n'));
  EXPECT_FALSE(isNoKey(27));
}

}  // namespace
