#include "platform/console.h"
#include "platform/console_fixture.h"
#include "widgets/editing/editing.h"

using ExploreTest = ConsoleTest;

TEST_F(ExploreTest, ArrowsSpeakAndEscRestoresWindowAndCursor) {
  conWrite("primeira\r\nsegunda linha");
  conSetWindow(5, 10, 30, 12);
  conGoto(3, 2);
  keys("<Up><Left><Right><Right><Esc>");
  conExploreScreen();
  EXPECT_EQ(conTextWindow(), (ConRect{5, 10, 30, 12}));
  EXPECT_EQ(conColumn(), 3);
  EXPECT_EQ(conRow(), 2);
  const std::string heard = transcript();
  // Start click, the row above, three letters (blank cells), two clicks at the end.
  EXPECT_EQ(heard.substr(0, 6), "click\n");
  EXPECT_EQ(heard.substr(heard.size() - 12), "click\nclick\n");
}

TEST_F(ExploreTest, EdgesClickEnterTicksAndSearchFindsALetter) {
  conWrite("abc\r\nxyz Zebra");
  conGoto(1, 1);
  keys("<Up><Left><Enter>z<Ctrl+K><Esc>");
  conExploreScreen();
  const std::string heard = transcript();
  EXPECT_NE(heard.find("click\nclick\nclick\ntick\nsay: xyz Zebra\n"), std::string::npos);
  EXPECT_NE(heard.find("say: xyz\nsay: linha 2 coluna 3\n"), std::string::npos);
}

TEST_F(ExploreTest, CtrlCCopiesTheWholeGrid) {
  conWrite("um\r\n  dois");
  keys("<Ctrl+C><Esc>");
  conExploreScreen();
  std::string expected = "um\r\n  dois\r\n";
  for (int r = 3; r <= 25; ++r) expected += "\r\n";
  EXPECT_EQ(conPasteFromClipboard(10000), expected);
}

TEST_F(ExploreTest, AnyOtherKeySaysTheCellUnderTheReadingCursor) {
  conWrite("abc");
  conGoto(2, 1);
  keys("<Tab><F2><Home><Esc>");
  conExploreScreen();
  EXPECT_EQ(transcript(), "click\nspell: b\nspell: b\nspell: b\nclick\nclick\n");
}
