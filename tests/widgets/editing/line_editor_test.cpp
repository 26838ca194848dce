#include "platform/console.h"
#include "widgets/editing/editing.h"
#include "platform/keys.h"
#include "platform/text/text.h"
#include "platform/popup_fixture.h"

namespace {

class LineEditorTest : public ConsoleTest {
 protected:
  // Edits `text` at column 1, row 1, 20 wide, with the given keys; returns the end code.
  int edit(const std::string& script, std::string& text, bool editable = true, int maxLength = 20) {
    keys(script);
    return conEditLine(text, 1, 1, editable, 20, maxLength);
  }
  size_t count(const std::string& what) {
    const std::string t = transcript();
    size_t n = 0;
    for (size_t at = t.find(what); at != std::string::npos; at = t.find(what, at + 1)) ++n;
    return n;
  }
};

}  // namespace

TEST_F(LineEditorTest, EndingKeysReturnTheirCodesAndTrimTheText) {
  const std::pair<const char*, int> cases[] = {
      {"ab<Enter>", 13}, {"ab<Esc>", 27}, {"ab<Ctrl+Enter>", 10}, {"ab<Ctrl+B>", 2},
      {"ab<Tab>", 9},    {"ab<Up>", 72},  {"ab<PgDn>", 81},       {"ab<F2>", 60}};
  for (const auto& [script, code] : cases) {
    std::string text;
    EXPECT_EQ(edit(script, text), code) << script;
    EXPECT_EQ(text, "ab") << script;  // Esc keeps what was typed, too
  }
  EXPECT_EQ(row(1), "ab");
}

TEST_F(LineEditorTest, FirstKeyReplacesTheValueOnlyInAnEditableField) {
  std::string text = "velho";
  edit("n<Enter>", text);
  EXPECT_EQ(text, "n");
  EXPECT_EQ(count("tick"), 2u);
  text = "velho";
  edit("n<Enter>", text, false);
  EXPECT_EQ(text, "nvelho");
  text = "velho";
  edit("<End>!<Enter>", text);  // a key that is not typed first keeps the value
  EXPECT_EQ(text, "velho!");
}

TEST_F(LineEditorTest, InsertKeepsTheMaximumLength) {
  std::string text = "abcd";
  edit("<Home>xy<Enter>", text, true, 5);
  EXPECT_EQ(text, "xyabc");
  text.clear();
  EXPECT_EQ(count("click"), 0u);
  edit("123456<Enter>", text, true, 5);
  EXPECT_EQ(text, "12345");
  EXPECT_EQ(count("click"), 1u);  // the sixth character had no room
}

struct EditCase {
  const char* before;
  const char* script;
  const char* after;
  bool editable = true;
};

TEST_F(LineEditorTest, KeysThatChangeTheText) {
  const EditCase cases[] = {
      {"um dois tres", "<End><BS><BS><Home><Del><Enter>", "m dois tr"},
      {"um dois tres", "<Home><Ctrl+Right><Right><Ctrl+BS><Enter>", "um tres"},
      {"um dois   ", "<End><Ctrl+BS><Enter>", "um"},
      // Left without Shift drops the selection: Del then takes one character.
      {"abcdef", "<Right><Shift+Right><Shift+Right><Shift+Right><Left><Del><Enter>", "abcef"},
      {"abcdef", "<Right><Shift+Right><Shift+Right><Del><Enter>", "adef"},
      {"abc def", "<Right><Right><Right><Ctrl+D><Enter>", "abc"},
      {"abc def", "<Right><Right><Right><Ctrl+S><Enter>", " def"},
      {"abc def", "<Ctrl+Y><Enter>", ""},
      {"abc def", "<Ctrl+Y><Ctrl+D><Enter>", "abc def", false},
      {"um dois", "<End><Ctrl+Left>_<Enter>", "um _dois"},
      // Every key steps over whole characters, never into one's bytes.
      {"área π≤∞", "<End><BS><Left><Del><Home><Right><Del>π<Enter>", "áπea π"},
      {"ação ∞", "<End><Ctrl+BS>x<Enter>", "ação x"},
  };
  for (const EditCase& c : cases) {
    std::string text = c.before;
    edit(c.script, text, c.editable);
    EXPECT_EQ(text, c.after) << c.before << " with " << c.script;
  }
}

