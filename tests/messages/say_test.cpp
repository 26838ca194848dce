// sayMessage and the shared screen services on a headless console.
#include "platform/popup_fixture.h"
#include "messages/messages.h"

namespace {

using SayMessageTest = PopupTest;

TEST_F(SayMessageTest, LineEndCountsLayTheTextOut) {
  conGoto(5, 2);
  sayMessage("PXOQUE", 0);
  EXPECT_EQ(row(2), "    Pontelix - Que deseja?");
  EXPECT_EQ(conColumn(), 5 + 23);
  EXPECT_EQ(conRow(), 2);

  conGoto(1, 4);
  sayMessage("PXOK", 1);
  EXPECT_EQ(conRow(), 5);
  EXPECT_EQ(conColumn(), 1);
  sayMessage("PXFIM", 2);
  EXPECT_EQ(row(5), "Fim do Pontelix");
  EXPECT_EQ(conRow(), 7);

  EXPECT_EQ(heard(), (std::vector<std::string>{"say: Pontelix - Que deseja? ", "say: OK.",
                                               "say: Fim do Pontelix"}));
}

TEST_F(SayMessageTest, ANegativeCountIsOnlyHeard) {
  conGoto(3, 3);
  const std::vector<ConCell> before = snapshot();
  sayMessage("PXAPTF9", -1);
  EXPECT_TRUE(sameScreen(before, snapshot()));
  EXPECT_EQ(conColumn(), 3);
  EXPECT_EQ(conRow(), 3);
  EXPECT_EQ(heard(), (std::vector<std::string>{"say: Aperte F1 para ouvir as opções ou F9 para escolher uma"}));
}

TEST_F(SayMessageTest, AnUnknownKeyIsWrittenAndSpokenByName) {
  sayMessage("px_texto", 1);
  EXPECT_EQ(row(1), "--> Mensagem inválida: px_texto");
  EXPECT_EQ(heard(), (std::vector<std::string>{"say: --> Mensagem inválida: px_texto"}));
}

TEST_F(SayMessageTest, TheEffectComesFirstAndARecordingReplacesSynthesis) {
  startSpeechWithRecordings({"EF_PXINIC", "PXINIC", "EF_PXFIM", "PXOK"});
  sayMessage("PXINIC", 0);
  sayMessage("PXFIM", 1);
  sayMessage("PXOK", 1);
  sayMessage("PXOQUE", -1);
  EXPECT_EQ(heard(), (std::vector<std::string>{"play: EF_PXINIC.wav", "play: PXINIC.wav",
                                               "play: EF_PXFIM.wav", "say: Fim do Pontelix",
                                               "play: PXOK.wav", "say: Pontelix - Que deseja? "}));
  EXPECT_EQ(row(1), "Pontelix - Fim do Pontelix");
  EXPECT_EQ(row(2), "OK.");
}

TEST_F(SayMessageTest, NotImplementedIsFollowedByAnEmptyLine) {
  conWriteLine("x");
  sayNotImplemented();
  EXPECT_EQ(row(2), "Não implementado");
  EXPECT_EQ(conRow(), 4);
  EXPECT_EQ(heard(), (std::vector<std::string>{"say: Não implementado"}));
}

TEST_F(SayMessageTest, TheTitleNamesTheProject) {
  PatientUser& frontend = userKeys({});
  setWindowTitle("");
  EXPECT_EQ(frontend.title_, "Pontelix ");
  setWindowTitle("aula.pxg");
  EXPECT_EQ(frontend.title_, "Pontelix aula.pxg");
}

TEST_F(SayMessageTest, TheBannerHasItsMeasuresAndLeavesTheCursorOnRowNine) {
  conWrite("antes");
  conSetWindow(10, 10, 20, 20);
  showBanner();
  EXPECT_EQ(conTextWindow(), ConRect{});
  EXPECT_EQ(conColumn(), 1);
  EXPECT_EQ(conRow(), 9);
  EXPECT_EQ(conTextAttr() >> 4, 0);
  for (int r = 1; r <= 7; ++r) {
    std::string line;
    for (int c = 7; c <= 74; ++c) {
      const ConCell cell = conScreenCell(c, r);
      line += static_cast<char>(cell.ch);
      EXPECT_EQ(cell.attr >> 4, 1) << "row " << r << " column " << c;
    }
    EXPECT_EQ(line.find_first_not_of(" *"), std::string::npos) << line;
    EXPECT_NE(line.find('*'), std::string::npos);
    EXPECT_EQ(conScreenCell(6, r).attr >> 4, 0);
    EXPECT_EQ(conScreenCell(75, r).attr >> 4, 0);
    EXPECT_EQ(conScreenCell(6, r).ch, ' ');
  }
  // Eight letters, I narrower: blank columns only between letters.
  std::string used(68, ' ');
  for (int r = 1; r <= 7; ++r)
    for (int c = 0; c < 68; ++c)
      if (conScreenCell(7 + c, r).ch == '*') used[static_cast<size_t>(c)] = '#';
  EXPECT_EQ(used, "#######  #######  #######  #######  #######  #######  #####  #######");
  for (int r = 8; r <= 25; ++r) EXPECT_EQ(row(r), "");
}

TEST_F(SayMessageTest, ClearScreenFromLeavesTheRowsAbove) {
  for (int r = 1; r <= 25; ++r) {
    conGoto(1, r);
    conWrite("linha");
  }
  clearScreenFrom(20);
  EXPECT_EQ(row(19), "linha");
  for (int r = 20; r <= 25; ++r) EXPECT_EQ(row(r), "");
  EXPECT_EQ(conColumn(), 1);
  EXPECT_EQ(conRow(), 20);
}

}  // namespace
