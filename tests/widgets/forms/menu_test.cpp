// Popup menus: moving, clamping with a click, searching, announcing, placing and
// putting the screen back.
#include <algorithm>

#include "widgets/forms/menu.h"
#include "platform/popup_fixture.h"

namespace {

using MenuTest = PopupTest;

void openWith(int left, int top, int width, int height, std::initializer_list<const char*> items) {
  menuOpen(left, top, width, height, 5);
  for (const char* item : items) menuAddItem("", item);
}

const std::vector<std::string> kFive = {"Um", "Dois", "Tres", "Quatro", "Cinco"};

TEST_F(MenuTest, DownOnTheLastItemAndPageDownClampWithAClick) {
  user("<Down><Down><Down><Home><PgDn><Enter>");
  openWith(10, 5, 10, 3, {"Um", "Dois", "Tres"});
  EXPECT_EQ(menuSelect(), 3);
  EXPECT_EQ(menuChosenText(), "Tres");
  EXPECT_EQ(heard(), (std::vector<std::string>{"say: Um", "say: Dois", "say: Tres", "click",
                                               "say: Tres", "say: Um", "click", "say: Tres"}));
}

TEST_F(MenuTest, UpOnTheFirstItemAndPageUpClampToItemOne) {
  user("<Up><End><PgUp><Esc>");
  openWith(10, 5, 10, 3, {"Um", "Dois", "Tres"});
  EXPECT_EQ(menuSelect(), 0);
  EXPECT_EQ(menuChosenText(), "");
  EXPECT_EQ(heard(), (std::vector<std::string>{"say: Um", "click", "say: Um", "say: Tres",
                                               "click", "say: Um"}));
}

TEST_F(MenuTest, AStartItemIsHeardFirstAndOneOutsideTheListStartsAtOne) {
  user("<Down><Enter>");
  openWith(10, 5, 10, 5, {"Um", "Dois", "Tres", "Quatro", "Cinco"});
  EXPECT_EQ(menuSelect(4), 5);
  user("<Enter>");
  openWith(10, 5, 10, 3, {"Um", "Dois", "Tres"});
  EXPECT_EQ(menuSelect(4), 1);
  EXPECT_EQ(heard(), (std::vector<std::string>{"say: Quatro", "say: Cinco", "say: Um"}));
}

TEST_F(MenuTest, FirstLetterSearchRunsForwardWithoutWrapping) {
  user("pp<Home>r<Enter>");
  openWith(1, 1, 20, 3, {"PT - Ponto", "  RT - Reta", "PO - Pol\xedgono"});
  EXPECT_EQ(menuSelect(), 2);
  EXPECT_EQ(menuChosenText(), "  RT - Reta");
  EXPECT_EQ(heard(), (std::vector<std::string>{"say: PT - Ponto", "say: PO - Polígono", "click",
                                               "say: PO - Polígono", "say: PT - Ponto",
                                               "say:   RT - Reta"}));
}

TEST_F(MenuTest, SearchIgnoresTheCaseOfAccentedLetters) {
  user("\xc3\xa9<Enter>");  // é
  openWith(1, 1, 20, 3, {"Um", "\xc9" "brio", "Dois"});
  EXPECT_EQ(menuSelect(), 2);
}

TEST_F(MenuTest, AnEmptyMenuClicksAndReturnsNothing) {
  user("<Enter>");
  menuOpen(5, 5, 10, 0, 5);
  EXPECT_EQ(menuSelect(), 0);
  EXPECT_EQ(menuChosenText(), "");
  EXPECT_EQ(heard(), (std::vector<std::string>{"click", "click"}));
}

TEST_F(MenuTest, CtrlQInAnEmptyMenuSaysThereIsNothing) {
  user("<Ctrl+Q><Esc>");
  menuOpen(5, 5, 10, 0, 5);
  EXPECT_EQ(menuSelect(), 0);
  EXPECT_EQ(heard(), (std::vector<std::string>{"click", "say: 0 de 0", "click", "click"}));
}

TEST_F(MenuTest, CtrlQSaysThePositionAndRightSpells) {
  user("<Down><Ctrl+Q><Right><Esc>");
  menuOpen(1, 1, 10, 5, 5);
  for (const std::string& item : kFive) menuAddItem("", item);
  EXPECT_EQ(menuSelect(), 0);
  EXPECT_EQ(heard(), (std::vector<std::string>{"say: Um", "say: Dois", "say: 2 de 5", "say: Dois",
                                               "spell: Dois"}));
}

TEST_F(MenuTest, IsMovedToFitTheScreen) {
  user("<Esc>");
  menuOpen(70, 24, 20, 4, 5);
  const MenuFrame frame = menuFrame();
  EXPECT_EQ(frame.left, 60);
  EXPECT_EQ(frame.right, 79);
  EXPECT_EQ(frame.top, 22);
  EXPECT_EQ(frame.bottom, 25);
  menuSelect();

  // Wider or taller than the screen: kept on it, never in column 80.
  user("<Esc>");
  menuOpen(0, 0, 200, 40, 5);
  EXPECT_EQ(menuFrame().left, 1);
  EXPECT_EQ(menuFrame().right, 79);
  EXPECT_EQ(menuFrame().top, 1);
  EXPECT_EQ(menuFrame().bottom, 25);
  menuSelect();
}

TEST_F(MenuTest, ItemsAreDrawnOnTheMenuColourAndTheChoiceHighlighted) {
  user("<Down><Enter>");
  conGoto(7, 4);
  openWith(30, 10, 6, 3, {"Um", "Dois", "Tres"});
  EXPECT_EQ(menuRun(), 2);
  EXPECT_EQ(row(10), std::string(29, ' ') + "Um");
  EXPECT_EQ(row(11), std::string(29, ' ') + "Dois");
  EXPECT_EQ(conScreenCell(30, 10).attr, 0x5F);
  EXPECT_EQ(conScreenCell(35, 10).attr, 0x5F);  // padded to the menu's width
  EXPECT_EQ(conScreenCell(30, 11).attr, 0x5E);
  EXPECT_EQ(conScreenCell(30, 12).attr, 0x5F);
  EXPECT_EQ(conScreenCell(36, 10).attr, 0x0F);
}

TEST_F(MenuTest, TheCaretStandsOnTheFirstLetterOfTheCurrentItem) {
  PatientUser& keys = user("<Down>t<Enter>");
  openWith(30, 10, 20, 3, {"Um", "  Dois", "Tres"});
  EXPECT_EQ(menuRun(), 3);
  EXPECT_EQ(keys.caretAtKeys_, (std::vector<ConPoint>{{30, 10}, {32, 11}, {30, 12}}));
}

TEST_F(MenuTest, ControlBytesInAnItemShowAsBlanks) {
  user("<Down><Enter>");
  openWith(30, 10, 6, 2, {"a\tb\rc", "d\ne\af"});
  EXPECT_EQ(menuRun(), 2);
  EXPECT_EQ(row(10), std::string(29, ' ') + "a b c");
  EXPECT_EQ(row(11), std::string(29, ' ') + "d e f");
  EXPECT_EQ(row(12), "");
  EXPECT_EQ(transcript().find("beep"), std::string::npos);
}

TEST_F(MenuTest, TheScreenCursorAndColoursComeBackExactly) {
  paintBackground();
  conGoto(12, 7);
  conSetTextColour(3);
  conSetBackColour(2);
  const int attr = conTextAttr();
  const std::vector<ConCell> before = snapshot();

  user("<Down><Enter>");
  openWith(40, 20, 12, 4, {"Um", "Dois", "Tres", "Quatro"});
  EXPECT_EQ(menuSelect(), 2);
  EXPECT_TRUE(sameScreen(before, snapshot()));
  EXPECT_EQ(conColumn(), 12);
  EXPECT_EQ(conRow(), 7);
  EXPECT_EQ(conTextAttr(), attr);
}

TEST_F(MenuTest, ALongListScrollsInsideItsRectangleAndLeavesNothingBehind) {
  paintBackground();
  const std::vector<ConCell> before = snapshot();
  user("<End><Enter>");
  menuOpen(20, 18, 8, 4, 4);
  for (int i = 1; i <= 30; ++i) menuAddItem("", "Item " + std::to_string(i));
  EXPECT_EQ(menuRun(), 30);
  EXPECT_EQ(row(18).substr(19, 8), "Item 27 ");
  EXPECT_EQ(row(21).substr(19, 8), "Item 30 ");
  EXPECT_EQ(conScreenCell(20, 21).attr, 0x4E);
  EXPECT_EQ(row(22).substr(19, 8), std::string(8, 'a' + 22));

  conReset();
  paintBackground();
  user("<End><Up><PgUp><PgUp><PgUp><Enter>");
  menuOpen(20, 18, 8, 4, 4);
  for (int i = 1; i <= 30; ++i) menuAddItem("", "Item " + std::to_string(i));
  EXPECT_EQ(menuSelect(), 1);
  EXPECT_TRUE(sameScreen(before, snapshot()));
}

TEST_F(MenuTest, ExplorationReturnsToTheSameItem) {
  user("<Down><Ctrl+F9><Esc><Enter>");
  openWith(10, 5, 10, 3, {"Um", "Dois", "Tres"});
  EXPECT_EQ(menuSelect(), 2);
  const std::vector<std::string> h = heard();
  EXPECT_EQ(std::count(h.begin(), h.end(), "click"), 3);  // one to start, two to end
  EXPECT_EQ(h.back(), "say: Dois");
}

TEST_F(MenuTest, AnItemWithARecordingIsPlayedAndSpelledOnRight) {
  startSpeechWithRecordings({"PXCOM_PT"});
  user("<Right><Down><Esc>");
  menuOpen(1, 1, 20, 2, 5);
  menuAddItem("PXCOM_PT", "PT - Ponto");
  menuAddItem("PXCOM_XX", "XX - Nada");
  menuSelect();
  EXPECT_EQ(heard(), (std::vector<std::string>{"play: PXCOM_PT.wav", "spell: PT - Ponto",
                                               "say: XX - Nada"}));
}

}  // namespace