TEST_F(LineEditorTest, ClicksAtTheEdgesAndOnRestore) {
  std::string text = "um dois tres";
  edit("<Home><BS><Ctrl+Left><Left><Enter>", text);
  EXPECT_EQ(text, "um dois tres");
  EXPECT_EQ(count("click"), 3u);
  edit("<Ctrl+Y><Ctrl+U><Enter>", text);
  EXPECT_EQ(text, "um dois tres");
  EXPECT_EQ(count("click"), 6u);
}

TEST_F(LineEditorTest, SelectionIsShownOnGreyOnlyWhileEditing) {
  std::string text = "abc";
  keys("<Shift+Right>");
  EXPECT_THROW(conEditLine(text, 1, 1, true, 20, 20), ProgramEnded);
  EXPECT_EQ(conScreenCell(1, 1).attr >> 4, 8);
  EXPECT_EQ(conScreenCell(2, 1).attr >> 4, 0);
  text = "abc def";
  edit("<End><Ctrl+Shift+Left><Esc>", text);
  EXPECT_EQ(conScreenCell(5, 1).attr >> 4, 0);
}

TEST_F(LineEditorTest, NoWordToSayClicks) {
  // F12 on a blank field, and Ctrl+Left into leading blanks, find no word.
  std::string text;
  edit("<F12><Enter>", text);
  EXPECT_EQ(count("click"), 1u);
  text = "  ab";
  edit("<Right><Ctrl+Left><F12><Enter>", text);
  EXPECT_EQ(count("click"), 3u);
  EXPECT_EQ(count("say:"), 0u);
}

TEST_F(LineEditorTest, MovingByWordsAndTheEnds) {
  std::string text = "um dois";
  edit("<Ctrl+Right><Ctrl+Right>X<Enter>", text);
  EXPECT_EQ(text, "um doisX");
  EXPECT_EQ(count("tick"), 1u);
}

TEST_F(LineEditorTest, ClipboardKeysAndTheParagraphEditorFlag) {
  std::string text = "copie isto  ";
  edit("<Ctrl+C><Enter>", text);
  EXPECT_EQ(conPasteFromClipboard(100), "copie isto\r\n");
  conCopyToClipboard("colado\r\nsegunda");
  text = "ab";
  edit("<Right><Shift+Ins><Enter>", text);
  EXPECT_EQ(text, "acoladob");
  text = "xyz";
  edit("<Shift+Right><Ctrl+V><Enter>", text);
  EXPECT_EQ(text, "coladoyz");
  conSetParagraphEditorMode(true);
  EXPECT_EQ(edit("<Ctrl+C>", text), 3);
  EXPECT_EQ(edit("<Ctrl+V>", text), 22);
  conSetParagraphEditorMode(false);
}

TEST_F(LineEditorTest, TheParagraphEditorStartsAtAColumnTypesInAndLearnsWhereEditingEnded) {
  conSetParagraphEditorMode(true);
  std::string text = "PT 1 2";
  int cursor = 4;
  keys("9<Ctrl+Enter>");
  EXPECT_EQ(conEditLineFrom(text, 1, 1, true, 20, 20, cursor), key::kCtrlEnter);
  EXPECT_EQ(text, "PT 91 2");  // inserted where it started; no line of text is wiped
  EXPECT_EQ(cursor, 5);
  EXPECT_EQ(count("tick"), 0u);
  cursor = 99;  // beyond the field: the cursor waits at its end
  keys("<Left><Enter>");
  conEditLineFrom(text, 1, 1, true, 20, 20, cursor);
  EXPECT_EQ(cursor, 20);
  conSetParagraphEditorMode(false);
}

TEST_F(LineEditorTest, LongTextScrollsInsideTheVisibleWidth) {
  std::string text;
  keys(std::string(30, 'a') + "b<Enter>");
  conEditLine(text, 5, 2, true, 10, 100);
  EXPECT_EQ(text, std::string(30, 'a') + "b");
  // The cursor after the b stays visible in the last cell.
  EXPECT_EQ(row(2), "    " + std::string(8, 'a') + "b");
}

TEST_F(LineEditorTest, ControlCharactersInTheTextTakeOneBlankCellEach) {
  std::string text = "a\tb\nc\a";
  keys("<End>d<Enter>");
  conEditLine(text, 1, 3, true, 20, 20);
  EXPECT_EQ(text, "a\tb\nc\ad");
  EXPECT_EQ(row(3), "a b c d");
  EXPECT_EQ(row(4), "");
  EXPECT_EQ(transcript().find("beep"), std::string::npos);
}

