#include "platform/console.h"
#include "console_fixture.h"

using OutputTest = ConsoleTest;

TEST_F(OutputTest, PrintableControlAndLineEnds) {
  conWrite("ab\tc\x01\rX\nd\be");
  EXPECT_EQ(row(1), "Xbc");
  EXPECT_EQ(row(2), "e");
  EXPECT_EQ(conColumn(), 2);
  EXPECT_EQ(conRow(), 2);
  // A stray Windows-1252 byte shows as its character; UTF-8 takes one cell a character.
  conWrite("\xe7\xe3o π≤∞");
  EXPECT_EQ(row(2), "eção π≤∞");
  EXPECT_EQ(conColumn(), 9);
  EXPECT_EQ(conReadCell(7, 2).ch, U'≤');
}

TEST_F(OutputTest, BackspaceBlanksAndStopsAtColumnOne) {
  conWrite("ab\b\b\bz");
  EXPECT_EQ(row(1), "z");
  EXPECT_EQ(conColumn(), 2);
}

TEST_F(OutputTest, BelSoundsTheBeepAndStoresNothing) {
  conWrite("a\ab");
  EXPECT_EQ(row(1), "ab");
  EXPECT_NE(transcript().find("beep\n"), std::string::npos);
}

TEST_F(OutputTest, FullWidthWindowWrapsAfterLastColumn) {
  conWrite(std::string(80, 'x') + "y");
  EXPECT_EQ(row(1), std::string(80, 'x'));
  EXPECT_EQ(row(2), "y");
  EXPECT_EQ(conColumn(), 2);
}

TEST_F(OutputTest, IndentedWindowRunsPastItsEdgeByTheIndentation) {
  conSetWindow(11, 3, 30, 5);
  // The window is 20 columns wide but starts in column 11: text wraps only when the
  // window-relative column passes 30.
  conWrite(std::string(30, 'a') + "b");
  EXPECT_EQ(row(3), std::string(10, ' ') + std::string(30, 'a'));
  EXPECT_EQ(row(4), std::string(10, ' ') + "b");
}

TEST_F(OutputTest, IndentedWindowNeverWritesPastTheGrid) {
  conSetWindow(71, 1, 80, 2);
  conWrite(std::string(80, 'q'));
  EXPECT_EQ(row(1), std::string(70, ' ') + std::string(10, 'q'));
  EXPECT_EQ(row(2), "");
  EXPECT_EQ(conRow(), 2);
  EXPECT_EQ(conColumn(), 1);
}

TEST_F(OutputTest, LineFeedOnBottomRowScrollsOnlyTheWindow) {
  conWrite("top");
  conSetWindow(5, 2, 10, 3);
  conSetBackColour(4);
  conWrite("one\ntwo\nthree");
  EXPECT_EQ(row(1), "top");
  EXPECT_EQ(row(2), "    two");
  EXPECT_EQ(row(3), "    three");
  EXPECT_EQ(conScreenCell(5, 3).attr >> 4, 4);
  EXPECT_EQ(conScreenCell(4, 3).attr >> 4, 0);
  conWrite("\n");
  EXPECT_EQ(row(2), "    three");
  EXPECT_EQ(row(3), "");
  EXPECT_EQ(conScreenCell(10, 3).attr >> 4, 4);
}

TEST_F(OutputTest, WritingTheBottomRightCellScrolls) {
  conGoto(80, 25);
  conWrite("z");
  EXPECT_EQ(row(24), std::string(79, ' ') + "z");
  EXPECT_EQ(conRow(), 25);
  EXPECT_EQ(conColumn(), 1);
}

TEST_F(OutputTest, GotoClampsToTheWindowAndReadCellIsWindowRelative) {
  conSetWindow(10, 5, 20, 8);
  conGoto(50, 0);
  EXPECT_EQ(conColumn(), 11);
  EXPECT_EQ(conRow(), 1);
  conWrite("k");
  EXPECT_EQ(conReadCell(11, 1).ch, 'k');
  EXPECT_EQ(conScreenCell(20, 5).ch, 'k');
  EXPECT_EQ(conCursorOnScreen(), (ConPoint{21, 5}));
}

TEST_F(OutputTest, ClearAndClearEolStayInsideTheWindow) {
  for (int r = 0; r < 25; ++r) conWrite(std::string(80, '#'));
  conSetWindow(3, 2, 6, 3);
  conSetBackColour(1);
  conClear();
  EXPECT_EQ(row(2), "##    " + std::string(74, '#'));
  EXPECT_EQ(conScreenCell(3, 2).attr, 0x1F);
  conWrite("ab");
  conGoto(2, 1);
  conClearEol();
  EXPECT_EQ(row(2).substr(0, 8), "##a   ##");
  EXPECT_EQ(conColumn(), 2);
}

TEST_F(OutputTest, BadWindowIsIgnored) {
  conSetWindow(10, 10, 5, 12);
  conSetWindow(0, 1, 80, 25);
  conSetWindow(1, 1, 81, 25);
  EXPECT_EQ(conTextWindow(), ConRect{});
}

TEST_F(OutputTest, ColoursFromConfigurationAndTheColourLock) {
  writeFile(dir_ + "/config/tramel/Tramel.ini", "[video]\ncorletra=14\nCorFundo=1\nCORESFIXAS=sim\n");
  conReset();
  EXPECT_EQ(conTextAttr(), 0x1E);
  conSetTextColour(2);
  conSetBackColour(3);
  EXPECT_EQ(conTextAttr(), 0x1E);
  EXPECT_EQ(conScreenCell(1, 1).attr, 0x1E);
}

TEST_F(OutputTest, PaletteMapStopsAtFirstNonNumber) {
  writeFile(dir_ + "/config/tramel/Tramel.ini", "[VIDEO]\nTABCORES=0,4\n");
  conReset();
  EXPECT_EQ(conColourRgb(1), 0xFF0000u);  // colour 1 paints red
  EXPECT_EQ(conColourRgb(4), 0xFF0000u);
  EXPECT_EQ(conColourRgb(5), 0x8E008Eu);
  writeFile(dir_ + "/config/tramel/Tramel.ini", "[VIDEO]\nTABCORES=15,99,x,1\n");
  conReset();
  EXPECT_EQ(conColourRgb(0), 0xFFFFFFu);
  EXPECT_EQ(conColourRgb(1), 0x000000u);  // an index above 15 paints black
  EXPECT_EQ(conColourRgb(3), 0x00FFFFu);
}
