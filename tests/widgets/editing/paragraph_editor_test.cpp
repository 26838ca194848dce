#include "widgets/editing/editing.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/console.h"
#include "platform/screen.h"
#include "platform/text/text.h"
#include "platform/console_fixture.h"
#include "heard_in_order.h"
#include "scratch.h"

using ::testing::ElementsAre;

namespace {

// The window option E uses below the main menu: rows 11 to 24.
constexpr ParagraphEditorWindow kBelowMenu{1, 11, 80, 14};
const std::string kMarker = "\xc2\xb7";  // as the screen rows show it, in UTF-8

class ParagraphEditorTest : public ConsoleTest {
 protected:
  // Runs the editor on the list with the keys; `finished` tells whether it ended by
  // itself or was still editing when the keys ran out.
  std::vector<std::string> edit(std::vector<std::string> list, const std::string& script,
                                bool escEndsAtOnce = false, ParagraphEditorWindow window = kBelowMenu) {
    keys(script);
    finished_ = false;
    try {
      editTextList(list, false, false, window, escEndsAtOnce);
      finished_ = true;
    } catch (const ProgramEnded&) {
    }
    return list;
  }

  long timesHeard(const std::string& event) {
    const auto lines = transcriptLines(transcript());
    return std::count(lines.begin(), lines.end(), event);
  }
  bool heardInOrder(std::initializer_list<std::string> events) {
    return eventsInOrder(transcriptLines(transcript()), events);
  }
  int attrAt(int column, int row) { return conScreenCell(column, row).attr; }

  bool finished_ = false;
};

std::string longLine() {
  std::string line;
  for (int i = 0; line.size() < 200; ++i) line += (i ? " " : "") + std::to_string(i * 7);
  line.resize(200);
  if (line.back() == ' ') line.back() = '9';
  return line;
}

}  // namespace

TEST_F(ParagraphEditorTest, AnEmptyListIsOneEmptyLineAndTheScreenComesBack) {
  conGoto(1, 11);
  conWrite("o que estava embaixo");
  conSetTextColour(3);
  EXPECT_THAT(edit({}, "<Esc>", true), ElementsAre(""));
  EXPECT_TRUE(finished_);
  EXPECT_EQ(row(11), "o que estava embaixo");
  EXPECT_EQ(conTextAttr() & 0x0F, 3);
  EXPECT_EQ(conTextWindow(), (ConRect{1, 1, 80, 25}));
  EXPECT_TRUE(heardInOrder({"say: Editando, F9 ajuda", "tick"}));
}

TEST_F(ParagraphEditorTest, EscAsksAndOnlySEnds) {
  edit({"PT 1 2"}, "<Esc>");
  EXPECT_EQ(row(24), "Confirma fim da edi\xc3\xa7\xc3\xa3o?");
  EXPECT_EQ(attrAt(1, 24), 0x4E);  // yellow on red, on the window's last row
  EXPECT_THAT(edit({"PT 1 2"}, "<Esc>n"), ElementsAre("PT 1 2"));
  EXPECT_FALSE(finished_);  // still editing
  EXPECT_EQ(timesHeard("say: Confirma fim da edi\xc3\xa7\xc3\xa3o? "), 2);  // both runs asked
  EXPECT_THAT(edit({"PT 1 2"}, "<Esc>N<End>3<Esc>s"), ElementsAre("PT 1 23"));
  EXPECT_TRUE(finished_);
}

TEST_F(ParagraphEditorTest, ALongLineShowsAsThreeLinesAndComesBackWhole) {
  const std::string line = longLine();
  EXPECT_THAT(edit({"PT 1 2", line, "CI 0 0 5"}, "<Down><Down><Down>"), ElementsAre("PT 1 2", line, "CI 0 0 5"));
  EXPECT_EQ(row(11), "PT 1 2");
  EXPECT_EQ(row(12).substr(0, 2), cp1252ToUtf8(line.substr(0, 2)));
  EXPECT_EQ(row(13).substr(0, 2), kMarker);
  EXPECT_EQ(row(14).substr(0, 2), kMarker);
  EXPECT_EQ(row(15), "CI 0 0 5");
  EXPECT_EQ(attrAt(1, 14), 0x0E);  // the current line, reached by three steps down
  EXPECT_EQ(attrAt(1, 15), 0x0F);
  // Reaching a continuation line ticks before it is spoken.
  EXPECT_EQ(timesHeard("tick"), 2);
  const std::string edited = edit({line}, "<Esc>s", false, {1, 11, 80, 14})[0];
  EXPECT_EQ(edited, line);
}