TEST_F(LineEditorTest, FieldOnTheLastRowNeverScrollsTheWindow) {
  conGoto(1, 1);
  conWrite("cabecalho");
  std::string text(80, 'z');
  keys("<Enter>");
  conEditLine(text, 1, 25, true, 80, 80);
  EXPECT_EQ(row(1), "cabecalho");
  EXPECT_EQ(row(25), std::string(79, 'z'));

  // No room at all: the bottom-right cell, or a column past the edge, is edited by ear.
  for (const int column : {80, 90}) {
    text.clear();
    keys("ok<Enter>");
    conEditLine(text, column, 25, true, 10, 10);
    EXPECT_EQ(text, "ok");
    EXPECT_EQ(row(1), "cabecalho");
  }
}

TEST_F(LineEditorTest, AFieldIsShownNoFurtherThanTheWindowEdge) {
  std::string text;
  keys(std::string(25, 'q') + "<Enter>");
  conEditLine(text, 70, 5, true, 20, 30);
  EXPECT_EQ(text, std::string(25, 'q'));
  EXPECT_EQ(row(5), std::string(69, ' ') + std::string(10, 'q'));
  EXPECT_EQ(row(6), "");
}

TEST_F(LineEditorTest, F4SwitchesSpeakingOfTypedCharacters) {
  std::string text;
  edit("a<F4>b<F4>c<Enter>", text);
  EXPECT_EQ(text, "abc");
  EXPECT_EQ(count("spell: a"), 1u);
  EXPECT_EQ(count("spell: b"), 0u);
  EXPECT_EQ(count("spell: c"), 1u);
  EXPECT_TRUE(conSpeaksTyping());
}

TEST_F(LineEditorTest, ReadLineEscBlanksTheLine) {
  conWrite("Nome: ");
  keys("digitado<Esc>");
  EXPECT_EQ(conReadLine(), "");
  EXPECT_EQ(row(1), "Nome:");
  EXPECT_EQ(conRow(), 2);
  keys("ok<Enter>");
  EXPECT_EQ(conReadLine(), "ok");
  EXPECT_EQ(row(2), "ok");
  EXPECT_EQ(conRow(), 3);
}

TEST_F(LineEditorTest, EditLineToEdgeStopsBeforeTheWindowEdge) {
  conSetWindow(1, 1, 40, 10);
  std::string text(60, 'w');
  keys("<Enter>");
  conEditLineToEdge(text, 11, 1, true, 100);
  EXPECT_EQ(row(1), std::string(10, ' ') + std::string(29, 'w'));
}

namespace {
using LineEditorSoundsTest = PopupTest;
}  // namespace

TEST_F(LineEditorSoundsTest, EachActionIsHeardByItsRecordingOrElseInWords) {
  // Without the suite's recordings every action still says what it did: Ctrl+F4 above
  // all, which waits for a digit.
  const char* script = "abc<Left><Ctrl+D><BS><Ctrl+S><Ctrl+Y><F4><F4><Ctrl+F4>x<Enter>";
  std::string text;
  user(script);
  conEditLine(text, 1, 1, true, 20, 20);
  const std::vector<std::string> words = said();
  // Written in UTF-8, as the transcript is: an independent road to the words.
  for (const char* expected : {"say: apagou", "say: campo apagado", "say: apagado até o fim do campo",
                               "say: apagado desde o início do campo", "say: fala ligada",
                               "say: fala desligada", "say: velocidade de 1 a 5"}) {
    EXPECT_NE(std::find(words.begin(), words.end(), expected), words.end()) << expected;
  }

  conReset();
  transcriptOpen(dir_ + "/transcript.txt");
  startSpeechWithRecordings({"_DEL", "_CPOAPA", "_APFCPO", "_APICPO", "_FALACI", "_FALDLG", "_VELOC"});
  text.clear();
  user(script);
  conEditLine(text, 1, 1, true, 20, 20);
  EXPECT_EQ(said(), std::vector<std::string>{});
  const std::vector<std::string> h = heard();
  for (const char* name : {"_DEL", "_CPOAPA", "_APFCPO", "_APICPO", "_FALACI", "_FALDLG", "_VELOC"})
    EXPECT_NE(std::find(h.begin(), h.end(), std::string("play: ") + name + ".wav"), h.end()) << name;
}
