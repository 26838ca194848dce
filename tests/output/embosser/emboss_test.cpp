// The printer chooser, the job rules and the sending of the embosser stream, against a
// print service of the test's own that can fail at any step.
#include "output/device/device_page.h"
#include "platform/popup_fixture.h"
#include "widgets/forms/menu.h"
#include "output/embosser/emboss.h"
#include "output/embosser/embosser_pages.h"
#include "output/embosser/embosser_stream.h"
#include "output/printing/device_chooser.h"
#include "output/printing/fake_spooler.h"
#include "output/printing/spooler.h"
#include "render/image_page.h"
#include "render/page.h"

namespace {

class EmbossTest : public SpoolerTest {
 protected:
  // An embosser sheet with ink in a few cells, among them the last line.
  void prepareSheet() {
    std::optional<Page> made = preparePage(embosserPageSpec({}));
    ASSERT_TRUE(made);
    page_ = std::move(*made);
    page_.canvas->setPixel(0, 0, 0);
    page_.canvas->setPixel(67, 70, 0xFF0000);
    page_.canvas->setPixel(131, 131, 0);
  }
  Page page_;
};

TEST_F(EmbossTest, TheChooserListsTheDevicesBelowTheCursorAndGivesTheChosenName) {
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

TEST_F(EmbossTest, NothingToChooseFromIsSaidNotShown) {
  fake_.devices = {true, {}};
  EXPECT_EQ(chooseDevice(true), "");
  EXPECT_EQ(said(), (std::vector<std::string>{"say: Nenhuma impressora instalada."}));

  fake_.devices = {false, {}};
  EXPECT_EQ(chooseDevice(false), "");
  EXPECT_EQ(said().back(), "say: O serviço de impressão não responde.");
}

TEST_F(EmbossTest, TheSheetGoesAsTheStreamTheBatchRendererWrites) {
  prepareSheet();
  ASSERT_TRUE(openRawPrinterJob("Braille"));
  EXPECT_EQ(fake_.openedTitle, "Pontelix");
  EXPECT_TRUE(sendPageToEmbosser(page_));
  EXPECT_EQ(fake_.sent, embosserStream(pagePixels(page_), BrailleMode::Graphic));
  EXPECT_EQ(fake_.closes, std::vector<bool>{true});
  EXPECT_TRUE(said().empty());
}

TEST_F(EmbossTest, ARefusedStartStopsTheStreamAndStillEndsTheJob) {
  prepareSheet();
  fake_.writesBeforeFailure = 0;
  ASSERT_TRUE(openRawPrinterJob("Braille"));
  EXPECT_FALSE(sendPageToEmbosser(page_));
  EXPECT_EQ(fake_.sent, "");
  // Withdrawn, not finished: half a page must not come out.
  EXPECT_EQ(fake_.closes, std::vector<bool>{false});
  EXPECT_EQ(said(), (std::vector<std::string>{"say: Erro no dispositivo"}));

  // A failure halfway writes no further line.
  fake_.writesBeforeFailure = 3;
  fake_.writesTaken = 0;
  fake_.sent.clear();
  ASSERT_TRUE(openRawPrinterJob("Braille"));
  EXPECT_FALSE(sendPageToEmbosser(page_));
  EXPECT_EQ(fake_.writesTaken, 3);
  EXPECT_EQ(fake_.closes.back(), false);
}

TEST_F(EmbossTest, AJobRefusedAtTheEndIsAnErrorNotSilence) {
  prepareSheet();
  fake_.finishAccepted = false;
  ASSERT_TRUE(openRawPrinterJob("Braille"));
  EXPECT_FALSE(sendPageToEmbosser(page_));
  EXPECT_EQ(said(), (std::vector<std::string>{"say: Erro no dispositivo"}));
}

TEST_F(EmbossTest, OneJobAtATime) {
  EXPECT_FALSE(writeRawPrinter("x"));
  EXPECT_FALSE(closeRawPrinterJob());
  EXPECT_FALSE(openRawPrinterJob(""));
  ASSERT_TRUE(openRawPrinterJob("Braille"));
  // Opening again withdraws the job left open.
  ASSERT_TRUE(openRawPrinterJob("Braille"));
  EXPECT_EQ(fake_.closes, std::vector<bool>{false});
  fake_.openSucceeds = false;
  EXPECT_FALSE(openRawPrinterJob("Braille"));
  EXPECT_FALSE(writeRawPrinter("x"));
}

TEST_F(EmbossTest, APrinterThatCannotBeOpenedIsSaidAndNothingIsDrawn) {
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

TEST_F(EmbossTest, EmbossingTheTestDrawingEndsWithAClearScreen) {
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
TEST_F(EmbossTest, ABrailleDriversPageThatCannotBeReadOrNoAnswerIsSaidAndOpensNoJob) {
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

}  // namespace