TEST_F(ParagraphEditorTest, TypingPastTheEdgeAndEnterStartANewLineAfterTheParagraph) {
  const std::string typed(100, 'x');
  EXPECT_THAT(edit({"PT 1 2"}, "<End> " + typed + " y<Enter>CI<Esc>s"),
              ElementsAre("PT 1 2 " + typed + " y", "CI"));
}

TEST_F(ParagraphEditorTest, EnterAndF7OnTheLastLine) {
  EXPECT_THAT(edit({"PT 1 2"}, "<Enter>CI<Esc>s"), ElementsAre("PT 1 2", "CI"));
  EXPECT_TRUE(heardInOrder({"say: Nova linha", "tick"}));

  EXPECT_THAT(edit({"PT", ""}, "<Down><F7><Esc>s"), ElementsAre("PT", ""));
  EXPECT_EQ(timesHeard("say: Linha removida"), 0);
  EXPECT_THAT(edit({"PT", "CI"}, "<Down><F7><Esc>s"), ElementsAre("PT", ""));  // emptied
  EXPECT_THAT(edit({"PT", "CI", "RT"}, "<Ctrl+Y><Esc>s"), ElementsAre("CI", "RT"));
  EXPECT_EQ(timesHeard("say: Linha removida"), 2);
}

TEST_F(ParagraphEditorTest, CtrlEnterInsertsAtColumnOneAndSplitsElsewhere) {
  EXPECT_THAT(edit({"PT 1 2"}, "<Ctrl+Enter>CI<Esc>s"), ElementsAre("CI", "PT 1 2"));
  EXPECT_THAT(edit({"PT 1 2CI 3"}, "<Right><Right><Right><Right><Right><Right><Ctrl+Enter><Esc>s"),
              ElementsAre("PT 1 2", "CI 3"));
  EXPECT_EQ(timesHeard("say: Linha quebrada"), 1);
}

TEST_F(ParagraphEditorTest, JoiningTheFirstParagraphIsRefused) {
  EXPECT_THAT(edit({"PT 1", "2"}, "<Ctrl+F7><Down><Ctrl+F7><Esc>s"), ElementsAre("PT 1 2"));
  EXPECT_TRUE(heardInOrder({"click", "say: N\xc3\xa3o posso juntar dois par\xc3\xa1grafos aqui",
                            "say: Par\xc3\xa1grafos juntados"}));
}

TEST_F(ParagraphEditorTest, MovingPastEitherEndClicks) {
  edit({"PT", "CI"}, "<Up><Ctrl+PgDn><PgUp><PgDn>");
  // Up at the top; the bottom signal of Ctrl+PgDn; PgUp goes a page and one line up,
  // past the top; PgDn likewise past the end.
  EXPECT_EQ(timesHeard("click"), 4);
  EXPECT_EQ(attrAt(1, 11), 0x0E);     // the window now starts at the last line
  EXPECT_EQ(row(11), "CI");
}

TEST_F(ParagraphEditorTest, SearchLooksOnlyBelowAndNeverWrapsRound) {
  edit({"PT 1", "CI 0 0 5", "RT 0 0 1 1", "ci 9"}, "<F5>ci<Enter><Ctrl+F5>");
  EXPECT_EQ(attrAt(1, 14), 0x0E);  // found the second "ci", in any case
  EXPECT_EQ(timesHeard("click"), 0);
  edit({"PT 1", "CI 0 0 5", "RT 0 0 1 1"}, "<Down><F5>PT<Enter>");
  EXPECT_EQ(timesHeard("click"), 2);  // not found: two clicks, and one step down
  EXPECT_EQ(attrAt(1, 13), 0x0E);
  edit({"PT 1", "CI 0 0 5"}, "<Down><F5>PT<Enter>");
  EXPECT_EQ(timesHeard("click"), 3);  // on the last line only the step's own click
}

