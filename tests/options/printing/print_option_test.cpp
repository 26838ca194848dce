// Options B and I and the printer chooser, heard as the user hears them, against a print
// service of the test's own.
#include <algorithm>

#include "heard_in_order.h"
#include "options/printing/device_chooser.h"
#include "options/printing/emboss_option.h"
#include "options/printing/ink_option.h"
#include "output/printing/fake_spooler.h"
#include "widgets/forms/menu.h"

namespace {

using PrintOptionTest = SpoolerTest;

TEST_F(PrintOptionTest, TheChooserListsTheDevicesBelowTheCursorAndGivesTheChosenName) {
  conGoto(1, 20);
  user("<Down><Enter>");
  EXPECT_EQ(chooseDevice(true), "Tinta/rascunho");
  const MenuFrame frame = menuFrame();
  EXPECT_EQ(frame.right - frame.left + 1, 60);
  EXPECT_EQ(frame.bottom - frame.top + 1, 2);
  // Room was made below row 20, so the list stands right under the cursor.
  EXPECT_EQ(frame.top, conRow());

  user("<Esc>");
  EXPECT_EQ(chooseDevice(false), "");
  EXPECT_EQ(fake_.opened, 0);
}

TEST_F(PrintOptionTest, NothingToChooseFromIsSaidNotShown) {
  fake_.devices = {true, {}};
  EXPECT_EQ(chooseDevice(true), "");
  EXPECT_EQ(said(), (std::vector<std::string>{"say: Nenhuma impressora instalada."}));

  fake_.devices = {false, {}};
  EXPECT_EQ(chooseDevice(false), "");
  EXPECT_EQ(said().back(), "say: O serviço de impressão não responde.");
}

TEST_F(PrintOptionTest, APrinterThatCannotBeOpenedIsSaidAndNothingIsDrawn) {
  fake_.openSucceeds = false;
  user("<Enter>");
  embossDrawing(true);
  EXPECT_EQ(fake_.openedDevice, "Braille");
  // The menu announces the item it stands on; then the choice is confirmed.
  EXPECT_EQ(said(), (std::vector<std::string>{"say: Selecione a impressora Braille", "say: Braille",
                                              "say: Imprimindo em ", "say: Braille",
                                              "say: Problemas na impressora."}));
  EXPECT_TRUE(fake_.sent.empty());
}

TEST_F(PrintOptionTest, EmbossingTheTestDrawingEndsWithAClearScreen) {
  user("<Down><Enter>");
  embossDrawing(true);
  // The instance's name reaches the print service whole; the queue is found there.
  EXPECT_EQ(fake_.openedDevice, "Tinta/rascunho");
  EXPECT_TRUE(fake_.sent.starts_with("\x1B" "1"));
  EXPECT_TRUE(fake_.sent.ends_with("\x1B]\x0C"));
  EXPECT_EQ(conRow(), 3);
  EXPECT_EQ(conColumn(), 1);
  EXPECT_EQ(row(1), "");
}

// A braille driver's queue whose page cannot be laid out, or no answer, opens no job
// (the embosser run tests send the page that can be).
TEST_F(PrintOptionTest, ABrailleDriversPageThatCannotBeReadOrNoAnswerIsSaidAndOpensNoJob) {
  const BrailleDriverLayout tooNarrow{.pageWidth = 2000, .pageHeight = 29700};
  const std::pair<BrailleQueue, const char*> cases[] = {
      {{true, true, true, tooNarrow}, "say: A p\xc3\xa1gina da impressora n\xc3\xa3o p\xc3\xb4" "de ser lida."},
      {BrailleQueue{}, "say: Problemas na impressora."}};
  for (const auto& [queue, heard] : cases) {
    fake_.brailleQueue = queue;
    user("<Enter>");
    embossDrawing(true);
    EXPECT_EQ(said().back(), heard);
  }
  EXPECT_EQ(fake_.opened, 0);
}

TEST_F(PrintOptionTest, TheListStartsOnTheInkPrinterSetInTheConfiguration) {
  writeFile(dir_ + "/config/tramel/Tramel.ini", "[PONTELIX]\nIMPTINTA=Tinta/rascunho\n");
  user("<Enter>nc");
  printDrawing(true);
  EXPECT_EQ(fake_.askedPage, "Tinta/rascunho");
  const std::vector<std::string> spoken = said();
  EXPECT_TRUE(eventsInOrder(spoken, {"say: Selecione a impressora a tinta", "say: Tinta/rascunho"}));
  EXPECT_EQ(std::count(spoken.begin(), spoken.end(), "say: Braille"), 0);
}

}  // namespace