TEST_F(ParagraphEditorTest, BlockCopyMoveAndTheErrorList) {
  edit({"a", "b", "c"}, "<Ctrl+B>i<Down><Ctrl+B>f<Down><Ctrl+B>c");
  EXPECT_EQ(row(15), "c");
  EXPECT_EQ(attrAt(1, 11), 0x02);  // the block is green, the current line yellow
  EXPECT_EQ(attrAt(1, 13), 0x0E);
  EXPECT_THAT(edit({"a", "b", "c"}, "<Ctrl+B>i<Down><Ctrl+B>f<Down><Ctrl+B>c<Esc>s"),
              ElementsAre("a", "b", "a", "b", "c"));
  EXPECT_THAT(edit({"a", "b", "c"}, "<Ctrl+B>I<Ctrl+B>F<Down><Down><Ctrl+B>m<Esc>s"),
              ElementsAre("b", "a", "c"));
  EXPECT_THAT(edit({"a", "b"}, "<Ctrl+B>c<Ctrl+B>x<Esc>s"), ElementsAre("a", "b"));
  EXPECT_TRUE(heardInOrder({"say: Copiar", "click", "say: Erro: opera\xc3\xa7\xc3\xb5" "es v\xc3\xa1lidas:",
                            "say: i - In\xc3\xad" "cio", "say: l - Ler"}));
}

TEST_F(ParagraphEditorTest, BlockWriteAndReadGoThroughFiles) {
  const std::string file = dir_ + "/bloco.txt";
  edit({"PT 1", longLine(), "CI"}, "<Down><Ctrl+B>i<Down><Down><Down><Ctrl+B>f<Ctrl+B>g" + file + "<Enter>");
  EXPECT_EQ(readBytes(file), longLine() + "\r\nCI\r\n");
  EXPECT_EQ(timesHeard("say: Bloco gravado."), 1);
  // An existing file is replaced only when the user agrees.
  edit({"PT 2"}, "<Ctrl+B>t<Ctrl+B>g" + file + "<Enter>n<Ctrl+B>g" + file + "<Enter>s");
  EXPECT_EQ(timesHeard("say: Arquivo j\xc3\xa1 existe. Substitui? "), 2);
  EXPECT_EQ(readBytes(file), "PT 2\r\n");

  writeBytes(file, "RT 0 0 1 1\n\tTB 0 0 x\n");
  EXPECT_THAT(edit({"PT 1", "CI"}, "<Down><Ctrl+B>l" + file + "<Enter><Esc>s"),
              ElementsAre("PT 1", "RT 0 0 1 1", "        TB 0 0 x", "CI"));
  EXPECT_EQ(timesHeard("say: Bloco lido."), 1);
}

TEST_F(ParagraphEditorTest, AHostileFileIsAReadErrorAndInsertsNothing) {
  const std::string file = dir_ + "/utf16.txt";
  writeBytes(file, std::string("P\0T\0 \0001\0", 8));
  for (const std::string& name : {file, dir_ + "/missing.txt", dir_}) {
    EXPECT_THAT(edit({"PT 1"}, "<Ctrl+B>l" + name + "<Enter><Enter><Esc>s"), ElementsAre("PT 1"));
    EXPECT_TRUE(finished_) << name;
  }
  EXPECT_EQ(timesHeard("say: Erro de leitura, aperte enter"), 3);
  edit({"PT 1"}, "<Ctrl+B>G<Ctrl+B>l<Enter>");
  // No block to write is said; no name to read clicks.
  EXPECT_EQ(timesHeard("say: Nenhum bloco marcado: Control-B I marca o in\xc3\xad" "cio, Control-B F o fim."), 1);
  EXPECT_EQ(timesHeard("click"), 1);
}

TEST_F(ParagraphEditorTest, ClipboardCopiesTheBlockAndPastesBelow) {
  EXPECT_THAT(edit({"PT 1", "", "CI"}, "<Ctrl+B>t<Ctrl+C><Down><Down><Ctrl+V><Esc>s"),
              ElementsAre("PT 1", "", "PT 1", "", "CI", "CI"));
  EXPECT_EQ(conPasteFromClipboard(100), "PT 1\r\n\r\nCI\r\n");
}

TEST_F(ParagraphEditorTest, DraftSaveAsksOnceThenKeepsTheName) {
  const std::string draft = dir_ + "/rascunho.pxg";
  edit({"PT 1"}, "<F2>" + draft + "<Enter><End>2<F2>");
  EXPECT_EQ(readBytes(draft), "PT 12\r\n");
  EXPECT_EQ(timesHeard("say: Arquivo a gravar: "), 1);
  EXPECT_EQ(timesHeard("say: Rascunho gravado."), 2);
  edit({"PT 3"}, "<F2>" + draft + "<Enter>n");
  EXPECT_EQ(readBytes(draft), "PT 12\r\n");  // kept: the user did not agree
  edit({"PT 1"}, "<F2>" + dir_ + "/nao/existe.pxg<Enter>");
  EXPECT_EQ(timesHeard("say: Erro ao gravar o rascunho."), 1);
}

TEST_F(ParagraphEditorTest, HelpHasFourPagesAndEscSkipsTheRest) {
  edit({"PT"}, "<F9>xxxx<Esc>s");
  EXPECT_TRUE(heardInOrder({"say: Orienta\xc3\xa7\xc3\xb5" "es sobre o REDATOR",
                            "say: Para processar blocos de linhas use control-B seguido de uma letra, "
                            "indicando In\xc3\xad" "cio, Fim, Copiar, Mover, Desmarcar, Gravar e Ler."}));
  EXPECT_TRUE(finished_);
  edit({"PT"}, "<F9><Esc><Esc>s");
  EXPECT_EQ(timesHeard("say: Para apagar uma linha aperte F7. Para juntar um par\xc3\xa1grafo com o anterior "
                       "use control-F7. Para inserir um par\xc3\xa1grafo abaixo, aperte enter. Para quebrar um "
                       "par\xc3\xa1grafo em dois, aperte control-enter."),
            1);  // from the first run only
}

TEST_F(ParagraphEditorTest, ReadOnReadsParagraphsToTheEnd) {
  edit({"PT 1", longLine(), "", "CI"}, "<Ctrl+Down>");
  EXPECT_TRUE(heardInOrder({"say: PT 1", "say: " + longLine(), "say: CI", "click", "click", "click",
                            "say: Fim de leitura"}));
  EXPECT_EQ(attrAt(1, 16), 0x0E);  // the last line is current
}

TEST_F(ParagraphEditorTest, UnknownKeysAreInvalid) {
  edit({"PT"}, "<F3><Tab>");
  EXPECT_EQ(timesHeard("say: Opera\xc3\xa7\xc3\xa3o inv\xc3\xa1lida"), 2);
}

TEST_F(ParagraphEditorTest, AFrameShrinksTheAreaAndJoinedLinesWrapInside) {
  keys("");
  std::vector<std::string> list{"abcdef", "ghijk", "", " lmn"};
  EXPECT_THROW(editTextList(list, true, true, {5, 5, 10, 6}, true), ProgramEnded);
  EXPECT_EQ(row(5), "    +--------+");
  EXPECT_EQ(row(6), "    |abcdef  |");
  EXPECT_EQ(row(7), "    |" + kMarker + " ghijk |");
  EXPECT_EQ(row(8), "    |        |");
  EXPECT_EQ(row(9), "    | lmn    |");
  EXPECT_EQ(row(10), "    +--------+");
  keys("<Esc>");
  editTextList(list, true, true, {5, 5, 10, 6}, true);
  EXPECT_THAT(list, ElementsAre("abcdef ghijk", "", " lmn"));
}
